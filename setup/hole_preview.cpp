#include "setup/hole_preview.h"

#include <QPainter>

#include "render/gdi_shapes.h"
#include "render/hole_painter.h"
#include "setup/course_dialog.h"

namespace {
constexpr float kPreviewOriginX = 300.0f;
constexpr float kPreviewOriginY = 220.0f;
}  // namespace

void ProjectPreview(const Solid& solid, Scene& scene) {
    for (int v = 1; v <= solid.vertexCount; ++v) {
        for (int u : {v, v + kBaseOffset}) {
            scene.screenX[u] = (kPreviewOriginX + scene.viewX[u]) / 3.0f;
            scene.screenY[u] = (kPreviewOriginY - scene.viewY[u]) / 3.0f;
        }
    }
}

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

void DrawPreview(TForm4& dialog) {
    Game& game = dialog.GameState();
    const int hole = game.tournament.currentHole;
    ProjectPreview(game.solid, game.scene);
    PaintPreviewFaces(dialog.PreviewBitmap(), game.solid, game.scene,
                      IsHoleNumber(hole) ? game.course[hole].wallColour : Colour{0});
    dialog.CopyPreviewTo(175, 15);
    dialog.ClearPreviewBitmap();
}
