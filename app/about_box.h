#pragma once

#include <QDialog>

#include "play/platform.h"

class QLabel;
class QPushButton;

/// The about box: the credits picture, the makers' web address, which opens their home
/// page after a question, and an OK button. Shown modally over the main window.
class TForm2 : public QDialog {
    Q_OBJECT

public:
    TForm2(Prompt& prompt, UrlOpener& urls, QWidget* parent = nullptr);

    void Button1Click();
    /// Asks whether to connect; on OK the home page's "index.htm" opens in the browser.
    void Label1Click();

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Button1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();

    Prompt& prompt_;
    UrlOpener& urls_;
};
