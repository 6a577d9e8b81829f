#pragma once

#include <string>
#include <vector>

#include "util/prompter.h"

// A message box that records what it was asked and gives a preset answer.
class RecordingPrompter : public Prompter {
public:
    struct Shown {
        PromptKind kind;
        std::string title;
        std::string text;
    };
    std::vector<Shown> shown;
    PromptAnswer answer = PromptAnswer::Ok;

    PromptAnswer Show(PromptKind kind, const std::string& title, const std::string& text) override {
        shown.push_back({kind, title, text});
        if (kind == PromptKind::YesNo && answer == PromptAnswer::Ok) {
            return PromptAnswer::Yes;
        }
        return answer;
    }
};
