#include "guitar/guitar.h"

#include <algorithm>
#include <bit>
#include <filesystem>
#include <system_error>

#include "music/chord_type.h"

CGuitar& CGuitar::Instance() {
    static CGuitar guitar;
    return guitar;
}

CGuitar::CGuitar() {
    tones.fill(kNoteMuted);
    for (CVoicingSlot& slot : slots) {
        slot.frets.fill(0);
        slot.scores.fill(-1);
        slot.notes = {kNoteE, kNoteA, kNoteD, kNoteG, kNoteB, kNoteE};
    }
}

CGuitar::~CGuitar() {
    if (staticChords == 1) {
        SaveChordCache();
    }
}

bool CGuitar::ChordFilesPresent() {
    return ChordDatabaseFiles::InAppDirectory().AnyPresent();
}

bool CGuitar::LoadStaticChords(std::uint32_t& storedCrc, ProgressReporter& progress,
                               Prompter& prompter) {
    loadError.clear();
    chordFiles_ = ChordDatabaseFiles::InAppDirectory();
    staticChords = 0;
    if (!chordFiles_.AnyPresent()) {
        loadError = kMissingChordFilesText;
        chordList.RemoveAll();
        chordList.loaded = 1;
        return false;
    }
    const ChordDatabaseLoad load =
        LoadChordDatabase(chordFiles_, storedCrc, chordList, progress, prompter);
    staticChords = load.ok ? 1 : 0;
    loadError = load.error;
    if (load.ok) {
        const std::string missing =
            MissingChordsMessage(chordList, load.parsed ? chordFiles_.source : chordFiles_.cache);
        if (!missing.empty()) {
            prompter.Show(PromptKind::Information, kChordDatabaseTitle, missing);
        }
    }
    if (load.parsed) {
        // The old cache no longer matches the stored CRC. Should writing the new one fail
        // at exit, the next start must not take the old one for the current database.
        std::error_code ignored;
        std::filesystem::remove(chordFiles_.cache, ignored);
    }
    return load.ok;
}

FileResult CGuitar::SaveChordCache() {
    if (staticChords != 1) {
        return FileResult{false, "No chord database was loaded, so none was saved."};
    }
    return ::SaveChordCache(chordFiles_.cache, chordList);
}

bool CGuitar::GenerateVoicings(CTuning forTuning, NoteValue chordRoot, int type, int span) {
    for (CVoicingSlot& slot : slots) {
        slot.scores[0] = -1;
    }
    found = 0;
    tones.fill(kNoteMuted);
    tuning = forTuning;
    root = chordRoot;
    chordType = type;
    maxSpan = span;

    const std::vector<NoteValue> chordTones = ChordTones(chordRoot, type);
    requiredPitchClasses_ = 0;
    for (size_t i = 0; i < chordTones.size() && i < tones.size(); ++i) {
        tones[i] = chordTones[i];
        if (PitchClass(chordTones[i]) >= 0) {
            requiredPitchClasses_ |= 1u << PitchClass(chordTones[i]);
        }
    }
    firstTone_ = chordTones.empty() ? kNoteNone : chordTones.front();
    if (requiredPitchClasses_ == 0) {
        return true;
    }

    // Pitch order: the lowest-pitched string first, whichever hand the tuning is for.
    mirrored_ = !forTuning.IsRightHanded();
    for (int s = 0; s < kStringCount; ++s) {
        const int stored = mirrored_ ? kStringCount - s : s + 1;
        NoteValue note = forTuning.StringNote(stored).note;
        int count = 0;
        for (int fret = 0; fret <= kHighestSearchedFret; ++fret) {
            if (PitchClass(note) >= 0 && (requiredPitchClasses_ >> PitchClass(note) & 1u)) {
                candidateFrets_[s][count] = fret;
                candidateNotes_[s][count] = note;
                ++count;
            }
            note = StepUp(note, true);
        }
        candidateCount_[s] = count;
        if (count == 0) {
            return true;  // a string that cannot sound a chord tone: nothing qualifies
        }
    }

    for (int s = 0; s < kStringCount; ++s) {
        curFrets_[s] = candidateFrets_[s][0];
        curNotes_[s] = candidateNotes_[s][0];
    }
    SearchUpper(kStringCount - 1, Fingering{});
    return true;
}

// The search visits combinations in the order of an odometer over the six strings with
// string 0 (the lowest-pitched) turning fastest: for every combination of strings 2..5,
// every position of string 1 with every position of string 0 and then string 0 muted, and
// after those strings 0 and 1 muted. It descends from string 5, adding one string at a
// time to a running summary, and skips a whole subtree when the strings chosen so far
// already span too many frets or leave more tones missing than strings remain; every
// skipped combination would be rejected, so what is found, and in which order, is what
// the full odometer finds.

