#include "guitar/guitar.h"

#include <algorithm>

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

    // The odometer: string 0 turns fastest. Besides every combination of candidate
    // positions, it tries string 0 muted, and strings 0 and 1 muted, under every
    // combination of the strings above them.
    std::array<int, kStringCount> position{};
    for (int s = 0; s < kStringCount; ++s) {
        curFrets_[s] = candidateFrets_[s][0];
        curNotes_[s] = candidateNotes_[s][0];
    }
    position[0] = -1;
    int i = 0;
    while (true) {
        ++position[i];
        if (position[i] < candidateCount_[i]) {
            curFrets_[i] = candidateFrets_[i][position[i]];
            curNotes_[i] = candidateNotes_[i][position[i]];
            Evaluate();
            i = 0;
            continue;
        }
        if (i == 0) {
            curFrets_[0] = -1;
            curNotes_[0] = kNoteMuted;
            Evaluate();
        } else if (i == 1) {
            const int fret0 = curFrets_[0];
            const NoteValue note0 = curNotes_[0];
            curFrets_[0] = curFrets_[1] = -1;
            curNotes_[0] = curNotes_[1] = kNoteMuted;
            Evaluate();
            curFrets_[0] = fret0;
            curNotes_[0] = note0;
        }
        position[i] = 0;
        curFrets_[i] = candidateFrets_[i][0];
        curNotes_[i] = candidateNotes_[i][0];
        if (i == kStringCount - 1) {
            break;
        }
        ++i;
    }
    return true;
}

void CGuitar::Evaluate() {
    int lowFretted = kHighestSearchedFret + 1;
    int highFretted = 0;
    int lowSounding = kHighestSearchedFret + 1;
    int highSounding = 0;
    int fretted = 0;
    int fretSum = 0;
    int open = 0;
    unsigned present = 0;
    for (int s = 0; s < kStringCount; ++s) {
        const int fret = curFrets_[s];
        if (fret < 0) {
            continue;
        }
        present |= 1u << PitchClass(curNotes_[s]);
        lowSounding = std::min(lowSounding, fret);
        highSounding = std::max(highSounding, fret);
        if (fret == 0) {
            ++open;
        } else {
            lowFretted = std::min(lowFretted, fret);
            highFretted = std::max(highFretted, fret);
            fretSum += fret;
            ++fretted;
        }
    }
    const int span = fretted == 0 ? 0 : highFretted - lowFretted;
    if (span >= maxSpan || (present & requiredPitchClasses_) != requiredPitchClasses_) {
        return;
    }

    int bass = 0;
    while (curFrets_[bass] < 0) {
        ++bass;
    }
    int doubled = 0;
    for (int s = 0; s + 1 < kStringCount; ++s) {
        if (curFrets_[s] >= 0 && curNotes_[s] == curNotes_[s + 1]) {
            ++doubled;
        }
    }
    curScore_[1] = (maxSpan - span) * 12;
    curScore_[2] = (15 - (highSounding - lowSounding)) * 3;
    curScore_[3] = 10 * open;
    curScore_[4] = SameNote(curNotes_[bass], firstTone_) ? 50 : 0;
    curScore_[5] = fretted == 0
                       ? 30
                       : 2 * static_cast<int>(15.0 - static_cast<double>(fretSum) / fretted);
    curScore_[6] = 45 - 9 * doubled;
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
