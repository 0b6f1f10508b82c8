// Writes the game's six wave sounds as NAME.wav into the folder given on the command line.
#include <iostream>

#include "tools/generators/game_sounds.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: quelvane-generate-sounds FOLDER\n";
        return 2;
    }
    for (const NamedSound& sound : GameSounds()) {
        const std::string path = std::string(argv[1]) + "/" + sound.name + ".wav";
        if (!WriteFileBytes(path, PcmWaveBytes(sound.sound))) {
            std::cerr << "cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
