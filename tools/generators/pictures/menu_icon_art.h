#pragma once

#include <QImage>
#include <string_view>

/// "menu_NAME" (scale 1, 16 x 16) and "menu_NAME@2x" (scale 2, 32 x 32): the menu icon of
/// `name` in kMenuIconNames, drawn in a 16-unit square so that it reads at 16 pixels.
QImage DrawMenuIcon(std::string_view name, int scale);
