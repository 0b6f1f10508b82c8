#pragma once

#include <Qt>

/// The frame of the records windows: a title bar with the close box and nothing else.
inline constexpr Qt::WindowFlags kCloseBoxOnly = Qt::Dialog | Qt::CustomizeWindowHint |
                                                 Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                 Qt::WindowCloseButtonHint;
