#include "app/main_window.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <cmath>
#include <optional>

#include "app/aim_line.h"
#include "app/status_bar.h"
#include "play/tournament.h"
#include "records/load_records.h"
#include "records/save_records.h"
#include "records/scoreboard_window.h"
#include "render/attract_painter.h"
#include "render/gdi_shapes.h"
#include "render/hole_painter.h"
#include "render/menu_pictures.h"
#include "render/raster.h"
#include "render/sprites.h"

namespace {
constexpr int kClientWidth = 630;
constexpr int kClientHeight = 404;
constexpr int kSceneHeight = kClientHeight - StatusBar::kHeight;
}  // namespace

TForm1::TForm1(const Platform& platform, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      platform_(platform) {
    setWindowTitle("Quelvane");
    // Disabled until the splash screen goes: no click or key reaches the game before.
    setEnabled(false);
    client_ = new QWidget(this);
    client_->setAttribute(Qt::WA_OpaquePaintEvent);
    client_->setMouseTracking(false);
    client_->installEventFilter(this);
    setCentralWidget(client_);
    statusBar1_ = new StatusBar(client_);
    statusBar1_->setGeometry(0, kSceneHeight, kClientWidth, StatusBar::kHeight);
    statusBar1_->SetOwnerDraw(
        [this](QPainter& painter, const QRect& rect) { StatusBar1DrawPanel(painter, rect); });
    BuildMenu();
    FormCreate();
    ConnectMenuCommands();
    frameTimer_.setTimerType(Qt::PreciseTimer);
    frameTimer_.setSingleShot(true);
    connect(&frameTimer_, &QTimer::timeout, this, [this] {
        AppIdle();
        ScheduleFrame();
    });
    ScheduleFrame();
}

TForm1::~TForm1() = default;

void TForm1::BuildMenu() {
    const auto item = [this](QMenu* menu, const QString& caption, std::optional<MenuPicture> icon,
                             const QKeySequence& key = {}) {
        QAction* action = menu->addAction(caption);
        if (icon) action->setIcon(MenuIcon(*icon));
        if (!key.isEmpty()) action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        return action;
    };
    QMenu* file = menuBar()->addMenu("&File");
    Open = item(file, "&Open...", MenuPicture::Open);
    Save = item(file, "&Save", MenuPicture::Save);
    SaveAs = item(file, "Save &As...", MenuPicture::SaveAs);
    file->addSeparator();
    Print = item(file, "&Print...", MenuPicture::Print);
    file->addSeparator();
    Exit = item(file, "E&xit", MenuPicture::Exit);
    for (QAction* never : {Open, Save, SaveAs, Print}) never->setEnabled(false);

    QMenu* gameMenu = menuBar()->addMenu("&Game");
    Start = item(gameMenu, "&Start Tournament", MenuPicture::Start, Qt::Key_F2);
    Stop = item(gameMenu, "Sto&p Tournament", MenuPicture::Stop, Qt::Key_F3);
    Start->setEnabled(false);
    Stop->setEnabled(false);

    // F2 and F3 belong to the Game items; the Options items only show the keys as text.
    QMenu* options = menuBar()->addMenu("&Options");
    Players = item(options, "&Players...\tF2", MenuPicture::Players);
    Courses = item(options, "&Course...\tF3", MenuPicture::CourseSetup);
    options->addSeparator();
    Sound = item(options, "&Sound", MenuPicture::Sound);
    Music = item(options, "&Music", MenuPicture::Music);
    for (QAction* toggle : {Sound, Music}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }

    QMenu* score = menuBar()->addMenu("&Score");
    Scoreboard = item(score, "&Scoreboard...", MenuPicture::Scoreboard, Qt::Key_F4);
    HoleofFame = item(score, "&Hole of Fame...", MenuPicture::HoleOfFame, Qt::Key_F5);
    score->addSeparator();
    WWWHoleofFame = item(score, "&WWWhole.of.fame", MenuPicture::Web);
    Scoreboard->setEnabled(false);

    QMenu* help = menuBar()->addMenu("&Help");
    Contents = item(help, "&Contents", MenuPicture::HelpContents, Qt::Key_F1);
    Index = item(help, "&Index", std::nullopt);
    help->addSeparator();
    About = item(help, "&About...", MenuPicture::About);

    connect(Exit, &QAction::triggered, this, &QWidget::close);
    connect(Start, &QAction::triggered, this, &TForm1::StartClick);
    connect(Stop, &QAction::triggered, this, &TForm1::StopClick);
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
    OpenMusic();
    // The balls are placed before the generator is seeded from the time, so they start
    // from the same places at every start.
    SeedAttract(game_.attract, platform_.random);
    game_.sinkFrame = -1;
    play_.StartClock(platform_.clock.Ticks());
    platform_.random.Seed(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()));
    pictures_ = MakeScenePictures();
    surface_ = QImage(kClientWidth, kSceneHeight, QImage::Format_RGB32);
    statusBar1_->SetPanelText(8, "Select players and start!");
    // The Hole of Fame is read after the pictures and before the catalogue is filled.
    LoadRecords(game_.fame, platform_.store, platform_.prompt);
    InitCourse(game_);
    // The balls wait until the splash screen has gone.
    game_.attractPaused = true;
    PresentFrame();
}

