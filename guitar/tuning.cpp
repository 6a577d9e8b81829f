#include "guitar/tuning.h"

#include <utility>

#include "guitar/tuning_table.h"
#include "util/choice_list.h"
#include "util/text_helpers.h"

namespace {

bool IsString(int s) { return s >= 1 && s <= kStringCount; }

size_t Index(int s) { return static_cast<size_t>(s - 1); }

}  // namespace

CTuning::CTuning() : strings(kTuningTable[0].strings) { channels.fill(-1); }

CTuning::CTuning(int predefined) : CTuning() { BuildPredefined(predefined); }

CTuning::CTuning(const CTuning& other)
    : strings(other.strings),
      rightHanded(other.rightHanded),
      pickPattern(other.pickPattern),
      patternPos(0),
      loopPattern(other.loopPattern),
      strum(other.strum),
      tuningType(other.tuningType) {
    channels.fill(-1);
}

CTuning& CTuning::operator=(const CTuning& other) {
    if (this != &other) {
        strings = other.strings;
        channels = other.channels;
        rightHanded = other.rightHanded;
        pickPattern = other.pickPattern;
        patternPos = other.patternPos;
        loopPattern = other.loopPattern;
        tuningType = other.tuningType;
    }
    return *this;
}

bool CTuning::BuildPredefined(int n) {
    if (n < 0 || n >= kPredefinedTuningCount) {
        tuningType = kCustomTuning;
        return false;
    }
    strings = kTuningTable[static_cast<size_t>(n)].strings;
    if (!IsRightHanded()) {
        ReverseStrings();
    }
    tuningType = n;
    return true;
}

std::string CTuning::TuningCode(int n) {
    return n >= 0 && n < kPredefinedTuningCount ? kTuningTable[static_cast<size_t>(n)].code
                                                : "CUSTOM";
}

std::string CTuning::TuningName(int n) {
    return n >= 0 && n < kPredefinedTuningCount ? kTuningTable[static_cast<size_t>(n)].name
                                                : "Custom Tuning";
}

std::array<CNote, kStringCount> CTuning::PredefinedStrings(int n) {
    return kTuningTable[n >= 0 && n < kPredefinedTuningCount ? static_cast<size_t>(n) : 0].strings;
}

void CTuning::FillTuningList(ChoiceList& list, bool selectCurrent, int currentType) {
    list.Clear();
    for (int n = 0; n < kPredefinedTuningCount; ++n) {
        const int row = list.Add(TuningCode(n), n);
        if (selectCurrent && n == currentType) {
            list.Select(row);
        }
    }
}

std::string CTuning::ToText() const {
    std::string text;
    for (const CNote& note : strings) {
        if (!text.empty()) {
            text += ',';
        }
        text += note.Format(true);
    }
    return text;
}

bool CTuning::FromText(std::string_view text) {
    tuningType = kCustomTuning;
    const std::vector<std::string> parts = SplitList(text, ',', '"', true);
    if (parts.size() != kStringCount) {
        return false;
    }
    for (size_t i = 0; i < kStringCount; ++i) {
        strings[i] = CNote::Parse(parts[i]);
    }
    return true;
}

void CTuning::ReverseStrings() {
    std::swap(strings[0], strings[5]);
    std::swap(strings[1], strings[4]);
    std::swap(strings[2], strings[3]);
}

void CTuning::SetLeftHanded() {
    if (IsRightHanded()) {
        ReverseStrings();
        rightHanded = 0;
    }
}

void CTuning::SetRightHanded() {
    if (!IsRightHanded()) {
        ReverseStrings();
        rightHanded = 1;
    }
}

int CTuning::MirrorString(int s) { return IsString(s) ? kStringCount + 1 - s : s; }

CNote CTuning::StringNote(int s) const { return IsString(s) ? strings[Index(s)] : CNote::NoNote(); }

bool CTuning::SetStringNote(int s, NoteValue note, int octave) {
    if (!IsString(s)) {
        return false;
    }
    strings[Index(s)] = CNote(note, octave);
    return true;
}

bool CTuning::IsOpenString(int s, const CNote& note) const { return StringNote(s) == note; }

CNote CTuning::NoteAt(int s, int fret) const {
    if (s == -1) {
        return CNote::NoNote();
    }
    if (fret == -1) {
        return CNote::Muted();
    }
    CNote note = StringNote(s);
    for (int i = 0; i < fret && IsSpelledNote(note.note); ++i) {
        note.HalfStep(true);
    }
    return note;
}

int CTuning::FretOf(int s, const CNote& note) const {
    if (note.IsMuted() || !IsString(s)) {
        return 0;
    }
    CNote position = StringNote(s);
    for (int fret = 0; fret <= kFretCount; ++fret) {
        if (position == note) {
            return fret;
        }
        position.HalfStep(true);
    }
    return -1;
}

CNote CTuning::LowestOnString(int s, NoteValue note) const {
    CNote position = StringNote(s);
    if (!IsSpelledNote(note) || !IsSpelledNote(position.note)) {
        return CNote::NoNote();
    }
    const bool sharps = IsSharp(note);
    for (int fret = 0; fret < 12; ++fret) {
        if (SameNote(position.note, note)) {
            // Named as asked, also when it is the open string spelled the other way.
            return CNote(note, position.octave);
        }
        position.HalfStep(sharps);
    }
    return CNote::NoNote();
}

bool CTuning::IsValidPattern(std::string_view text) {
    for (const char c : text) {
        if (!((c >= '1' && c <= '6') || c == 'R' || c == 'r')) {
            return false;
        }
    }
    return true;
}

bool CTuning::SetPickPattern(std::string_view text) {
    if (!IsValidPattern(text)) {
        return false;
    }
    pickPattern = std::string(text);
    return true;
}

int CTuning::NextPatternStep() {
    if (strum == 1) {
        if (patternPos == 1 && loopPattern == 0) {
            return kStepEnd;
        }
        patternPos = 1;
        return kStepStrum;
    }
    if (patternPos < 0 || static_cast<size_t>(patternPos) >= pickPattern.size()) {
        if (loopPattern == 0) {
            return kStepEnd;
        }
        patternPos = 0;
    }
    if (pickPattern.empty()) {
        // A looping empty pattern reads past its end: the program strums there.
        return kStepStrum;
    }
    const char c = pickPattern[static_cast<size_t>(patternPos)];
    ++patternPos;
    if (c == 'R' || c == 'r') {
        return kStepRest;
    }
    if (c >= '1' && c <= '6') {
        return c - '0';
    }
    return kStepStrum;
}
