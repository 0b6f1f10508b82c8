#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "play/game.h"

/// The Hole of Fame window: one list at a time, chosen in the drop-down box, as a table of
/// the ten places with name, strokes per hole, total and the result against par. It only
/// reads the game's lists and course; the choice stays from one opening to the next.
class TForm6 : public QDialog {
    Q_OBJECT

public:
    explicit TForm6(const Game& game, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* CourseName = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* Image1 = nullptr;

    /// Draws the table of the chosen list (the window's own paint, and tests' pictures).
    void FormPaint(QPainter& painter);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    void ComboBox1Change();
    void Button1Click();
    void FormKeyPress(int key);

    const Game& game_;
};
