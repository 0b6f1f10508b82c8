#pragma once

#include "play/platform.h"

/// The Prompt seam over QMessageBox: caption, text, buttons, icon and default button. The
/// box is centred over the window that is active when it is asked.
class MessageBoxPrompt : public Prompt {
public:
    Answer Ask(const std::string& text, const std::string& caption, Buttons buttons, Icon icon,
               Answer defaultAnswer) override;
};
