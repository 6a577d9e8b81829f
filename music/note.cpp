#include "music/note.h"

#include <array>
#include <cctype>
#include <charconv>

namespace {

struct NoteInfo {
    const char* name;
    int pitchClass;
    NoteValue twin;
};

// Indexed by note value 0..16.
constexpr std::array<NoteInfo, 17> kNotes = {{
    {"C", 0, kNoteC},
    {"C#", 1, kNoteDFlat},
    {"Db", 1, kNoteCSharp},
    {"D", 2, kNoteD},
    {"D#", 3, kNoteEFlat},
    {"Eb", 3, kNoteDSharp},
    {"E", 4, kNoteE},
    {"F", 5, kNoteF},
    {"F#", 6, kNoteGFlat},
    {"Gb", 6, kNoteFSharp},
    {"G", 7, kNoteG},
    {"G#", 8, kNoteAFlat},
    {"Ab", 8, kNoteGSharp},
    {"A", 9, kNoteA},
    {"A#", 10, kNoteBFlat},
    {"Bb", 10, kNoteASharp},
    {"B", 11, kNoteB},
}};

// Spelling of each pitch class: {sharp, flat}.
constexpr std::array<std::array<NoteValue, 2>, 12> kByPitchClass = {{
    {kNoteC, kNoteC},
    {kNoteCSharp, kNoteDFlat},
    {kNoteD, kNoteD},
    {kNoteDSharp, kNoteEFlat},
    {kNoteE, kNoteE},
    {kNoteF, kNoteF},
    {kNoteFSharp, kNoteGFlat},
    {kNoteG, kNoteG},
    {kNoteGSharp, kNoteAFlat},
    {kNoteA, kNoteA},
    {kNoteASharp, kNoteBFlat},
    {kNoteB, kNoteB},
}};

NoteValue Spell(int pitchClass, bool sharps) {
    return kByPitchClass[static_cast<size_t>((pitchClass + 12) % 12)][sharps ? 0 : 1];
}

}  // namespace

NoteValue StepUp(NoteValue value, bool sharps) {
    if (!IsSpelledNote(value)) {
        return kNoteNone;
    }
    return Spell(PitchClass(value) + 1, sharps);
}

NoteValue StepDown(NoteValue value, bool sharps) {
    if (!IsSpelledNote(value)) {
        return kNoteNone;
    }
    return Spell(PitchClass(value) + 11, sharps);
}

NoteValue Transpose(NoteValue value, int n) {
    for (; n > 0; --n) {
        value = StepUp(value, true);
    }
    for (; n < 0; ++n) {
        value = StepDown(value, false);
    }
    return value;
}

NoteValue Enharmonic(NoteValue value) {
    return IsSpelledNote(value) ? kNotes[static_cast<size_t>(value)].twin : value;
}

bool SameNote(NoteValue a, NoteValue b) { return a == b || a == Enharmonic(b); }

bool IsSharp(NoteValue value) {
    return value == kNoteCSharp || value == kNoteDSharp || value == kNoteFSharp ||
           value == kNoteGSharp || value == kNoteASharp;
}

int PitchClass(NoteValue value) {
    return IsSpelledNote(value) ? kNotes[static_cast<size_t>(value)].pitchClass : -1;
}

std::string NoteName(NoteValue value) {
    if (IsSpelledNote(value)) {
        return kNotes[static_cast<size_t>(value)].name;
    }
    switch (value) {
        case kNoteMuted:
            return "Muted";
        case kNoteUnsupported:
            return "Unsupported";
        case kNoteRest:
            return "Rest";
        default:
            return "UNKNOWN";
    }
}

CNote CNote::Parse(std::string_view text) {
    if (text.size() == 5) {
        bool muted = true;
        constexpr std::string_view kMuted = "MUTED";
        for (size_t i = 0; i < kMuted.size(); ++i) {
            muted = muted && std::toupper(static_cast<unsigned char>(text[i])) == kMuted[i];
        }
        if (muted) {
            return Muted();
        }
    }
    if (text.size() > 3 || text.empty()) {
        return NoNote();
    }
    NoteValue value;
    switch (text[0]) {
        case 'A': value = kNoteA; break;
        case 'B': value = kNoteB; break;
        case 'C': value = kNoteC; break;
        case 'D': value = kNoteD; break;
        case 'E': value = kNoteE; break;
        case 'F': value = kNoteF; break;
        case 'G': value = kNoteG; break;
        default: return NoNote();
    }
    text.remove_prefix(1);
    if (!text.empty() && (text[0] == '#' || text[0] == 'b')) {
        // B#, Cb, E# and Fb become their natural twins; the octave is left as written.
        value = text[0] == '#' ? StepUp(value, true) : StepDown(value, false);
        text.remove_prefix(1);
    }
    int octave = 1;
    if (!text.empty()) {
        octave = 0;
        const char* first = text.data();
        const char* last = text.data() + text.size();
        if (*first == '+') {
            ++first;
        }
        std::from_chars(first, last, octave);
    }
    return CNote(value, octave);
}

std::string CNote::Format(bool withOctave) const {
    std::string text = NoteName(note);
    if (withOctave && IsSpelledNote(note)) {
        text += std::to_string(octave);
    }
    return text;
}

void CNote::HalfStep(bool sharps) {
    note = StepUp(note, sharps);
    if (note == kNoteC) {
        ++octave;
    }
}

void CNote::WholeStep(bool sharps) {
    HalfStep(sharps);
    HalfStep(sharps);
}

bool IsLowerNote(const CNote& a, const CNote& b) {
    if (a == b) {
        return false;
    }
    return a.octave < b.octave || (a.octave == b.octave && a.note < b.note);
}

bool IsHigherNote(const CNote& a, const CNote& b) {
    return a != b && !IsLowerNote(a, b);
}
