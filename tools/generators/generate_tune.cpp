// Writes the game's background tune to the MIDI file named on the command line.
#include <iostream>
#include <string>

#include "tools/generators/pcm_wave.h"
#include "tools/generators/tune.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: quelvane-generate-tune FILE.mid\n";
        return 2;
    }
    if (!WriteFileBytes(argv[1], QuelvaneTuneBytes())) {
        std::cerr << "cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