void TForm1::ShowHole(int hole) {
    attractOnGrass_ = false;
    game_.tournament.currentHole = hole;
    LoadHole(game_.course, hole, game_.solid);
    const Hole& shown = game_.course[IsHoleNumber(hole) ? hole : 0];
    PlaceOnTee(game_.ball, shown);
    DrawFullScene(pictures_, game_.view, game_.solid, game_.scene, shown.wallColour, game_.ball.x,
                  game_.ball.y, game_.ball.z, game_.ballOnScreen);
    PresentFrame();
}

void TForm1::PresentFrame() {
    PresentRect(0, 0, kClientWidth, kSceneHeight);
}

void TForm1::PresentRect(int x, int y, int width, int height) {
    CopyToSurface(QRect(x, y, width, height));
    client_->update(QRect(x, y, width, height) & QRect(0, 0, kClientWidth, kSceneHeight));
}

void TForm1::CopyToSurface(const QRect& box) {
    BlitRect(pictures_.backBuffer, box.x(), box.y(), surface_, box.x(), box.y(), box.width(),
             box.height());
}

void TForm1::FormPaint(QPainter& painter) {
    // On a scaled screen each course pixel becomes a block of whole screen pixels: nearest
    // neighbour, never smoothed, so the picture stays as crisp as at 100 %.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // The user refused to clear an unreadable Hole of Fame: the game ends, the store untouched.
    if (game_.fame.closeOnPaint)
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    painter.drawImage(0, 0, surface_);
}

void TForm1::FormActivate() {
    if (!firstActivation_) return;
    firstActivation_ = false;
    const QScreen* screen = this->screen();
    const int screenTop = screen ? screen->geometry().top() : 0;
    if (frameGeometry().top() - screenTop < 40) move(frameGeometry().left(), screenTop);
}

namespace {
// An upright or level line from (x0, y0) towards (x1, y1), the end pixel left out.
void StraightLine(QPainter& painter, int x0, int y0, int x1, int y1, Colour colour) {
    const int stepX = x1 > x0 ? 1 : (x1 < x0 ? -1 : 0);
    const int stepY = y1 > y0 ? 1 : (y1 < y0 ? -1 : 0);
    painter.setPen(ToQColor(colour));
    for (int x = x0, y = y0; x != x1 || y != y1; x += stepX, y += stepY) painter.drawPoint(x, y);
}

struct FlagColumn {
    int x, top, bottom;
};
// The cloth: columns whose tops and bottoms wave to the right of the pole.
constexpr FlagColumn kCloth[] = {
    {3, 2, 11}, {4, 1, 11}, {5, 1, 10},  {6, 1, 10},  {7, 1, 10},
    {8, 2, 11}, {9, 2, 11}, {10, 3, 12}, {11, 4, 12}, {12, 4, 11},
};
struct FlagLine {
    int x0, y0, x1, y1;
};
constexpr FlagLine kClothShadow[] = {
    {3, 11, 5, 11},  {5, 10, 8, 10},   {7, 11, 10, 11},
    {9, 12, 12, 12}, {12, 11, 13, 11}, {13, 10, 13, 4},
};
constexpr Colour kPoleColour = 0x000080;
constexpr Colour kClothShadowColour = 0x808080;
constexpr Colour kNoFlagColour = 0xC0C0C0;
}  // namespace

