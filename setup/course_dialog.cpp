#include "setup/course_dialog.h"

#include <QEvent>
#include <QPainter>

#include "render/dialog_pictures.h"
#include "render/menu_pictures.h"
#include "render/preview_painter.h"
#include "view/preview_projection.h"

namespace {
const char* const kCountItems[] = {"6 holes", "12 holes", "18 holes", "36 holes",
                                   "Selected holes (0)"};
const char* const kOrderItems[] = {"Sequence", "Random", "Backward"};
constexpr int kHoleCountPictures[] = {6, 12, 18, 36};
constexpr int kPreviewWidth = 200;
constexpr int kPreviewHeight = 140;

/// Shows what the dialog draws straight onto itself, above the pictures; clicks pass through.
class CanvasView : public QWidget {
public:
    CanvasView(const QImage& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, canvas.width(), canvas.height());
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, canvas_); }

private:
    const QImage& canvas_;
};
}  // namespace

QString PreviewCaption(int number, const Hole& hole) {
    return QString("Hole %1 - %2  (par: %3)")
        .arg(number)
        .arg(QString::fromStdString(hole.name))
        .arg(hole.par);
}

TForm4::TForm4(Game& game, Prompt& prompt, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      game_(game),
      prompt_(prompt) {
    setWindowTitle("Course");
    setWindowIcon(MenuIcon(MenuPicture::CourseSetup));
    setFixedSize(393, 361);

    RadioGroup1 = new QGroupBox("Number of holes", this);
    RadioGroup1->setGeometry(8, 8, 153, 137);
    RadioGroup1Items = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        auto* item = new QRadioButton(kCountItems[i], RadioGroup1);
        item->setGeometry(8, 20 + 23 * i, 140, 17);
        RadioGroup1Items->addButton(item, i);
    }
    RadioGroup2 = new QGroupBox("Hole order", this);
    RadioGroup2->setGeometry(8, 152, 377, 41);
    RadioGroup2Items = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto* item = new QRadioButton(kOrderItems[i], RadioGroup2);
        item->setGeometry(8 + 122 * i, 18, 118, 17);
        RadioGroup2Items->addButton(item, i);
    }
    GroupBox1 = new QGroupBox("Selected holes", this);
    GroupBox1->setGeometry(8, 200, 377, 113);
    for (int n = 1; n <= kHoleCount; ++n) {
        CheckBox[n] = new QCheckBox(QString::number(n), GroupBox1);
        CheckBox[n]->setGeometry(8 + 40 * ((n - 1) % 9), 16 + 24 * ((n - 1) / 9), 33, 17);
    }
    Button1 = new QPushButton("&OK", this);
    Button1->setGeometry(40, 328, 75, 25);
    Button1->setDefault(true);
    Button2 = new QPushButton("&Cancel", this);
    Button2->setGeometry(160, 328, 75, 25);
    Button3 = new QPushButton("&Default", this);
    Button3->setGeometry(280, 328, 75, 25);

    for (int i = 1; i <= 6; ++i) Image[i] = new QLabel(this);
    Image[1]->setPixmap(PuttingGreenPicture());
    Image[2]->setPixmap(RedFlagPicture());
    for (int i = 3; i <= 6; ++i) Image[i]->setPixmap(HoleCountPicture(kHoleCountPictures[i - 3]));

    QWidget* previous = nullptr;
    for (QButtonGroup* group : {RadioGroup1Items, RadioGroup2Items}) {
        for (QAbstractButton* item : group->buttons()) {
            if (previous) setTabOrder(previous, item);
            previous = item;
        }
    }
    for (int n = 1; n <= kHoleCount; ++n) {
        setTabOrder(previous, CheckBox[n]);
        previous = CheckBox[n];
    }
    for (QWidget* next : {Button1, Button2, Button3}) {
        setTabOrder(previous, next);
        previous = next;
    }

    Timer1 = new QTimer(this);
    Timer1->setInterval(20);
    Timer1->setTimerType(Qt::PreciseTimer);

    FormCreate();
    canvas_ = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    canvas_.fill(Qt::transparent);
    canvasView_ = new CanvasView(canvas_, this);

    connect(RadioGroup1Items, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) RadioGroup1Click();
    });
    for (int n = 1; n <= kHoleCount; ++n)
        connect(CheckBox[n], &QCheckBox::toggled, this, [this, n] { HoleCheckClick(n); });
    connect(Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm4::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm4::Button3Click);
    connect(Timer1, &QTimer::timeout, this, &TForm4::Timer1Timer);
    LoadSettings();
}

void TForm4::FormCreate() {
    RadioGroup1->resize(153, RadioGroup1->height());
    Image[1]->setGeometry(178, 68, 195, 84);
    Image[2]->setGeometry(291, 15, 48, 53);
    for (int i = 3; i <= 6; ++i) Image[i]->setGeometry(184, 16, 80, 45);
    buttonFace_ = palette().color(QPalette::Window);
    previewBitmap_ = QImage(kPreviewWidth, kPreviewHeight, QImage::Format_RGB32);
    ClearPreviewBitmap();
    previousCountMode_ = game_.tournament.holeCountMode;
}

void TForm4::LoadSettings() {
    // The boxes come first: each box that changes passes through "Selected holes", and the
    // stored count must be what the dialog shows in the end.
    const Tournament& settings = game_.tournament;
    for (int n = 1; n <= kHoleCount; ++n) CheckBox[n]->setChecked(settings.holeSelected[n] != 0);
    RadioGroup1Items->button(settings.holeCountMode)->setChecked(true);
    RadioGroup2Items->button(settings.holeOrder)->setChecked(true);
}

