#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "play/game.h"

/// The scoreboard: every player's strokes per course hole, his total and his result against
/// par, best first. It keeps nothing of its own: each paint reads the game afresh, so a
/// repaint request is all it needs to follow play. Not modal; closing (OK, Esc, the close
/// box) only hides it.
class TForm5 : public QDialog {
    Q_OBJECT

public:
    explicit TForm5(const Game& game, QWidget* parent = nullptr);

    /// Draws the whole table into the top 170 pixels of the client area.
    void FormPaint(QPainter& painter) const;

    QLabel* Image1 = nullptr;
    QPushButton* Button1 = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void FormCreate();
    void Button1Click();

    const Game& game_;
};
