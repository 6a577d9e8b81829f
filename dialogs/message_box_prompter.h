#pragma once

// The core's message boxes (Prompter) as Qt message boxes over a parent widget.

#include "util/prompter.h"

class QWidget;

class CMessageBoxPrompter : public Prompter {
public:
    explicit CMessageBoxPrompter(QWidget* parent) : parent(parent) {}

    PromptAnswer Show(PromptKind kind, const std::string& title, const std::string& text) override;

private:
    QWidget* parent;
};
