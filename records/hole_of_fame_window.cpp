#include "records/hole_of_fame_window.h"

#include <QKeyEvent>
#include <QPainter>
#include <cstdlib>

#include "records/close_box_only.h"
#include "records/records_pictures.h"

namespace {
constexpr int kClientWidth = 542;
constexpr int kClientHeight = 293;
constexpr int kRowHeight = 16;
constexpr int kTableHeight = kFamePlaces * kRowHeight + kRowHeight;  // ten rows and the header
constexpr int kTableTop = (244 - kTableHeight) / 2 + 5;
constexpr int kEscape = 27;

const char* const kSeriesItems[] = {"36 holes", "18 holes", "12 holes", "6 holes"};

// The chosen list: a series of N holes, or (N = 0) the list of one course hole.
struct Choice {
    int holes = 0;
    int series = 0;  ///< kSeries6..kSeries36, or 0 for a single hole
    int hole = 0;    ///< the course hole of a single-hole list
};

Choice ChoiceOf(const QString& text) {
    for (int s = kSeries6; s <= kSeries36; ++s)
        if (text == QString("%1 holes").arg(kSeriesHoles[s])) return {kSeriesHoles[s], s, 0};
    Choice choice;
    if (text.startsWith('h')) choice.hole = text.mid(5, 2).toInt();
    return choice;
}

int TableWidth(int holes) {
    return holes == kHoleCount ? 528 : 20 * holes + 168;
}

// Text placed by the top left of its line, as the window's drawing calls place it.
void TextAt(QPainter& painter, int x, int y, const QString& text) {
    painter.drawText(x, y + painter.fontMetrics().ascent(), text);
}
void DigitAt(QPainter& painter, int x, int y, int digit) {
    TextAt(painter, x, y, QString::number(std::abs(digit) % 10));
}

// A line from (x0, y0) towards (x1, y1), its end point left out.
void LineTo(QPainter& painter, int x0, int y0, int x1, int y1) {
    if (x0 == x1)
        painter.drawLine(x0, y0, x1, y1 - 1);
    else
        painter.drawLine(x0, y0, x1 - 1, y1);
}

void DrawGrid(QPainter& painter, int x0, int y0, int width, int holes) {
    const int bottom = y0 + kTableHeight, header = y0 + kRowHeight;
    painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(x0, y0, width, kTableHeight);
    LineTo(painter, x0, header, x0 + width, header);

    painter.setPen(QPen(Qt::black, 0));
    const auto full = [&](int x) { LineTo(painter, x0 + x, y0, x0 + x, bottom); };
    const auto belowHeader = [&](int x) { LineTo(painter, x0 + x, header, x0 + x, bottom); };
    full(20);
    full(120);
    if (holes == kHoleCount) {
        for (int k = 1; k <= kHoleCount; ++k) {
            if (k <= 8 || k % 2 == 0)
                full(120 + 10 * k);
            else
                belowHeader(120 + 10 * k);
        }
        belowHeader(504);
    } else {
        for (int k = 1; k <= holes; ++k) full(120 + 20 * k);
        belowHeader(144 + 20 * holes);
    }
    for (int r = 1; r <= kFamePlaces; ++r)
        LineTo(painter, x0, header + kRowHeight * r, x0 + width, header + kRowHeight * r);
}

void DrawHeader(QPainter& painter, int x0, int y0, int width, int holes) {
    QFont bold = painter.font();
    bold.setBold(true);
    painter.setFont(bold);
    const int y = y0 + 2;
    TextAt(painter, x0 + 6, y, "#");
    TextAt(painter, x0 + 54, y, "Name");
    for (int k = 1; k <= holes; ++k) {
        if (holes != kHoleCount) {
            if (k >= 10) DigitAt(painter, x0 + 20 * k + 103, y, k / 10);
            DigitAt(painter, x0 + 20 * k + 111, y, k);
        } else if (k <= 8) {
            DigitAt(painter, x0 + 10 * k + 112, y, k);
        } else if (k % 2 == 0) {
            DigitAt(painter, x0 + 10 * k + 103, y, k / 10);
            DigitAt(painter, x0 + 10 * k + 111, y, k);
        }
    }
    TextAt(painter, x0 + width - 40, y, "Total");
    bold.setBold(false);
    painter.setFont(bold);
}

// A series result: strokes per hole, the total digit by digit and the result against par.
void DrawSeriesRow(QPainter& painter, int x0, int y, const FameRecord& record, int holes, int par) {
    const bool all = holes == kHoleCount;
    for (int k = 1; k <= holes; ++k)
        TextAt(painter, x0 + (all ? 10 * k + 112 : 20 * k + 107), y,
               QString::number(record.strokes[k]));
    const int total = std::abs(record.total);
    const int right = all ? x0 + 480 : x0 + 20 * holes + 120;  // the total column's left edge
    if (total / 100 % 10 != 0) DigitAt(painter, right + 2, y, total / 100);
    if (total / 10 % 100 != 0) DigitAt(painter, right + 9, y, total / 10);
    DigitAt(painter, right + 16, y, total);

    const int d = record.total - par, size = std::abs(d);
    const int parLeft = right + 24;  // the against-par column's left edge
    if (d > 0) TextAt(painter, parLeft + (size >= 10 ? 2 : 9), y, "+");
    if (d < 0) TextAt(painter, parLeft + (size >= 10 ? 4 : 11), y, "-");
    if (size / 10 % 10 != 0) DigitAt(painter, parLeft + 8, y, size / 10);
    DigitAt(painter, parLeft + 15, y, size);
}

void DrawHoleRow(QPainter& painter, int x0, int y, const FameRecord& record, int par) {
    const int strokes = record.strokes[1], d = strokes - par;
    TextAt(painter, x0 + 129, y, QString::number(strokes));
    if (d < 0) TextAt(painter, x0 + 150, y, "-");
    if (d > 0) TextAt(painter, x0 + 149, y, "+");
    TextAt(painter, x0 + 155, y, QString::number(std::abs(d)));
}
}  // namespace

