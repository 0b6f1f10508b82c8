#pragma once

#include <array>
#include <cstdint>

#include "course/limits.h"

// A colour as the game stores it: red in the low byte, then green, then blue.
using Colour = std::uint32_t;

constexpr Colour Rgb(int red, int green, int blue) {
    return static_cast<Colour>(red & 0xFF) | static_cast<Colour>(green & 0xFF) << 8 |
           static_cast<Colour>(blue & 0xFF) << 16;
}
constexpr int RedOf(Colour c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Colour c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Colour c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

/// The fixed colour of each player slot (red in the low byte): white, red, orange, yellow,
/// green, blue, magenta, cyan for slots 1..8.
inline constexpr std::array<Colour, kPlayerSlots + 1> kPlayerColours = {
    0x000000, 0xFFFFFF, 0x0000FF, 0x0080FF, 0x00FFFF, 0x00FF00, 0xFF0000, 0xFF00FF, 0xFFFF00,
};