void TForm1::StatusBar1DrawPanel(QPainter& painter, const QRect& rect) {
    const int left = rect.left(), top = rect.top();
    const int player = flagPlayer_;
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (player < 1 || player > kPlayerSlots) {
        painter.setPen(ToQColor(kNoFlagColour));
        painter.setBrush(ToQColor(kNoFlagColour));
        painter.drawRect(QRect(left, top, 15, 15));
        return;
    }
    for (int x : {1, 2}) StraightLine(painter, left + x, top + 1, left + x, top + 14, kPoleColour);
    for (const FlagColumn& column : kCloth)
        StraightLine(painter, left + column.x, top + column.top, left + column.x,
                     top + column.bottom, kPlayerColours[player]);
    for (const FlagLine& line : kClothShadow)
        StraightLine(painter, left + line.x0, top + line.y0, left + line.x1, top + line.y1,
                     kClothShadowColour);
}

void TForm1::StartClick() {
    if (TournamentInPlay(game_.playState)) return;
    play_.StartTournamentPlay();
}

void TForm1::StopClick() {
    const Prompt::Answer answer =
        platform_.prompt.Ask("Are you sure you want to quit the tournament?", "Stop Tournament?",
                             Prompt::Buttons::YesNo, Prompt::Icon::Exclamation, Prompt::Answer::No);
    if (answer == Prompt::Answer::Yes) play_.StopTournamentPlay();
    WakeFrames();
}

void TForm1::FormMouseDown(Qt::MouseButton button, int x, int y) {
    switch (button) {
        case Qt::LeftButton:
            play_.MouseDown(MouseButton::Left, x, y);
            break;
        case Qt::RightButton:
            play_.MouseDown(MouseButton::Right, x, y);
            break;
        default:
            play_.MouseDown(MouseButton::Middle, x, y);
            break;
    }
}

void TForm1::FormMouseMove(int x, int y) {
    play_.MouseMove(x, y);
}

void TForm1::FormMouseUp(Qt::MouseButton, int x, int y) {
    play_.MouseUp(x, y);
    WakeFrames();
}

void TForm1::AppIdle() {
    play_.AppIdle(platform_.clock.Ticks());
}

// While the ball waits for a stroke the frame timer rests, so that aiming costs nothing; the
// mouse and the Stop command wake it. A wake-up runs one frame however many have passed, so
// the pause changes no result.
void TForm1::ScheduleFrame() {
    if (play_.WaitsForInput()) return;
    frameTimer_.start(PlayLoop::MillisecondsToNextFrame(platform_.clock.Ticks()));
}

void TForm1::WakeFrames() {
    if (!frameTimer_.isActive()) ScheduleFrame();
}

void TForm1::SetPanelText(int panel, const std::string& text) {
    statusBar1_->SetPanelText(panel, QString::fromStdString(text));
}

void TForm1::ShowFlag(int player) {
    flagPlayer_ = player;
    statusBar1_->update();
}

void TForm1::RepaintScoreboard() {
    // A scoreboard never opened has nothing to show yet; it paints afresh when it opens.
    if (form5_) form5_->update();
}

void TForm1::SetTournamentMenus(bool running) {
    Start->setEnabled(!running);
    Stop->setEnabled(running);
    Players->setEnabled(!running);
    Courses->setEnabled(!running);
}

void TForm1::PlaySound(const std::string& name, bool noStop) {
    if (Sound->isChecked()) platform_.sounds.Play(name, noStop);
}

