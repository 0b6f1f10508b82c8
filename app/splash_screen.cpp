#include "app/splash_screen.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

#include "render/game_pictures.h"
#include "render/raster.h"

namespace {
constexpr int kClientWidth = 420;
constexpr int kClientHeight = 210;
constexpr int kBallTop = 162;
constexpr int kBallStartX = 62;
constexpr int kBallStep = 5;
}  // namespace

TForm7::TForm7()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    // The splash never keeps the program running: closing the main window ends it.
    setAttribute(Qt::WA_QuitOnClose, false);
    Image1 = new QLabel(this);
    Image1->installEventFilter(this);
    Image2 = new QLabel(this);
    Image2->setPixmap(QPixmap::fromImage(GamePicture("title")));
    Image2->resize(310, 50);
    Image2->hide();
    Timer1.setInterval(50);
    connect(&Timer1, &QTimer::timeout, this, &TForm7::Timer1Timer);
    FormCreate();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
}

void TForm7::FormCreate() {
    setFixedSize(kClientWidth, kClientHeight);
    surface_ = GamePictureRgb32("splash");
    Image1->setGeometry(0, 0, kClientWidth, kClientHeight);
    Image2->move(55, 80);
    ShowSurface();
    splashBall_ = GamePictureRgb32("sball");
    splashBallRect_ = splashBall_.rect();
    splashBallMask_ = GamePictureRgb32("sballmask");
    splashUnder_ = QImage(splashBall_.size(), QImage::Format_RGB32);
    splashTick_ = 0;
    Timer1.start();
}

void TForm7::HandOverTo(QWidget& mainForm, bool& attractPaused) {
    mainForm_ = &mainForm;
    attractPaused_ = &attractPaused;
    if (gone_) FormClose();
}

void TForm7::Timer1Timer() {
    ++splashTick_;
    if (splashTick_ == 1) {
        splashBallX_ = kBallStartX;
        SaveUnderBall();
        DrawBall();
    } else if (splashTick_ >= 11 && splashTick_ <= 70) {
        RestoreUnderBall();
        splashBallX_ += kBallStep;
        SaveUnderBall();
        DrawBall();
    } else if (splashTick_ == 71) {
        RestoreUnderBall();
    } else if (splashTick_ == 80) {
        Image2->show();
    } else if (splashTick_ == 130) {
        GoAway();
    }
}

void TForm7::FormClick() {
    GoAway();
}

void TForm7::Image1Click() {
    GoAway();
}

void TForm7::GoAway() {
    EnableMainForm();
    Timer1.stop();
    close();
}

void TForm7::EnableMainForm() {
    if (mainForm_) mainForm_->setEnabled(true);
}

// However the splash goes (its last tick, a click, or the window manager), the main window
// is left enabled, the ticks stop and the attract animation may start.
void TForm7::FormClose() {
    gone_ = true;
    Timer1.stop();
    EnableMainForm();
    if (attractPaused_) *attractPaused_ = false;
}

void TForm7::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TForm7::mousePressEvent(QMouseEvent* event) {
    event->accept();
    FormClick();
}

bool TForm7::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Image1 && event->type() == QEvent::MouseButtonPress) {
        Image1Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TForm7::SaveUnderBall() {
    BlitRect(surface_, splashBallX_, kBallTop, splashUnder_, 0, 0, splashBallRect_.width(),
             splashBallRect_.height());
}

void TForm7::DrawBall() {
    StampMasked(splashBallMask_, splashBall_, 0, 0, surface_, splashBallX_, kBallTop);
    ShowSurface();
}

void TForm7::RestoreUnderBall() {
    BlitRect(splashUnder_, 0, 0, surface_, splashBallX_, kBallTop, splashBallRect_.width(),
             splashBallRect_.height());
    ShowSurface();
}

void TForm7::ShowSurface() {
    Image1->setPixmap(QPixmap::fromImage(surface_));
}
