#pragma once

// Message boxes as the core sees them. The window shows them as dialogs; the command-line
// tool prints them; tests record them.

#include <string>

enum class PromptAnswer { Ok, Yes, No, Cancel };

enum class PromptKind {
    Information,  // an OK box
    Error,        // an OK box with the error icon
    YesNo,        // a question answered Yes or No
};

class Prompter {
public:
    virtual ~Prompter() = default;

    virtual PromptAnswer Show(PromptKind kind, const std::string& title,
                              const std::string& text) = 0;
};
