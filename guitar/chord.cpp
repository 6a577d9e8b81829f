#include "guitar/chord.h"

#include <algorithm>

#include "guitar/chord_list.h"
#include "guitar/stored_ranges.h"
#include "util/object_archive.h"

CChord::CChord() { ResetChord(); }

CChord::CChord(const CTuning& tuning) : chordTuning(tuning) {
    rightHanded = tuning.rightHanded;
    ResetChord();
}

CChord::CChord(const CChord& other)
    : CTuning(),
      chordTuning(other.chordTuning),
      root(other.root),
      chordType(other.chordType),
      variation(other.variation),
      dynamic(other.dynamic) {
    strings = other.strings;
    rightHanded = other.rightHanded;
    loopPattern = other.loopPattern;
    // pickPattern "123456", strum 1, tuningType 0, patternPos 0, channels -1: the defaults.
}

void CChord::ResetChord() {
    strings = chordTuning.strings;
    pickPattern = kDefaultPickPattern;
    root = kNoteUnsupported;
    chordType = -1;
    variation = 0;
    dynamic = 0;
}

void CChord::AssignChord(const CChord& source) {
    strings = source.strings;
    if (!IsRightHanded()) {
        ReverseStrings();
    }
    chordTuning = source.chordTuning;
    root = source.root;
    chordType = source.chordType;
    rightHanded = source.rightHanded;
    variation = source.variation;
    pickPattern = source.pickPattern;
    loopPattern = source.loopPattern;
    strum = source.strum;
    patternPos = 0;
}

void CChord::SetChordTuning(const CTuning& tuning) {
    chordTuning = tuning;
    if (tuning.rightHanded != rightHanded) {
        ReverseStrings();
        rightHanded = tuning.rightHanded;
    }
}

bool CChord::IsMutedString(int s) const { return s >= 1 && s <= kStringCount && StringNote(s).IsMuted(); }

bool CChord::IsOpenOnString(int s) const {
    return s >= 1 && s <= kStringCount && StringNote(s) == chordTuning.StringNote(s);
}

int CChord::LowestFret() const {
    int lowest = kFretCount;
    for (int s = 1; s <= kStringCount; ++s) {
        if (!IsMutedString(s) && !IsOpenOnString(s)) {
            lowest = std::min(lowest, chordTuning.FretOf(s, StringNote(s)));
        }
    }
    return lowest;
}

int CChord::HighestFret() const {
    int highest = 0;
    for (int s = 1; s <= kStringCount; ++s) {
        highest = std::max(highest, chordTuning.FretOf(s, StringNote(s)));
    }
    return highest;
}

void CChord::Serialize(CArchive& ar) {
    CTuning::Serialize(ar);
    IoStored(ar, root, kStoredRoots);
    IoStored(ar, variation, kStoredVariations);
    IoStored(ar, chordType, kStoredChordTypes);
    IoStored(ar, dynamic, kStoredFlags);
}

const CChord* CChordList::FindStatic(NoteValue rootNote, int type, int variationNumber) const {
    for (const auto& chord : chords) {
        if (SameNote(chord->root, rootNote) && chord->chordType == type &&
            chord->variation == variationNumber) {
            return chord.get();
        }
    }
    return nullptr;
}

bool CChordList::LookUpStatic(NoteValue rootNote, int type, int variationNumber,
                              CChord& into) const {
    if (const CChord* found = FindStatic(rootNote, type, variationNumber)) {
        into.AssignChord(*found);
        return true;
    }
    into.ResetChord();
    for (int s = 1; s <= kStringCount; ++s) {
        into.SetStringNote(s, kNoteMuted, 0);
    }
    into.root = rootNote;
    into.chordType = type;
    into.variation = variationNumber;
    return false;
}

void CChordList::Serialize(CArchive& ar) { ar.IoObjectList(chords); }
