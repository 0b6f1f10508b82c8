#pragma once

#include <QPixmap>

// The pictures of the setup dialogs, from the pictures the game embeds (transparent round
// their subject).

/// A 16 x 16 flag on a pole in the colour of player slot 1..8.
QPixmap PlayerFlagPicture(int slot);

/// A 195 x 84 putting green seen at a slant, with the cup and the flagstick.
QPixmap PuttingGreenPicture();

/// A 48 x 53 red flag on its pole.
QPixmap RedFlagPicture();

/// An 80 x 45 picture of the number `holes` (6, 12, 18 or 36) in raised lettering.
QPixmap HoleCountPicture(int holes);
