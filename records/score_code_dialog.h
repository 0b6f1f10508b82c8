#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "play/platform.h"

/// The score-code dialog: shows the code of the best 36-hole result for copying, and on OK
/// opens the score-list page where the player pastes it; when no browser can be started it
/// says where to go and stays open. Not modal; closing only hides it.
class TForm8 : public QDialog {
    Q_OBJECT

public:
    TForm8(UrlOpener& urls, Prompt& prompt, QWidget* parent = nullptr);

    /// Puts `code` into the box, selected and focused, ready to be copied.
    void SetScoreCode(const std::string& code);

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

private:
    void Button1Click();
    void Button2Click();

    UrlOpener& urls_;
    Prompt& prompt_;
};
