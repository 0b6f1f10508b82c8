#pragma once

#include <string>
#include <vector>

#include "play/platform.h"

/// A message box that records what it was asked and answers with a preset button.
class RecordingPrompt : public Prompt {
public:
    struct Question {
        std::string text, caption;
        Buttons buttons;
        Icon icon;
        Answer defaultAnswer;
    };

    Answer Ask(const std::string& text, const std::string& caption, Buttons buttons, Icon icon,
               Answer defaultAnswer) override {
        asked.push_back({text, caption, buttons, icon, defaultAnswer});
        return answer;
    }

    Answer answer = Answer::Ok;
    std::vector<Question> asked;
};
