// What presenting alone costs: a window of the game's scene size that repaints one box of
// its picture every 20 ms, the way the main window presents its frames (an opaque client
// widget, a precise single-shot timer re-armed after each frame, the picture drawn into the
// update box), but with nothing drawn into the picture. bench/measure_present_floor.py runs
// it under Xvfb; what it uses is the least any 50-frames-a-second animation can use there.
//
// Usage: present_floor WIDTH HEIGHT STEP
//   WIDTH x HEIGHT  the box repainted each frame; 0 0 runs the timer alone
//   STEP            how far the box moves to the right each frame (it wraps at the edge);
//                   a step smaller than the width makes each box overlap the last one
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr int kSceneWidth = 630;
constexpr int kSceneHeight = 385;

class Scene : public QWidget {
public:
    Scene() {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(kSceneWidth, kSceneHeight);
        picture_.fill(qRgb(10, 80, 10));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(0, 0, picture_);
    }

private:
    QImage picture_{kSceneWidth, kSceneHeight, QImage::Format_RGB32};
};
}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: present_floor WIDTH HEIGHT STEP\n");
        return 2;
    }
    const int width = std::atoi(argv[1]), height = std::atoi(argv[2]), step = std::atoi(argv[3]);
    QApplication application(argc, argv);
    Scene scene;
    scene.show();
    QTimer frame;
    frame.setTimerType(Qt::PreciseTimer);
    frame.setSingleShot(true);
    int left = 0;
    QObject::connect(&frame, &QTimer::timeout, [&] {
        if (width > 0 && height > 0) {
            scene.update(left, 0, width, height);
            left = (left + step) % std::max(1, kSceneWidth - width + 1);
        }
        frame.start(20);
    });
    frame.start(20);
    return application.exec();
}
