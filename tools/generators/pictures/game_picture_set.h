#pragma once

#include <QImage>
#include <string>
#include <vector>

#include "render/picture_names.h"

/// One drawn picture under its stored name.
struct DrawnPicture {
    std::string name;
    QImage image;
};

/// Draws every picture of kGamePictures, in its order, in the depth of its kind.
std::vector<DrawnPicture> DrawGamePictures();

/// Draws the one picture stored under `name`; throws std::invalid_argument for an unknown one.
QImage DrawGamePicture(std::string_view name);

/// Whether `image` has the size and the depth that `entry` asks for; when not, `problem` says
/// what is wrong.
bool MatchesEntry(const QImage& image, const PictureEntry& entry, std::string& problem);

/// The bytes of `image` as a PNG file, as the generator writes them.
QByteArray PngBytes(const QImage& image);
