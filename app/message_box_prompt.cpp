#include "app/message_box_prompt.h"

#include <QApplication>
#include <QMessageBox>

namespace {
QMessageBox::StandardButton ToButton(Prompt::Answer answer) {
    switch (answer) {
        case Prompt::Answer::Ok:
            return QMessageBox::Ok;
        case Prompt::Answer::Cancel:
            return QMessageBox::Cancel;
        case Prompt::Answer::Yes:
            return QMessageBox::Yes;
        case Prompt::Answer::No:
            return QMessageBox::No;
    }
    return QMessageBox::NoButton;
}

QMessageBox::StandardButtons ToButtons(Prompt::Buttons buttons) {
    switch (buttons) {
        case Prompt::Buttons::Ok:
            return QMessageBox::Ok;
        case Prompt::Buttons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case Prompt::Buttons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon ToIcon(Prompt::Icon icon) {
    switch (icon) {
        case Prompt::Icon::Exclamation:
            return QMessageBox::Warning;
        case Prompt::Icon::Stop:
            return QMessageBox::Critical;
        case Prompt::Icon::Question:
            return QMessageBox::Question;
        case Prompt::Icon::Information:
            return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

// Closing the box without a button counts as its cancelling answer.
Prompt::Answer EscapeAnswer(Prompt::Buttons buttons) {
    switch (buttons) {
        case Prompt::Buttons::Ok:
            return Prompt::Answer::Ok;
        case Prompt::Buttons::OkCancel:
            return Prompt::Answer::Cancel;
        case Prompt::Buttons::YesNo:
            return Prompt::Answer::No;
    }
    return Prompt::Answer::Cancel;
}
}  // namespace

Prompt::Answer MessageBoxPrompt::Ask(const std::string& text, const std::string& caption,
                                     Buttons buttons, Icon icon, Answer defaultAnswer) {
    QMessageBox box(ToIcon(icon), QString::fromStdString(caption), QString::fromStdString(text),
                    ToButtons(buttons), QApplication::activeWindow());
    box.setDefaultButton(ToButton(defaultAnswer));
    switch (box.exec()) {
        case QMessageBox::Ok:
            return Answer::Ok;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return EscapeAnswer(buttons);
    }
}
