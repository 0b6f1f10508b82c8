#include "setup/hole_preview.h"

#include <QPainter>
#include <QPolygon>

#include "render/gdi_shapes.h"
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
        if (g < kBaseOffset) {
            ++topFacesDrawn;
            const int t = (4 * topFacesDrawn) % 256;
            colour = QColor(t, (t + 128) % 256, t);
        }
        if (g > kBaseOffset) colour = Qt::black;
        if (g > 2 * kBaseOffset) colour = ToQColor(wallColour);
        QPolygon polygon;
        for (int k = 1; k <= solid.faceCorners[g]; ++k) {
            const int w = solid.faceVertex[g][k];
            polygon << QPoint(static_cast<int>(scene.screenX[w]),
                              static_cast<int>(scene.screenY[w]));
        }
        painter.setPen(QPen(colour, 0));
        painter.setBrush(colour);
        painter.drawPolygon(polygon);
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
