// quelvane-tool sheet: all 36 holes on one picture for review. Each cell shows the hole from
// above (faces shaded by height, cushions thick, tee and cup marked) beside the game's own
// view at spin 0, under a caption with number, name and par.
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>

#include "course/face_geometry.h"
#include "render/scene_painter.h"
#include "tools/commands.h"
#include "tools/json.h"
#include "tools/png_file.h"
#include "tools/tool_args.h"

namespace {
constexpr int kColumns = 6;
constexpr int kRows = 6;
constexpr int kMargin = 8;
constexpr int kCaptionHeight = 22;
constexpr int kTopViewWidth = 280;
constexpr int kTopViewHeight = 180;
// The part of the back buffer that the main window shows, and its size in the cell.
constexpr int kWindowWidth = 630;
constexpr int kWindowHeight = 404;
constexpr int kSceneWidth = 252;
constexpr int kSceneHeight = kWindowHeight * kSceneWidth / kWindowWidth;
constexpr int kCellWidth = kMargin + kTopViewWidth + kMargin + kSceneWidth + kMargin;
constexpr int kCellHeight = kCaptionHeight + kTopViewHeight + kMargin;
constexpr int kLowest = 10;
constexpr int kHighest = 160;

// Low ground is dark green, high ground pale, so steps and ramps read at a glance.
QColor HeightColour(double z) {
    const double t = std::clamp((z - kLowest) / (kHighest - kLowest), 0.0, 1.0);
    return QColor::fromRgbF(0.15 + 0.75 * t, 0.45 + 0.5 * t, 0.15 + 0.6 * t);
}

// Maps course coordinates into a box, keeping the aspect ratio and turning y upwards.
class TopViewMapping {
public:
    TopViewMapping(const Hole& hole, const QRectF& box) {
        int minX = hole.vertexX[hole.faceVertex[1][1]], maxX = minX;
        int minY = hole.vertexY[hole.faceVertex[1][1]], maxY = minY;
        for (int f = 1; f <= hole.faceCount; ++f)
            for (int k = 1; k <= hole.faceCorners[f]; ++k) {
                const int v = hole.faceVertex[f][k];
                minX = std::min(minX, hole.vertexX[v]);
                maxX = std::max(maxX, hole.vertexX[v]);
                minY = std::min(minY, hole.vertexY[v]);
                maxY = std::max(maxY, hole.vertexY[v]);
            }
        scale_ = std::min(box.width() / std::max(1, maxX - minX),
                          box.height() / std::max(1, maxY - minY));
        originX_ = box.center().x() - scale_ * (minX + maxX) / 2.0;
        originY_ = box.center().y() + scale_ * (minY + maxY) / 2.0;
    }
    QPointF operator()(double x, double y) const {
        return {originX_ + scale_ * x, originY_ - scale_ * y};
    }

private:
    double scale_ = 1, originX_ = 0, originY_ = 0;
};

// A level face gets one colour; a slope a gradient from its lowest to its highest corner.
QBrush FaceBrush(const Hole& hole, int f, const TopViewMapping& map) {
    const FaceGeometry face(hole, f);
    int low = 1, high = 1;
    for (int k = 2; k <= face.Corners(); ++k) {
        if (face.Z(k) < face.Z(low)) low = k;
        if (face.Z(k) > face.Z(high)) high = k;
    }
    // A face without the corner order has no usable slope; show it at its mean height.
    if (!face.HasCornerOrder()) return HeightColour((face.Z(low) + face.Z(high)) / 2.0);
    if (face.Z(low) == face.Z(high)) return HeightColour(face.Z(low));
    // Walk from the lowest corner along the steepest ascent until the height of the highest.
    const double dzdx = double(face.Z(2) - face.Z(1)) / (face.X(2) - face.X(1));
    const double dzdy = double(face.Z(3) - face.Z(2)) / (face.Y(3) - face.Y(2));
    const double along = (face.Z(high) - face.Z(low)) / (dzdx * dzdx + dzdy * dzdy);
    QLinearGradient gradient(map(face.X(low), face.Y(low)),
                             map(face.X(low) + dzdx * along, face.Y(low) + dzdy * along));
    gradient.setColorAt(0, HeightColour(face.Z(low)));
    gradient.setColorAt(1, HeightColour(face.Z(high)));
    return gradient;
}

void DrawTopView(QPainter& painter, const Hole& hole, const QRectF& box) {
    const TopViewMapping map(hole, box);
    const QColor wall(RedOf(hole.wallColour), GreenOf(hole.wallColour), BlueOf(hole.wallColour));
    for (int f = 1; f <= hole.faceCount; ++f) {
        const FaceGeometry face(hole, f);
        QPolygonF outline;
        for (int k = 1; k <= face.Corners(); ++k) outline << map(face.X(k), face.Y(k));
        painter.setPen(QPen(QColor(90, 90, 90), 1));
        painter.setBrush(FaceBrush(hole, f, map));
        painter.drawPolygon(outline);
    }
    painter.setPen(QPen(wall.lighter(150), 3, Qt::SolidLine, Qt::RoundCap));
    for (int f = 1; f <= hole.faceCount; ++f) {
        const FaceGeometry face(hole, f);
        for (int k = 1; k <= face.Corners(); ++k)
            if (hole.faceNeighbour[f][k] == 0)
                painter.drawLine(map(face.X(k), face.Y(k)), map(face.X(k + 1), face.Y(k + 1)));
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(map(hole.teeX, hole.teeY), 4, 4);
    painter.setBrush(Qt::black);
    painter.drawEllipse(map(hole.cupX, hole.cupY), 4, 4);
}

// The game's full scene with the ball on the tee, scaled down into the cell.
void DrawGameView(QPainter& painter, Game& game, int number, const QRect& box) {
    const QImage shown = HoleOnTeePicture(game.course, number, game.solid, game.scene);
    painter.drawImage(box,
                      shown.scaled(box.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void DrawCell(QPainter& painter, Game& game, int number, const QPoint& corner) {
    const Hole& hole = game.course[number];
    painter.setPen(Qt::black);
    painter.drawText(
        QRect(corner.x() + kMargin, corner.y(), kCellWidth - 2 * kMargin, kCaptionHeight),
        Qt::AlignLeft | Qt::AlignVCenter,
        QString("%1 %2 (par %3)").arg(number).arg(QString::fromStdString(hole.name)).arg(hole.par));
    const QRect topBox(corner.x() + kMargin, corner.y() + kCaptionHeight, kTopViewWidth,
                       kTopViewHeight);
    painter.fillRect(topBox, QColor(235, 235, 225));
    if (!hole.HasGeometry()) {
        painter.drawText(topBox, Qt::AlignCenter, "no geometry");
        return;
    }
    DrawTopView(painter, hole, QRectF(topBox).adjusted(6, 6, -6, -6));
    DrawGameView(painter, game, number,
                 QRect(topBox.right() + 1 + kMargin, topBox.top(), kSceneWidth, kSceneHeight));
}
}  // namespace

/// Draws every hole of the course into one PNG for review.
int SheetCommand(Game& game, const std::vector<std::string>& options, std::ostream& out) {
    const ToolArgs args(options, {"out"});
    const std::string file = args.Text("out");
    QImage sheet(kColumns * kCellWidth, kRows * kCellHeight, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    {
        QPainter painter(&sheet);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setFont(QFont("DejaVu Sans", 10, QFont::Bold));
        for (int number = 1; number <= kHoleCount; ++number) {
            const int column = (number - 1) % kColumns, row = (number - 1) / kColumns;
            DrawCell(painter, game, number, QPoint(column * kCellWidth, row * kCellHeight));
        }
    }
    WritePng(sheet, file);
    Json json;
    json.BeginObject().Key("out").Value(file).EndObject();
    out << json.Text() << '\n';
    return 0;
}
