// quelvane-tool art: every picture the game embeds on one contact sheet, each at its own
// size and doubled (pixel for pixel), under its name and size, so the whole set can be
// reviewed at once. Transparent pictures lie on a checkerboard.
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "render/game_pictures.h"
#include "render/picture_names.h"
#include "tools/commands.h"
#include "tools/json.h"
#include "tools/png_file.h"
#include "tools/tool_args.h"

namespace {
constexpr int kSheetWidth = 1320;
constexpr int kMargin = 10;
constexpr int kGap = 8;
constexpr int kCaptionHeight = 18;

struct Cell {
    const PictureEntry* entry;
    QImage picture;
    QSize size;
};

QBrush Checkerboard() {
    QImage tile(16, 16, QImage::Format_RGB32);
    tile.fill(QColor(250, 250, 250));
    QPainter painter(&tile);
    painter.fillRect(0, 0, 8, 8, QColor(214, 214, 214));
    painter.fillRect(8, 8, 8, 8, QColor(214, 214, 214));
    return QBrush(tile);
}

Cell MakeCell(const PictureEntry& entry, const QFontMetrics& metrics, const QString& caption) {
    const QImage picture = GamePicture(entry.name);
    const int pictures = entry.width + kGap + 2 * entry.width;
    const int width = std::max(pictures, metrics.horizontalAdvance(caption));
    return {&entry, picture, QSize(width, kCaptionHeight + 2 * entry.height)};
}

QString Caption(const PictureEntry& entry) {
    return QString("%1  %2 x %3")
        .arg(QString::fromUtf8(entry.name.data(), static_cast<qsizetype>(entry.name.size())))
        .arg(entry.width)
        .arg(entry.height);
}

void DrawCell(QPainter& painter, const Cell& cell, const QPoint& corner, const QBrush& checks) {
    const PictureEntry& entry = *cell.entry;
    painter.setPen(QColor(30, 30, 30));
    painter.drawText(QRect(corner, QSize(cell.size.width(), kCaptionHeight)),
                     Qt::AlignLeft | Qt::AlignVCenter, Caption(entry));
    const QRect single(corner + QPoint(0, kCaptionHeight), QSize(entry.width, entry.height));
    const QRect doubled(single.topRight() + QPoint(1 + kGap, 0),
                        QSize(2 * entry.width, 2 * entry.height));
    for (const QRect& box : {single, doubled}) {
        if (cell.picture.hasAlphaChannel()) painter.fillRect(box, checks);
        painter.drawImage(box, cell.picture);
    }
}
}  // namespace

/// Draws every embedded picture at 1x and 2x on one PNG for review.
int ArtCommand(Game&, const std::vector<std::string>& options, std::ostream& out) {
    const ToolArgs args(options, {"out"});
    const std::string file = args.Text("out");
    QFont font("DejaVu Sans");
    font.setPixelSize(12);
    const QFontMetrics metrics(font);

    // Cells flow left to right in rows as wide as the sheet.
    std::vector<Cell> cells;
    std::vector<QPoint> corners;
    int x = kMargin, y = kMargin, rowHeight = 0;
    for (const PictureEntry& entry : kGamePictures) {
        cells.push_back(MakeCell(entry, metrics, Caption(entry)));
        const QSize size = cells.back().size;
        if (x > kMargin && x + size.width() > kSheetWidth - kMargin) {
            x = kMargin;
            y += rowHeight + kMargin;
            rowHeight = 0;
        }
        corners.emplace_back(x, y);
        x += size.width() + 2 * kMargin;
        rowHeight = std::max(rowHeight, size.height());
    }
    QImage sheet(kSheetWidth, y + rowHeight + kMargin, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    {
        QPainter painter(&sheet);
        painter.setFont(font);
        const QBrush checks = Checkerboard();
        for (std::size_t i = 0; i < cells.size(); ++i)
            DrawCell(painter, cells[i], corners[i], checks);
    }
    WritePng(sheet, file);
    Json json;
    json.BeginObject().Key("out").Value(file).Key("pictures").Value(static_cast<int>(cells.size()));
    json.EndObject();
    out << json.Text() << '\n';
    return 0;
}
