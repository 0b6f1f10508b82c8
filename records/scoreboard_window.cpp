#include "records/scoreboard_window.h"

#include <QPainter>
#include <cstdlib>

#include "records/close_box_only.h"
#include "records/records_pictures.h"
#include "records/scoreboard_rows.h"

namespace {
constexpr int kClientWidth = 542;
constexpr int kClientHeight = 243;
constexpr int kTableAreaHeight = 170;  // above the picture
constexpr int kRowHeight = 16;
constexpr int kTableWidth = 10 * kHoleCount + 158;  // 518
const QColor kRunningCount(0xC0, 0xC0, 0xC0);       // silver

/// Lines as the classic pens draw them: a line of width 1 at x covers column x, one of
/// width 2 covers x - 1 and x; a line leaves out its end pixel.
void VerticalLine(QPainter& painter, int x, int top, int bottom, int width) {
    painter.fillRect(QRect(x - width + 1, top, width, bottom - top), Qt::black);
}
void HorizontalLine(QPainter& painter, int left, int right, int y, int width) {
    painter.fillRect(QRect(left, y - width + 1, right - left, width), Qt::black);
}

/// Text with its top left corner at (x, y), cut at `width` pixels.
void Text(QPainter& painter, int x, int y, const QString& text, int width = 100) {
    painter.drawText(QRect(x, y, width, kRowHeight - 2), Qt::AlignLeft | Qt::AlignTop, text);
}

QFont TableFont(bool bold) {
    QFont font("DejaVu Sans");
    font.setPixelSize(11);
    font.setBold(bold);
    // Solid pixels of one colour, like the classic text output: counts read as silver or
    // black, never as a blend with the white paper.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

/// A hole has a separator line at its right in the header unless it is the first of a
/// joined pair (9 and 10, 11 and 12, ..., 35 and 36).
bool HeaderSeparatedAfter(int hole) {
    return hole <= 8 || hole % 2 == 0;
}
}  // namespace

TForm5::TForm5(const Game& game, QWidget* parent) : QDialog(parent, kCloseBoxOnly), game_(game) {
    setWindowTitle("Scoreboard");
    QPalette paper = palette();
    paper.setColor(QPalette::Window, Qt::white);
    setPalette(paper);
    setAutoFillBackground(true);

    Image1 = new QLabel(this);
    Image1->setPixmap(HillsPicture());
    Button1 = new QPushButton("&OK", this);
    connect(Button1, &QPushButton::clicked, this, &TForm5::Button1Click);
    FormCreate();
}

void TForm5::FormCreate() {
    setFixedSize(kClientWidth, kClientHeight);
    Image1->setGeometry(0, 173, 410, 70);
    Button1->setGeometry(440, 192, 75, 25);
}

void TForm5::Button1Click() {
    close();
}

void TForm5::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    FormPaint(painter);
}

void TForm5::FormPaint(QPainter& painter) const {
    const Tournament& tournament = game_.tournament;
    const std::vector<ScoreboardRow> rows = ScoreboardOrder(tournament);
    const int n = static_cast<int>(rows.size());
    const int w = kTableWidth;
    const int h = kRowHeight * n + kRowHeight;
    const int x0 = (kClientWidth - w) / 2;
    const int y0 = (kTableAreaHeight - h) / 2;
    const int headerBottom = y0 + kRowHeight;

    // The frame and the header line in the thick pen.
    HorizontalLine(painter, x0 - 1, x0 + w + 1, y0, 2);
    HorizontalLine(painter, x0 - 1, x0 + w + 1, y0 + h, 2);
    VerticalLine(painter, x0, y0 - 1, y0 + h + 1, 2);
    VerticalLine(painter, x0 + w, y0 - 1, y0 + h + 1, 2);
    HorizontalLine(painter, x0, x0 + w, headerBottom, 2);

    // Columns: place 0..10, name 10..110, hole k at 100 + 10k .. 110 + 10k, total 470..494,
    // against par 494..518. Below the header every hole has its own cell.
    VerticalLine(painter, x0 + 10, y0, y0 + h, 1);
    VerticalLine(painter, x0 + 110, y0, y0 + h, 1);
    for (int k = 1; k <= kHoleCount; ++k) {
        if (HeaderSeparatedAfter(k)) VerticalLine(painter, x0 + 110 + 10 * k, y0, y0 + h, 1);
        VerticalLine(painter, x0 + 100 + 10 * k, headerBottom, y0 + h, 1);
    }
    VerticalLine(painter, x0 + 494, headerBottom, y0 + h, 1);
    for (int r = 1; r <= n; ++r)
        HorizontalLine(painter, x0, x0 + w, headerBottom + kRowHeight * r, 1);

    painter.setPen(Qt::black);
    painter.setFont(TableFont(true));
    const int headerTop = y0 + 2;
    Text(painter, x0 + 1, headerTop, "#");
    Text(painter, x0 + 44, headerTop, "Name");
    for (int k = 1; k <= 8; ++k) Text(painter, x0 + 10 * k + 102, headerTop, QString::number(k));
    for (int k = 10; k <= kHoleCount; k += 2) {
        Text(painter, x0 + 10 * k + 93, headerTop, QString::number(k / 10));
        Text(painter, x0 + 10 * k + 101, headerTop, QString::number(k % 10));
    }
    Text(painter, x0 + w - 40, headerTop, "Total");
    painter.setFont(TableFont(false));

    const bool holeInPlay =
        game_.playState != PlayState::Idle && game_.playState != PlayState::TournamentOver;
    for (int r = 1; r <= n; ++r) {
        const int p = rows[static_cast<size_t>(r - 1)].slot;
        const PlayerRecord& player = tournament.players[p];
        const int y = y0 + kRowHeight * r + 2;
        painter.setPen(Qt::black);
        Text(painter, x0 + 2, y, QString::number(rows[static_cast<size_t>(r - 1)].place));
        // The name is cut at its cell, so a long one never covers the first holes.
        Text(painter, x0 + 12, y, QString::fromStdString(player.name), 110 - 12 - 1);

        int parSum = 0;
        for (int k = 1; k <= kHoleCount; ++k) {
            if (player.strokes[k] == 0) continue;
            const bool running =
                k == tournament.currentHole && player.status == PlayerStatus::Playing && holeInPlay;
            painter.setPen(running ? kRunningCount : QColor(Qt::black));
            Text(painter, x0 + 10 * k + 102, y, QString::number(player.strokes[k]));
            parSum += game_.course[k].par;
        }
        painter.setPen(Qt::black);

        const int total = player.totalStrokes;
        if (total != 0) {
            const int hundreds = total / 100, tens = total / 10 % 10, units = total % 10;
            if (hundreds != 0) Text(painter, x0 + 472, y, QString::number(hundreds));
            if (hundreds != 0 || tens != 0) Text(painter, x0 + 479, y, QString::number(tens));
            Text(painter, x0 + 486, y, QString::number(units));
        }
        const int againstPar = total - parSum;
        if (againstPar < 0) {
            Text(painter, x0 + 498, y, "-");
            Text(painter, x0 + 503, y, QString::number(std::abs(againstPar)));
        } else if (againstPar > 0) {
            Text(painter, x0 + 497, y, "+");
            Text(painter, x0 + 503, y, QString::number(againstPar));
        } else {
            Text(painter, x0 + 503, y, "0");
        }
    }
}
