#pragma once

#include <QButtonGroup>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "play/game.h"
#include "play/platform.h"

/// The players dialog: eight named player slots and the start order. Writes the tournament's
/// players and `PlayerOrder` only on OK; otherwise its controls go back to the stored values.
class TForm3 : public QDialog {
    Q_OBJECT

public:
    /// Refusals go to `prompt`; OK writes the players into `game`'s tournament.
    TForm3(Game& game, Prompt& prompt, QWidget* parent = nullptr);

    /// False while the dialog is open; set by OK just before it closes.
    bool PlayersAccepted = false;

    // Controls, indexed 1..8 like the player slots; entry 0 is unused.
    std::array<QLabel*, kPlayerSlots + 1> Image{};
    std::array<QLabel*, kPlayerSlots + 1> Label{};
    std::array<QLineEdit*, kPlayerSlots + 1> Name{};
    QGroupBox* RadioGroup1 = nullptr;
    QButtonGroup* RadioGroup1Items = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;

    /// Runs for every close: OK, Cancel, the close box and Escape.
    void done(int result) override;

private:
    void NameChange(int slot);
    void Button1Click();
    void Button3Click();
    void FormClose();

    Game& game_;
    Prompt& prompt_;
};
