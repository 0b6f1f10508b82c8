#pragma once

#include <QIcon>
#include <QImage>
#include <string_view>

// The game's pictures, drawn at build time by our own generator and embedded in the program
// (their names and sizes are in render/picture_names.h).

/// The picture stored under `name`, as stored: palette pictures come back indexed, the
/// masks one bit deep, the others 32 bits with or without alpha. Throws
/// std::invalid_argument for a name the game has no picture of.
QImage GamePicture(std::string_view name);

/// The picture stored under `name` in 32-bit RGB, as the sprite raster operations need it.
QImage GamePictureRgb32(std::string_view name);

/// A menu icon by its name in kMenuIconNames ("open", "save", ...), at 16 and 32 pixels.
QIcon MenuIconPicture(std::string_view name);

/// The application icon in every size it is drawn in.
QIcon ApplicationIcon();
