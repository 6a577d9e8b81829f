#include "library/progression.h"

#include <cstdio>
#include <ctime>

#include "library/chord_player.h"
#include "library/stored_ranges.h"
#include "util/choice_list.h"
#include "util/object_archive.h"

std::int64_t CurrentTime() {
    return static_cast<std::int64_t>(std::time(nullptr));
}

CProgression::CProgression() : created(CurrentTime()), modified(created) {}

CProgression::CProgression(const CProgression& other)
    : CObject(other),
      id(other.id),
      patterns(other.patterns),
      name(other.name),
      description(other.description),
      tuningKey(other.tuningKey),
      created(other.created),
      modified(other.modified),
      BPM(other.BPM) {}

CProgression& CProgression::operator=(const CProgression& other) {
    if (this != &other) {
        id = other.id;
        patterns = other.patterns;
        name = other.name;
        description = other.description;
        tuningKey = other.tuningKey;
        created = other.created;
        modified = other.modified;
        BPM = other.BPM;
        hasCurrent_ = false;
        passCount_ = 1;
        passUsedSlot_ = false;
    }
    return *this;
}

void CProgression::Serialize(CArchive& ar) {
    patterns.Serialize(ar);
    ar.Io(id).Io(name).Io(description).Io(tuningKey);
    ar.IoTime(created);
    ar.IoTime(modified);
    IoStored(ar, BPM, kStoredTempos);
    if (ar.IsLoading()) {
        hasCurrent_ = false;
        passCount_ = 1;
        passUsedSlot_ = false;
    }
}

CPattern* CProgression::ResetPlayback() {
    for (auto& pattern : patterns.patterns) {
        pattern->chord.RewindPattern();
    }
    patterns.RewindCursor();
    CPattern* first = patterns.NextPattern();
    SetCurrent(first);
    passCount_ = 1;
    passUsedSlot_ = false;
    return first;
}

bool CProgression::SeekPattern(int patternId) {
    CPattern* pattern = ResetPlayback();
    while (pattern != nullptr && pattern->id != patternId) {
        pattern = patterns.NextPattern();
    }
    SetCurrent(pattern);
    return pattern != nullptr;
}

void CProgression::SetCurrent(const CPattern* pattern) {
    hasCurrent_ = pattern != nullptr;
    currentId_ = pattern != nullptr ? pattern->id : 0;
}

CPattern* CProgression::CurrentPattern() {
    if (!hasCurrent_) {
        return nullptr;
    }
    // The pattern the cursor handed out last; looked up by id only when the list changed
    // under the cursor, so that patterns sharing an id (an edited file) still play in turn.
    const std::size_t at = patterns.CursorIndex();
    if (at > 0 && at <= patterns.patterns.size() && patterns.patterns[at - 1]->id == currentId_) {
        return patterns.patterns[at - 1].get();
    }
    return patterns.FindPattern(currentId_);
}

bool CProgression::AdvancePattern() {
    CPattern* next = patterns.NextPattern();
    SetCurrent(next);
    passCount_ = 1;
    if (next != nullptr) {
        next->chord.RewindPattern();
    }
    return next != nullptr;
}

bool CProgression::PlayStep(ChordPlayer& player) {
    CPattern* pattern = CurrentPattern();
    // Muted strings skipped in this slot; a looping pattern of muted strings only would
    // never end its pass, so after one whole text of skips the slot passes in silence.
    std::size_t skipped = 0;
    while (pattern != nullptr) {
        CChord& chord = pattern->chord;
        const int step = chord.NextPatternStep();
        if (step == kStepEnd) {
            // A pass that used no slot repeats exactly, so its further passes are left out
            // at once rather than stepped through one by one.
            if (passCount_ < pattern->NumTimesToPlay && passUsedSlot_) {
                chord.RewindPattern();
                ++passCount_;
            } else {
                AdvancePattern();
            }
            passUsedSlot_ = false;
            skipped = 0;
            pattern = CurrentPattern();
            continue;
        }
        if (step >= 1 && step <= kStringCount && chord.StringNote(step).IsMuted()) {
            ++skipped;
            if (chord.loopPattern != 0 && skipped > chord.pickPattern.size()) {
                return true;
            }
            continue;
        }
        passUsedSlot_ = true;
        if (step == kStepStrum) {
            player.StrumStrings(chord);
        } else if (step != kStepRest) {
            player.SoundString(chord, step);
        }
        return true;
    }
    return false;
}

void CProgression::FillPatternChooser(ChoiceList& list) const {
    list.Clear();
    for (const auto& pattern : patterns.patterns) {
        const std::string text = pattern->name + " -> " + pattern->chord.pickPattern + " -> " +
                                 std::to_string(pattern->NumTimesToPlay);
        list.Add(text, pattern->id);
    }
    if (patterns.patterns.empty()) {
        list.Add(kNoPatternsText, -1);
        list.Enable(false);
    } else {
        list.Enable(true);
    }
    list.Select(0);
}
