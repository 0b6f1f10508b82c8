#pragma once

#include <array>
#include <string_view>

// Every picture the game embeds, by the name it is stored under (":/pictures/NAME.png"),
// with its size and the kind of picture file. The picture generator draws exactly these and
// refuses to finish when one is missing or has another size, so a missing picture stops the
// build instead of leaving a window blank.

/// How a picture is stored.
enum class PictureKind {
    Palette256,   // 8 bits per pixel
    Palette16,    // 4 bits per pixel
    OneBit,       // black and white
    Opaque,       // true colour
    Transparent,  // true colour with alpha
};

struct PictureEntry {
    std::string_view name;
    int width;
    int height;
    PictureKind kind;
};

/// The sizes the application icon is drawn in; each is also a picture "app_icon_N".
inline constexpr std::array<int, 7> kApplicationIconSizes = {16, 22, 32, 48, 64, 128, 256};

/// The menu icons, each drawn at 16 x 16 as "menu_NAME" and at 32 x 32 as "menu_NAME@2x".
inline constexpr std::array<std::string_view, 16> kMenuIconNames = {
    "open",   "save",  "save_as", "print",      "exit", "start", "stop", "players",
    "course", "sound", "music",   "scoreboard", "fame", "web",   "help", "about"};

inline constexpr auto kGamePictures = std::to_array<PictureEntry>({
    {"gras", 64, 64, PictureKind::Palette256},
    {"balls", 64, 64, PictureKind::Palette16},
    {"ballmask", 16, 16, PictureKind::OneBit},
    {"sball", 12, 12, PictureKind::Palette16},
    {"sballmask", 12, 12, PictureKind::OneBit},
    {"splash", 420, 210, PictureKind::Opaque},
    {"title", 310, 50, PictureKind::Transparent},
    {"credits", 256, 256, PictureKind::Opaque},
    {"hills", 410, 70, PictureKind::Transparent},
    {"globe", 16, 16, PictureKind::Transparent},
    {"flag1", 16, 16, PictureKind::Transparent},
    {"flag2", 16, 16, PictureKind::Transparent},
    {"flag3", 16, 16, PictureKind::Transparent},
    {"flag4", 16, 16, PictureKind::Transparent},
    {"flag5", 16, 16, PictureKind::Transparent},
    {"flag6", 16, 16, PictureKind::Transparent},
    {"flag7", 16, 16, PictureKind::Transparent},
    {"flag8", 16, 16, PictureKind::Transparent},
    {"course_green", 195, 84, PictureKind::Transparent},
    {"course_flag", 48, 53, PictureKind::Transparent},
    {"holes6", 80, 45, PictureKind::Transparent},
    {"holes12", 80, 45, PictureKind::Transparent},
    {"holes18", 80, 45, PictureKind::Transparent},
    {"holes36", 80, 45, PictureKind::Transparent},
    {"menu_open", 16, 16, PictureKind::Transparent},
    {"menu_open@2x", 32, 32, PictureKind::Transparent},
    {"menu_save", 16, 16, PictureKind::Transparent},
    {"menu_save@2x", 32, 32, PictureKind::Transparent},
    {"menu_save_as", 16, 16, PictureKind::Transparent},
    {"menu_save_as@2x", 32, 32, PictureKind::Transparent},
    {"menu_print", 16, 16, PictureKind::Transparent},
    {"menu_print@2x", 32, 32, PictureKind::Transparent},
    {"menu_exit", 16, 16, PictureKind::Transparent},
    {"menu_exit@2x", 32, 32, PictureKind::Transparent},
    {"menu_start", 16, 16, PictureKind::Transparent},
    {"menu_start@2x", 32, 32, PictureKind::Transparent},
    {"menu_stop", 16, 16, PictureKind::Transparent},
    {"menu_stop@2x", 32, 32, PictureKind::Transparent},
    {"menu_players", 16, 16, PictureKind::Transparent},
    {"menu_players@2x", 32, 32, PictureKind::Transparent},
    {"menu_course", 16, 16, PictureKind::Transparent},
    {"menu_course@2x", 32, 32, PictureKind::Transparent},
    {"menu_sound", 16, 16, PictureKind::Transparent},
    {"menu_sound@2x", 32, 32, PictureKind::Transparent},
    {"menu_music", 16, 16, PictureKind::Transparent},
    {"menu_music@2x", 32, 32, PictureKind::Transparent},
    {"menu_scoreboard", 16, 16, PictureKind::Transparent},
    {"menu_scoreboard@2x", 32, 32, PictureKind::Transparent},
    {"menu_fame", 16, 16, PictureKind::Transparent},
    {"menu_fame@2x", 32, 32, PictureKind::Transparent},
    {"menu_web", 16, 16, PictureKind::Transparent},
    {"menu_web@2x", 32, 32, PictureKind::Transparent},
    {"menu_help", 16, 16, PictureKind::Transparent},
    {"menu_help@2x", 32, 32, PictureKind::Transparent},
    {"menu_about", 16, 16, PictureKind::Transparent},
    {"menu_about@2x", 32, 32, PictureKind::Transparent},
    {"app_icon_16", 16, 16, PictureKind::Transparent},
    {"app_icon_22", 22, 22, PictureKind::Transparent},
    {"app_icon_32", 32, 32, PictureKind::Transparent},
    {"app_icon_48", 48, 48, PictureKind::Transparent},
    {"app_icon_64", 64, 64, PictureKind::Transparent},
    {"app_icon_128", 128, 128, PictureKind::Transparent},
    {"app_icon_256", 256, 256, PictureKind::Transparent},
});

/// The entry of `name` in kGamePictures, or nullptr when the game has no such picture.
constexpr const PictureEntry* FindPictureEntry(std::string_view name) {
    for (const PictureEntry& entry : kGamePictures)
        if (entry.name == name) return &entry;
    return nullptr;
}
