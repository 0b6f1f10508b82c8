#pragma once

#include <QImage>
#include <QPainter>

// The small transparent pictures: the players' flags and the globe.

/// "flag1".."flag8": a 16 x 16 flag on its pole in the colour of player slot 1..8.
QImage DrawPlayerFlag(int slot);

/// "globe": a 16 x 16 globe of the web, transparent around it.
QImage DrawGlobe();

/// Paints the globe filling `box`; the web menu icon shares it.
void PaintGlobe(QPainter& painter, const QRectF& box);
