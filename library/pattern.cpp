#include "library/pattern.h"

#include "library/stored_ranges.h"
#include "util/object_archive.h"

void CopyChordWhole(CChord& to, const CChord& from) {
    to.strings = from.strings;
    to.channels.fill(-1);
    to.rightHanded = from.rightHanded;
    to.pickPattern = from.pickPattern;
    to.patternPos = 0;
    to.loopPattern = from.loopPattern;
    to.strum = from.strum;
    to.tuningType = from.tuningType;
    to.chordTuning = from.chordTuning;
    to.chordTuning.strum = from.chordTuning.strum;
    to.root = from.root;
    to.chordType = from.chordType;
    to.variation = from.variation;
    to.dynamic = from.dynamic;
}

CPattern::CPattern(const CPattern& other)
    : CObject(other),
      id(other.id),
      name(other.name),
      reservedText(other.reservedText),
      NumTimesToPlay(other.NumTimesToPlay),
      letRing(other.letRing) {
    CopyChordWhole(chord, other.chord);
}

CPattern& CPattern::operator=(const CPattern& other) {
    if (this != &other) {
        id = other.id;
        name = other.name;
        reservedText = other.reservedText;
        CopyChordWhole(chord, other.chord);
        NumTimesToPlay = other.NumTimesToPlay;
        letRing = other.letRing;
    }
    return *this;
}

void CPattern::Serialize(CArchive& ar) {
    chord.Serialize(ar);
    ar.Io(id).Io(name).Io(reservedText);
    IoStored(ar, NumTimesToPlay, kStoredTimesToPlay);
    IoStored(ar, letRing, kStoredFlags);
}

std::string CPattern::PatternText() const {
    return IsStrummed() ? std::string(kStrumDisplayText) : chord.pickPattern;
}
