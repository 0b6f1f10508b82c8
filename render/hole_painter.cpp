#include "render/hole_painter.h"

#include <QPainter>
#include <QPolygon>

#include "render/gdi_shapes.h"

namespace {
const QColor kRimColour(128, 48, 0);

QPoint ScreenPoint(const Scene& scene, int vertex) {
    return {static_cast<int>(scene.screenX[vertex]), static_cast<int>(scene.screenY[vertex])};
}

void DrawRims(QPainter& painter, const Solid& solid, const Scene& scene, int face) {
    painter.setPen(QPen(kRimColour, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const int c = solid.faceCorners[face];
    for (int k = 1; k <= c; ++k) {
        if (solid.neighbour[face][k] != 0) continue;
        const int a = solid.faceVertex[face][k];
        const int b = solid.faceVertex[face][NextCorner(k, c)];
        painter.drawLine(ScreenPoint(scene, a), ScreenPoint(scene, b));
    }
}
}  // namespace

QColor TopFaceShade(int n) {
    const int s = (4 * n) % 256;
    return QColor(s, (s + 128) % 256, s);
}

QPolygon ScreenPolygon(const Solid& solid, const Scene& scene, int face) {
    QPolygon polygon;
    for (int k = 1; k <= solid.faceCorners[face]; ++k)
        polygon << ScreenPoint(scene, solid.faceVertex[face][k]);
    return polygon;
}

void DrawFaces(QImage& backBuffer, const Solid& solid, const Scene& scene, Colour wallColour) {
    QPainter painter(&backBuffer);
    painter.setRenderHint(QPainter::Antialiasing, false);

    int topFacesDrawn = 0;
    QColor colour(0, 128, 0);
    for (int i = 1; i <= scene.drawCount; ++i) {
        const int g = scene.drawOrder[i];
        if (g < kBaseOffset) {
            colour = TopFaceShade(++topFacesDrawn);
        } else if (g > 200) {
            colour = ToQColor(wallColour);
        }
        painter.setPen(QPen(colour, 0));
        painter.setBrush(colour);
        painter.drawPolygon(ScreenPolygon(solid, scene, g));
        DrawRims(painter, solid, scene, g % kBaseOffset);
    }
}

void DrawCupFrontRim(QImage& backBuffer, float cupX, float cupY) {
    const int rimY = static_cast<int>(cupY + 1);
    const QRgb black = qRgb(0, 0, 0);
    PlotLine(backBuffer, static_cast<int>(cupX - 8), rimY, static_cast<int>(cupX - 4), rimY, black);
    PlotLine(backBuffer, static_cast<int>(cupX + 4), rimY, static_cast<int>(cupX + 8), rimY, black);
}

void DrawCup(QImage& backBuffer, const Scene& scene) {
    FillEllipse(backBuffer, static_cast<int>(scene.cupScreenX - 9),
                static_cast<int>(scene.cupScreenY - 4), static_cast<int>(scene.cupScreenX + 9),
                static_cast<int>(scene.cupScreenY + 4), qRgb(0, 0, 0));
}
