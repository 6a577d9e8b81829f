#pragma once

// What the dialog tests share: message boxes answered from a script, a note player that
// writes down what would have sounded, settings of their own, and finding a dialog's
// controls by their text.

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "settings/app_settings.h"
#include "settings/memory_settings_store.h"
#include "sound/note_player.h"
#include "util/prompter.h"

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
