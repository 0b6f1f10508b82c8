#include "render/preview_painter.h"

#include <QPainter>

#include "render/gdi_shapes.h"
#include "render/hole_painter.h"

void PaintPreviewFaces(QImage& bitmap, const Solid& solid, const Scene& scene, Colour wallColour) {
    QPainter painter(&bitmap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QColor colour(Qt::black);
    int topFacesDrawn = 0;
    for (int i = 1; i <= scene.drawCount; ++i) {
        const int g = scene.drawOrder[i];
        if (g < kBaseOffset) colour = TopFaceShade(++topFacesDrawn);
        if (g > kBaseOffset) colour = Qt::black;
        if (g > 2 * kBaseOffset) colour = ToQColor(wallColour);
        painter.setPen(QPen(colour, 0));
        painter.setBrush(colour);
        painter.drawPolygon(ScreenPolygon(solid, scene, g));
    }
}