bool TForm4::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) RadioGroup1Click();
    return QDialog::event(event);
}

void TForm4::FillCanvas(const QRect& rect) {
    QPainter painter(&canvas_);
    painter.fillRect(rect, buttonFace_);
    canvasView_->update(rect);
}

void TForm4::CopyPreviewTo(int x, int y) {
    QPainter painter(&canvas_);
    painter.drawImage(x, y, previewBitmap_);
    canvasView_->update(QRect(QPoint(x, y), previewBitmap_.size()));
}

void TForm4::ClearPreviewBitmap() {
    previewBitmap_.fill(buttonFace_);
}

void TForm4::ShowPreviewCaption(int x0, int hole) {
    // The strip runs on to the dialog's edge: our font is wider than the strip was made
    // for, and the longest captions reach past x0 + 200.
    FillCanvas(QRect(x0, 1, width() - x0, 14));
    CopyPreviewTo(x0, 15);
    if (hole <= 0) return;
    QPainter painter(&canvas_);
    painter.setFont(font());
    painter.setPen(Qt::black);
    painter.drawText(QRect(210, 2, width() - 210, 14), Qt::AlignLeft | Qt::AlignTop,
                     PreviewCaption(hole, game_.course[hole]));
    canvasView_->update(QRect(210, 1, width() - 210, 14));
}

void TForm4::ShowHole(int hole) {
    game_.tournament.currentHole = hole;
    LoadHole(game_.course, hole, game_.solid);
    Timer1->start();
}

void TForm4::RadioGroup1Click() {
    const int choice = RadioGroup1Items->checkedId();
    const bool selected = choice == kSelectedHoles;
    GroupBox1->setEnabled(selected);
    for (int n = 1; n <= kHoleCount; ++n) CheckBox[n]->setEnabled(selected);
    if (selected) {
        int lowest = 0;
        for (int n = kHoleCount; n >= 1; --n)
            if (CheckBox[n]->isChecked()) lowest = n;
        ShowPreviewCaption(175, lowest);
        ShowHole(lowest);
    } else if (choice >= 0) {
        if (previousCountMode_ == kSelectedHoles) {
            // Blank the caption strip and the preview; the pictures under them show again.
            canvas_.fill(Qt::transparent);
            canvasView_->update();
            Timer1->stop();
        }
        for (int i = 3; i <= 6; ++i) Image[i]->setVisible(i - 3 == choice);
    }
    previousCountMode_ = choice;
}

void TForm4::HoleCheckClick(int box) {
    int count = 0;
    int highest = 0;
    for (int n = 1; n <= kHoleCount; ++n) {
        if (!CheckBox[n]->isChecked()) continue;
        ++count;
        highest = n;
    }
    RadioGroup1Items->button(kSelectedHoles)->setText(QString("Selected holes (%1)").arg(count));
    // Choosing the item runs RadioGroup1Click when it changes; when it was chosen already,
    // run it here.
    if (RadioGroup1Items->checkedId() == kSelectedHoles)
        RadioGroup1Click();
    else
        RadioGroup1Items->button(kSelectedHoles)->setChecked(true);
    const int hole = CheckBox[box]->isChecked() ? box : highest;
    ShowPreviewCaption(170, hole);
    ShowHole(hole);
}

void TForm4::Timer1Timer() {
    game_.view.spin += 2.0f;
    TransformAndSort(game_.view, game_.solid, game_.scene);
    DrawPreview();
}

void TForm4::DrawPreview() {
    const int hole = game_.tournament.currentHole;
    ProjectPreview(game_.solid, game_.scene);
    PaintPreviewFaces(previewBitmap_, game_.solid, game_.scene,
                      IsHoleNumber(hole) ? game_.course[hole].wallColour : Colour{0});
    CopyPreviewTo(175, 15);
    ClearPreviewBitmap();
}

void TForm4::Button1Click() {
    const int choice = RadioGroup1Items->checkedId();
    bool anyBox = false;
    for (int n = 1; n <= kHoleCount; ++n) anyBox = anyBox || CheckBox[n]->isChecked();
    if (choice == kSelectedHoles && !anyBox) {
        prompt_.Ask("At least one hole must be selected!", "Warning", Prompt::Buttons::Ok,
                    Prompt::Icon::Exclamation, Prompt::Answer::Ok);
        return;
    }
    Tournament& settings = game_.tournament;
    settings.holeCountMode = choice;
    settings.holeOrder = RadioGroup2Items->checkedId();
    for (int n = 1; n <= kHoleCount; ++n)
        settings.holeSelected[n] = CheckBox[n]->isChecked() ? 1 : 0;
    accept();
}

void TForm4::Button2Click() {
    for (int n = 1; n <= kHoleCount; ++n)
        CheckBox[n]->setChecked(game_.tournament.holeSelected[n] != 0);
    reject();
}

void TForm4::Button3Click() {
    CheckBox[1]->setChecked(true);
    for (int n = 2; n <= kHoleCount; ++n) CheckBox[n]->setChecked(false);
    Timer1->stop();
    RadioGroup1Items->button(kAllHoles)->setChecked(true);
    RadioGroup2Items->button(kHoleSequence)->setChecked(true);
    RadioGroup1Items->checkedButton()->setFocus();
}

void TForm4::FormClose() {
    Timer1->stop();
    if (QAbstractButton* item = RadioGroup1Items->checkedButton()) item->setFocus();
}

void TForm4::done(int result) {
    FormClose();
    QDialog::done(result);
}