TForm6::TForm6(const Game& game, QWidget* parent) : QDialog(parent, kCloseBoxOnly), game_(game) {
    setWindowTitle("Hole of Fame");
    // The texts and digits have fixed places made for a narrow 8-point face: ours is set
    // as high (11 pixels) and narrowed to fit them.
    QFont face = font();
    face.setPixelSize(11);
    face.setStretch(QFont::SemiCondensed);
    setFont(face);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    Label1 = new QLabel("Show the best results for:", this);
    Label1->move(8, 10);
    Label1->adjustSize();
    ComboBox1 = new QComboBox(this);
    ComboBox1->setEditable(false);
    ComboBox1->move(136, 8);
    ComboBox1->setFixedWidth(65);
    // A pixel smaller, so that "36 holes" shows whole beside the arrow in 65 pixels.
    QFont small = face;
    small.setPixelSize(10);
    ComboBox1->setFont(small);
    for (const char* item : kSeriesItems) ComboBox1->addItem(item);
    for (int j = 1; j <= kHoleCount; ++j) ComboBox1->addItem(QString("hole %1").arg(j));
    CourseName = new QLabel(this);
    CourseName->move(208, 10);
    Button1 = new QPushButton("&OK", this);
    Button1->setDefault(true);
    Button1->setFixedSize(75, 25);
    Image1 = new QLabel(this);
    Image1->setPixmap(HillsPicture());
    Image1->adjustSize();
    Image1->lower();
    FormCreate();

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TForm6::ComboBox1Change);
    connect(Button1, &QPushButton::clicked, this, &TForm6::Button1Click);
}

void TForm6::FormCreate() {
    setFixedSize(kClientWidth, kClientHeight);
    Image1->move(0, 223);
    Button1->move(440, 240);
    ComboBox1->setCurrentIndex(0);
}

void TForm6::ComboBox1Change() {
    update();
}

void TForm6::Button1Click() {
    accept();
}

void TForm6::FormKeyPress(int key) {
    if (key == kEscape) reject();
}

void TForm6::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        FormKeyPress(kEscape);
    else
        QDialog::keyPressEvent(event);
}

void TForm6::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    FormPaint(painter);
}

void TForm6::FormPaint(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const Choice choice = ChoiceOf(ComboBox1->currentText());
    const FameList* list = nullptr;
    int par = 0;
    if (choice.series != 0) {
        CourseName->clear();
        list = &game_.fame.series[choice.series];
        for (int k = 1; k <= choice.holes; ++k) par += game_.course[k].par;
    } else if (IsHoleNumber(choice.hole)) {
        CourseName->setText(QString::fromStdString(game_.course[choice.hole].name));
        CourseName->adjustSize();
        list = &game_.fame.holes[choice.hole];
        par = game_.course[choice.hole].par;
    }

    const int width = TableWidth(choice.holes), x0 = (kClientWidth - width) / 2, y0 = kTableTop;
    painter.setFont(font());
    DrawGrid(painter, x0, y0, width, choice.holes);
    DrawHeader(painter, x0, y0, width, choice.holes);
    if (!list) return;
    painter.setPen(Qt::black);
    for (int i = 1; i <= kFamePlaces; ++i) {
        const FameRecord& record = (*list)[i];
        if (record.place == kEmptyPlace) continue;
        const int y = y0 + kRowHeight * i + 2;
        TextAt(painter, x0 + (record.place == 10 ? 4 : 10), y, QString::number(record.place));
        // A name longer than its column is cut off at the column's edge.
        painter.save();
        painter.setClipRect(x0 + 21, y, 98, kRowHeight - 2);
        TextAt(painter, x0 + 23, y, QString::fromStdString(record.name));
        painter.restore();
        if (choice.series != 0)
            DrawSeriesRow(painter, x0, y, record, choice.holes, par);
        else
            DrawHoleRow(painter, x0, y, record, par);
    }
}
