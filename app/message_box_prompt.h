#pragma once

#include <QWidget>

#include "play/platform.h"

/// The Prompt seam over QMessageBox: caption, text, buttons, icon and default button.
class MessageBoxPrompt : public Prompt {
public:
    explicit MessageBoxPrompt(QWidget* parent = nullptr) : parent_(parent) {}
    Answer Ask(const std::string& text, const std::string& caption, Buttons buttons, Icon icon,
               Answer defaultAnswer) override;

private:
    QWidget* parent_;
};