void TForm1::UpdateRecords(int player, int hole) {
    ::UpdateRecords(game_.fame, game_.tournament.players[player], hole, platform_.store,
                    platform_.prompt);
}

void TForm1::ShowFrame(const FrameDrawing& drawing) {
    attractOnGrass_ = false;
    switch (drawing.ground) {
        case FrameDrawing::Ground::Keep:
            break;
        case FrameDrawing::Ground::Grass:
            DrawBackground(pictures_.backBuffer, pictures_.grassTile);
            break;
        case FrameDrawing::Ground::Hole:
            PaintHoleScene(pictures_, *drawing.solid, *drawing.scene, drawing.wallColour);
            break;
    }
    if (drawing.saveUnderBall)
        SaveUnderBall(pictures_.backBuffer, drawing.saveX, drawing.saveY, pictures_.ball);
    if (drawing.moveBall) DrawBall(pictures_.backBuffer, drawing.ball, pictures_.ball);
    if (drawing.cupRim) DrawCupFrontRim(pictures_.backBuffer, drawing.cupX, drawing.cupY);
    switch (drawing.show) {
        case FrameDrawing::Show::Whole:
            PresentFrame();
            return;
        case FrameDrawing::Show::BallBoxes: {
            const BallMove& ball = drawing.ball;
            for (const PixelBox& box :
                 {SpriteBox(static_cast<float>(ball.fromX), static_cast<float>(ball.fromY),
                            drawing.shownRows),
                  SpriteBox(ball.toX, ball.toY, drawing.shownRows)})
                PresentRect(box.x, box.y, box.width, box.height);
            return;
        }
    }
}

void TForm1::InvertAimLine(const AimLine& line) {
    const QRect touched = InvertPenLine(surface_, line.x0, line.y0, line.x1, line.y1, line.width);
    client_->update(touched & QRect(0, 0, kClientWidth, kSceneHeight));
}

// The first frame after anything else paints the balls over the back buffer, shows the whole
// picture and lays grass over all of it. From then on the back buffer holds plain grass, and
// each frame works on the window's picture alone: it lays grass over the last frame's balls
// and shadows, paints the new ones, and the window repaints the bounding box of what changed.
// The small grass tile stays in the cache, where copying from the whole back buffer would not.
void TForm1::ShowAttract(const AttractPicture& picture) {
    std::vector<QRect> drawn = AttractBoxes(picture);
    if (attractOnGrass_) {
        QRect changed;
        for (const QRect& box : lastAttract_) {
            LayGrass(surface_, pictures_.grassTile, box);
            changed |= box;
        }
        PaintAttract(surface_, pictures_.ball, picture);
        for (const QRect& box : drawn) changed |= box;
        client_->update(changed & QRect(0, 0, kClientWidth, kSceneHeight));
    } else {
        PaintAttract(pictures_.backBuffer, pictures_.ball, picture);
        PresentFrame();
        DrawBackground(pictures_.backBuffer, pictures_.grassTile);
        attractOnGrass_ = true;
    }
    lastAttract_ = std::move(drawn);
}

namespace {
// The course pixel under the mouse. On a scaled screen one course pixel covers a block of
// screen pixels and the mouse reports fractions of window units; rounding would reach the
// next course pixel from the right or lower half of a block, so the fraction is dropped.
QPoint CoursePixel(const QMouseEvent& mouse) {
    const QPointF at = mouse.position();
    return {static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y()))};
}
}  // namespace

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched != client_) return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::Paint: {
            QPainter painter(client_);
            FormPaint(painter);
            return true;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint at = CoursePixel(*mouse);
            FormMouseDown(mouse->button(), at.x(), at.y());
            return true;
        }
        case QEvent::MouseMove: {
            const QPoint at = CoursePixel(*static_cast<QMouseEvent*>(event));
            FormMouseMove(at.x(), at.y());
            return true;
        }
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint at = CoursePixel(*mouse);
            FormMouseUp(mouse->button(), at.x(), at.y());
            return true;
        }
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) FormActivate();
    return QMainWindow::event(event);
}