CGuitar::Fingering CGuitar::WithString(const Fingering& above, int s, int position) const {
    Fingering f = above;
    const int fret = candidateFrets_[s][position];
    const NoteValue note = candidateNotes_[s][position];
    f.present |= 1u << PitchClass(note);
    f.lowSounding = std::min(f.lowSounding, fret);
    f.highSounding = std::max(f.highSounding, fret);
    if (fret == 0) {
        ++f.open;
    } else {
        f.lowFretted = std::min(f.lowFretted, fret);
        f.highFretted = std::max(f.highFretted, fret);
        f.fretSum += fret;
        ++f.fretted;
    }
    if (s + 1 < kStringCount && note == curNotes_[s + 1]) {
        ++f.doubled;
    }
    return f;
}

bool CGuitar::CanComplete(const Fingering& f, int stringsLeft) const {
    if (f.fretted > 0 && f.highFretted - f.lowFretted >= maxSpan) {
        return false;
    }
    const unsigned missing = requiredPitchClasses_ & ~f.present;
    return std::popcount(missing) <= stringsLeft;
}

void CGuitar::SearchUpper(int s, const Fingering& above) {
    for (int p = 0; p < candidateCount_[s]; ++p) {
        curFrets_[s] = candidateFrets_[s][p];
        curNotes_[s] = candidateNotes_[s][p];
        const Fingering f = WithString(above, s, p);
        if (!CanComplete(f, s)) {
            continue;
        }
        if (s > 2) {
            SearchUpper(s - 1, f);
        } else {
            SearchLowest(f);
        }
    }
    curFrets_[s] = candidateFrets_[s][0];
    curNotes_[s] = candidateNotes_[s][0];
}

void CGuitar::SearchLowest(const Fingering& above) {
    for (int p1 = 0; p1 < candidateCount_[1]; ++p1) {
        curFrets_[1] = candidateFrets_[1][p1];
        curNotes_[1] = candidateNotes_[1][p1];
        const Fingering with1 = WithString(above, 1, p1);
        if (!CanComplete(with1, 1)) {
            continue;
        }
        for (int p0 = 0; p0 < candidateCount_[0]; ++p0) {
            curFrets_[0] = candidateFrets_[0][p0];
            curNotes_[0] = candidateNotes_[0][p0];
            Evaluate(WithString(with1, 0, p0), 0);
        }
        curFrets_[0] = -1;
        curNotes_[0] = kNoteMuted;
        Evaluate(with1, 1);
    }
    curFrets_[0] = curFrets_[1] = -1;
    curNotes_[0] = curNotes_[1] = kNoteMuted;
    Evaluate(above, 2);
}

void CGuitar::Evaluate(const Fingering& f, int bass) {
    const int span = f.fretted == 0 ? 0 : f.highFretted - f.lowFretted;
    if (span >= maxSpan || (f.present & requiredPitchClasses_) != requiredPitchClasses_) {
        return;
    }
    curScore_[1] = (maxSpan - span) * 12;
    curScore_[2] = (15 - (f.highSounding - f.lowSounding)) * 3;
    curScore_[3] = 10 * f.open;
    curScore_[4] = SameNote(curNotes_[bass], firstTone_) ? 50 : 0;
    curScore_[5] = f.fretted == 0 ? 30
                                  : 2 * static_cast<int>(15.0 - static_cast<double>(f.fretSum) /
                                                                    f.fretted);
    curScore_[6] = 45 - 9 * f.doubled;
    curScore_[0] = curScore_[1] + curScore_[2] + curScore_[3] + curScore_[4] + curScore_[5] +
                   curScore_[6];
    Insert();
}

void CGuitar::Insert() {
    const int total = curScore_[0];
    // Most candidates lose to a full table: reject them without the scan.
    if (slotCount == kVoicingSlots && slots[kVoicingSlots - 1].scores[0] >= total) {
        return;
    }
    int p = 0;
    while (p < slotCount && slots[p].scores[0] >= total) {
        ++p;
    }
    if (p == kVoicingSlots) {
        return;
    }
    for (int k = kVoicingSlots - 1; k > p; --k) {
        slots[k] = slots[k - 1];
    }
    CVoicingSlot& slot = slots[p];
    for (int s = 0; s < kStringCount; ++s) {
        const int stored = mirrored_ ? kStringCount - 1 - s : s;
        slot.frets[stored] = curFrets_[s];
        slot.notes[stored] = curNotes_[s];
    }
    slot.scores = curScore_;
    slotCount = std::min(slotCount + 1, kVoicingSlots);
    found = std::min(found + 1, kVoicingSlots);
}

bool CGuitar::BuildVariation(int v, CChord& chord) const {
    chord.SetChordTuning(tuning);
    const bool known = v >= 1 && v <= found;
    for (int s = 1; s <= kStringCount; ++s) {
        const int fret = known ? slots[v - 1].frets[s - 1] : -1;
        const CNote note = tuning.NoteAt(s, fret);
        chord.SetStringNote(s, note.note, note.octave);
    }
    chord.root = root;
    chord.chordType = chordType;
    chord.variation = v;
    chord.dynamic = 1;
    return known;
}
