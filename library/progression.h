#pragma once

// CProgression: a named, ordered list of patterns for one tuning, played at one tempo.
// Its player steps it one time slot at a time:
//
//   progression.ResetPlayback();                  // or SeekPattern(id) to start later
//   // on every timer tick (60000 / BPM ms, rounded):
//   if (!progression.PlayStep(player)) stopTimer();
//
// Each pattern plays NumTimesToPlay passes in a row, in list order, once through. A slot
// sounds one unmuted string, one strum or one rest; muted strings are skipped within the
// slot; PlayStep answers false on the first slot after the last sound.
//
// Stored form: the pattern list in place, then id, name, description, tuningKey, created,
// modified (times, seconds since 1970) and BPM. The playback position is not stored.

#include <cstdint>
#include <string>
#include <string_view>

#include "library/pattern_list.h"
#include "util/archive_object.h"

class ChoiceList;
class ChordPlayer;

inline constexpr int kDefaultBpm = 120;
// What the pattern chooser shows for a progression without patterns.
inline constexpr const char* kNoPatternsText = "-=no patterns=-";

class CProgression : public CObject {
public:
    static constexpr std::string_view kClassName = "CProgression";

    // Given by the progression list.
    int id = 0;
    CPatternList patterns;
    // Unique within the tuning key (exact comparison).
    std::string name;
    std::string description;
    // The tuning type number: 0..26 predefined, 27 for every custom tuning.
    int tuningKey = 0;
    // Seconds since 1970-01-01 00:00 UTC; both the time of construction.
    std::int64_t created = 0;
    std::int64_t modified = 0;
    int BPM = kDefaultBpm;

    CProgression();
    // A deep copy of every stored field; the copy's playback starts rewound.
    CProgression(const CProgression& other);
    CProgression& operator=(const CProgression& other);
    ~CProgression() override = default;

    std::string_view ClassName() const override { return kClassName; }
    void Serialize(CArchive& ar) override;

    // Rewinds every pattern's chord, makes the first pattern current with pass 1, and
    // returns it (nullptr without patterns).
    CPattern* ResetPlayback();
    // Plays one time slot through the player; false when the progression has run out.
    bool PlayStep(ChordPlayer& player);
    // ResetPlayback, then moves forward to the pattern with that id; false, with no
    // current pattern, when none has it.
    bool SeekPattern(int patternId);
    // The pattern being played, nullptr when none (or once it was removed).
    CPattern* CurrentPattern();
    // Passes of the current pattern begun so far, from 1.
    int PassCount() const { return passCount_; }

    // One row per pattern, "name -> pick pattern -> times", item value the pattern id; a
    // single disabled "-=no patterns=-" row (item -1) without patterns; first row selected.
    void FillPatternChooser(ChoiceList& list) const;

private:
    // Moves to the next pattern of the list (by its cursor), rewound, with pass 1; false
    // when there is none.
    bool AdvancePattern();
    void SetCurrent(const CPattern* pattern);

    // The current pattern by id, so that removing it from the list cannot leave a
    // dangling position; meaningful while hasCurrent_.
    bool hasCurrent_ = false;
    int currentId_ = 0;
    int passCount_ = 1;
    // Whether the current pass of the current pattern has sounded or rested in a slot.
    bool passUsedSlot_ = false;
};

// The current calendar time in seconds since 1970.
std::int64_t CurrentTime();
