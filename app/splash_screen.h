#pragma once

#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class QLabel;

/// The splash screen: a still picture while the game starts up, then a small ball rolling
/// along the green and the title; after 130 ticks of 50 ms, or at once when clicked, it goes
/// away and hands over to the main window, which waits disabled until then.
class TForm7 : public QWidget {
    Q_OBJECT

public:
    TForm7();

    /// The main window to enable and the attract pause to clear when the splash goes. Made
    /// after the splash; if the splash has already gone, both happen at once.
    void HandOverTo(QWidget& mainForm, bool& attractPaused);

    void Timer1Timer();
    void FormClick();
    void Image1Click();

    /// The window's own surface: the scene with the ball as drawn on it now.
    const QImage& Surface() const { return surface_; }
    int SplashTick() const { return splashTick_; }

    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QTimer Timer1;

protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormClose();
    void GoAway();
    void EnableMainForm();
    void SaveUnderBall();
    void DrawBall();
    void RestoreUnderBall();
    void ShowSurface();

    QImage surface_;
    QImage splashBall_;
    QImage splashBallMask_;
    QImage splashUnder_;
    QRect splashBallRect_;
    int splashTick_ = 0;
    int splashBallX_ = 0;

    QPointer<QWidget> mainForm_;
    bool* attractPaused_ = nullptr;
    bool gone_ = false;
};
