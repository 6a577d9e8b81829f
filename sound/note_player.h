#pragma once

// The sounding operations every player of the program uses. The sound engine implements
// them over the loaded sound pack; tests record what would have sounded.
//
// All calls come from the user-interface thread (timer ticks and command handlers).

#include "guitar/tuning.h"
#include "library/chord_player.h"
#include "music/note.h"
#include "sound/audio/audio_library.h"

// Passed as stopVoice: stop nothing before sounding.
inline constexpr int kNoVoice = -1;

class NotePlayer : public ChordPlayer {
public:
    // Sounds one note; with stopVoice kAllVoices every sound is stopped first. True when the
    // note sounded or has no sample (a rest, a note outside the pack); false without a pack
    // or when the pack lacks the note's sample.
    virtual bool SoundNote(const CNote& note, int stopVoice) = 0;
    // Sounds string s (1..6) of a tuning or chord and records its voice in the tuning's
    // channels; s == kStepRest is silent success, any other s outside 1..6 is false.
    bool SoundString(CTuning& tuning, int s) override = 0;
    // Sounds all six strings at once; the voices are not recorded.
    bool StrumStrings(const CTuning& tuning) override = 0;
    // Whether the voice last started for string s still sounds.
    virtual bool IsStringSounding(const CTuning& tuning, int s) const = 0;
    // Silences one voice, or every voice with kAllVoices.
    virtual void StopSound(int voice) = 0;
};
