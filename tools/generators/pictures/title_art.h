#pragma once

#include <QImage>

/// The game's title "Quelvane" in metallic lettering (a chrome gradient, a highlight along
/// the top of the letters, a dark outline and a soft drop shadow) on a transparent picture of
/// `width` x `height`. "title" is the 310 x 50 banner of the splash.
QImage DrawTitleBanner(int width, int height);
