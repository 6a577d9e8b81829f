#pragma once

// A note player that writes down what would have sounded, one text per call:
// "1:E3" for string 1 sounding E3, "strum", "note:E3", "stop:-3".

#include <string>
#include <vector>

#include "sound/note_player.h"

class RecordingNotePlayer : public NotePlayer {
public:
    std::vector<std::string> events;
    bool result = true;

    bool SoundNote(const CNote& note, int stopVoice) override {
        if (stopVoice != kNoVoice) {
            events.push_back("stop:" + std::to_string(stopVoice));
        }
        events.push_back("note:" + note.Format());
        return result;
    }
    bool SoundString(CTuning& tuning, int s) override {
        if (s == kStepRest) {
            return true;
        }
        events.push_back(std::to_string(s) + ":" + tuning.StringNote(s).Format());
        tuning.channels[static_cast<std::size_t>(s - 1)] = nextVoice++;
        return result;
    }
    bool StrumStrings(const CTuning&) override {
        events.push_back("strum");
        return result;
    }
    bool IsStringSounding(const CTuning& tuning, int s) const override {
        return s >= 1 && s <= 6 && tuning.channels[static_cast<std::size_t>(s - 1)] >= 0;
    }
    void StopSound(int voice) override { events.push_back("stop:" + std::to_string(voice)); }

    // The events since the last call, and forget them.
    std::vector<std::string> Take() {
        std::vector<std::string> taken;
        taken.swap(events);
        return taken;
    }

private:
    int nextVoice = 0;
};
