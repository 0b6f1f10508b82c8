#include "app/main_window.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include "app/menu_icons.h"
#include "app/status_bar.h"
#include "render/raster.h"

namespace {
constexpr int kClientWidth = 630;
constexpr int kClientHeight = 404;
constexpr int kSceneHeight = kClientHeight - StatusBar::kHeight;
}  // namespace

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint) {
    setWindowTitle("Quelvane");
    client_ = new QWidget(this);
    client_->setAttribute(Qt::WA_OpaquePaintEvent);
    client_->setMouseTracking(false);
    client_->installEventFilter(this);
    setCentralWidget(client_);
    statusBar1_ = new StatusBar(client_);
    statusBar1_->setGeometry(0, kSceneHeight, kClientWidth, StatusBar::kHeight);
    statusBar1_->SetOwnerDraw([this](QPainter& painter, const QRect& rect) { StatusBar1DrawPanel(painter, rect); });
    BuildMenu();
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::BuildMenu() {
    const auto item = [this](QMenu* menu, const QString& caption, int icon, const QKeySequence& key = {}) {
        QAction* action = menu->addAction(caption);
        if (icon >= 0) action->setIcon(MenuIcon(icon));
        if (!key.isEmpty()) action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        return action;
    };
    QMenu* file = menuBar()->addMenu("&File");
    Open = item(file, "&Open...", 0);
    Save = item(file, "&Save", 1);
    SaveAs = item(file, "Save &As...", 2);
    file->addSeparator();
    Print = item(file, "&Print...", 3);
    file->addSeparator();
    Exit = item(file, "E&xit", 4);
    for (QAction* never : {Open, Save, SaveAs, Print}) never->setEnabled(false);

    QMenu* gameMenu = menuBar()->addMenu("&Game");
    Start = item(gameMenu, "&Start Tournament", 5, Qt::Key_F2);
    Stop = item(gameMenu, "Sto&p Tournament", 6, Qt::Key_F3);
    Start->setEnabled(false);
    Stop->setEnabled(false);

    // F2 and F3 belong to the Game items; the Options items only show the keys as text.
    QMenu* options = menuBar()->addMenu("&Options");
    Players = item(options, "&Players...\tF2", 7);
    Courses = item(options, "&Course...\tF3", 8);
    options->addSeparator();
    Sound = item(options, "&Sound", 9);
    Music = item(options, "&Music", 10);
    for (QAction* toggle : {Sound, Music}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }

    QMenu* score = menuBar()->addMenu("&Score");
    Scoreboard = item(score, "&Scoreboard...", 11, Qt::Key_F4);
    HoleofFame = item(score, "&Hole of Fame...", 12, Qt::Key_F5);
    score->addSeparator();
    WWWHoleofFame = item(score, "&WWWhole.of.fame", 13);
    Scoreboard->setEnabled(false);

    QMenu* help = menuBar()->addMenu("&Help");
    Contents = item(help, "&Contents", 14, Qt::Key_F1);
    Index = item(help, "&Index", -1);
    help->addSeparator();
    About = item(help, "&About...", 15);

    connect(Exit, &QAction::triggered, this, &QWidget::close);
}

void TForm1::FormCreate() {
    client_->setFixedSize(kClientWidth, kClientHeight);
    setFixedSize(sizeHint());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    firstActivation_ = true;
    pictures_ = MakeScenePictures();
    surface_ = QImage(kClientWidth, kSceneHeight, QImage::Format_RGB32);
    statusBar1_->SetPanelText(8, "Select players and start!");
    InitCourse(game_);
    PresentFrame();
}

void TForm1::ShowHole(int hole) {
    game_.tournament.currentHole = hole;
    LoadHole(game_.course, hole, game_.solid);
    const Hole& shown = game_.course[IsHoleNumber(hole) ? hole : 0];
    game_.ball.x = static_cast<float>(shown.teeX);
    game_.ball.y = static_cast<float>(shown.teeY);
    game_.ball.z = static_cast<float>(shown.teeZ);
    game_.ball.face = shown.teeFace;
    DrawFullScene(pictures_, game_.view, game_.solid, game_.scene, shown.wallColour, game_.ball.x,
                  game_.ball.y, game_.ball.z, &ballSprite_);
    PresentFrame();
}

void TForm1::PresentFrame() { PresentRect(0, 0, kClientWidth, kSceneHeight); }

void TForm1::PresentRect(int x, int y, int width, int height) {
    BlitRect(pictures_.backBuffer, x, y, surface_, x, y, width, height);
    client_->update(QRect(x, y, width, height) & QRect(0, 0, kClientWidth, kSceneHeight));
}

void TForm1::FormPaint(QPainter& painter) { painter.drawImage(0, 0, surface_); }

void TForm1::FormActivate() {
    if (!firstActivation_) return;
    firstActivation_ = false;
    const QScreen* screen = this->screen();
    const int screenTop = screen ? screen->geometry().top() : 0;
    if (frameGeometry().top() - screenTop < 40) move(frameGeometry().left(), screenTop);
}

void TForm1::StatusBar1DrawPanel(QPainter& painter, const QRect& rect) {
    // No player yet: a light grey square where the flag goes.
    painter.setPen(QColor(0xC0, 0xC0, 0xC0));
    painter.setBrush(QColor(0xC0, 0xC0, 0xC0));
    painter.drawRect(QRect(rect.left(), rect.top(), 15, 15));
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Paint) {
        QPainter painter(client_);
        FormPaint(painter);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) FormActivate();
    return QMainWindow::event(event);
}
