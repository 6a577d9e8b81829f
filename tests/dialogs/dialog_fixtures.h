#pragma once

// What the dialog tests share: message boxes answered from a script, a note player that
// writes down what would have sounded, settings of their own, and finding a dialog's
// controls by their text.

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <deque>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "dialogs/framed_dialog.h"
#include "settings/app_settings.h"
#include "settings/memory_settings_store.h"
#include "sound/note_player.h"
#include "util/prompter.h"

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* os) {
    *os << '"' << texts.join("\", \"").toStdString() << '"';
}

// Answers questions from a script (Yes once the script runs out) and records every box.
class ScriptedPrompter : public Prompter {
public:
    std::vector<std::string> texts;
    std::deque<PromptAnswer> answers;

    PromptAnswer Show(PromptKind kind, const std::string&, const std::string& text) override {
        texts.push_back(text);
        if (kind != PromptKind::YesNo) {
            return PromptAnswer::Ok;
        }
        if (answers.empty()) {
            return PromptAnswer::Yes;
        }
        const PromptAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::string Last() const { return texts.empty() ? std::string() : texts.back(); }
    bool Saw(const std::string& part) const {
        for (const std::string& text : texts) {
            if (text.find(part) != std::string::npos) {
                return true;
            }
        }
        return false;
    }
};

// Writes down "s1".."s6", "strum" and "stop".
class RecordingNotePlayer : public NotePlayer {
public:
    std::vector<std::string> events;

    bool SoundNote(const CNote&, int) override { return true; }
    bool SoundString(CTuning&, int s) override {
        if (s >= 1 && s <= 6) {
            events.push_back("s" + std::to_string(s));
        }
        return true;
    }
    bool StrumStrings(const CTuning&) override {
        events.push_back("strum");
        return true;
    }
    bool IsStringSounding(const CTuning&, int) const override { return false; }
    void StopSound(int) override { events.push_back("stop"); }
    // The events that sounded, without the stops.
    std::vector<std::string> Sounded() const {
        std::vector<std::string> sounded;
        for (const std::string& e : events) {
            if (e != "stop") {
                sounded.push_back(e);
            }
        }
        return sounded;
    }
};

// Settings of a test's own, first-start values, with a sound pack named.
inline std::unique_ptr<CAppSettings> TestSettings() {
    MemorySettingsStore store;
    auto settings = std::make_unique<CAppSettings>(store);
    settings->soundPack = "/test/default.spk";
    return settings;
}

// The first child widget of that kind whose text is the given one.
template <class T>
T* FindByText(const QWidget& parent, const QString& text) {
    for (T* child : parent.findChildren<T*>()) {
        if (child->text() == text) {
            return child;
        }
    }
    return nullptr;
}

inline void Click(QAbstractButton* button) {
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isEnabled()) << button->text().toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
}

inline void ClickOk(CFramedDialog& dialog) {
    QTest::mouseClick(dialog.Buttons()->button(QDialogButtonBox::Ok), Qt::LeftButton);
}
inline void ClickCancel(CFramedDialog& dialog) {
    QTest::mouseClick(dialog.Buttons()->button(QDialogButtonBox::Cancel), Qt::LeftButton);
}

// Plays the player's part in the dialogs a command opens, one step per dialog in the order
// they open. A dialog its step leaves open is cancelled; a dialog without a step too.
class ModalScript {
public:
    using Step = std::function<void(CFramedDialog&)>;
    std::deque<Step> steps;
    std::vector<QString> opened;

    ModalScript() {
        SetModalRunner([this](CFramedDialog& dialog) {
            opened.push_back(dialog.windowTitle());
            dialog.show();
            if (!steps.empty()) {
                const Step step = steps.front();
                steps.pop_front();
                step(dialog);
            }
            if (dialog.isVisible()) {
                dialog.reject();
            }
            return dialog.result();
        });
    }
    ~ModalScript() { SetModalRunner(nullptr); }
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    void Then(Step step) { steps.push_back(std::move(step)); }
};
