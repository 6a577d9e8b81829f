#include "guitar/tuning_choice.h"

namespace {

constexpr int kLowestOctave = 3;
constexpr int kHighestOctave = 5;

// Semitones above C, as the note lists count them.
constexpr std::array<NoteValue, 12> kFlatSpelling = {
    kNoteC,     kNoteDFlat, kNoteD,     kNoteEFlat, kNoteE,     kNoteF,
    kNoteGFlat, kNoteG,     kNoteAFlat, kNoteA,     kNoteBFlat, kNoteB,
};

}  // namespace

const std::vector<CNote>& CustomStringNotes() {
    static const std::vector<CNote> notes = [] {
        std::vector<CNote> list;
        for (int octave = kLowestOctave; octave <= kHighestOctave; ++octave) {
            for (const NoteValue note : kFlatSpelling) {
                list.emplace_back(note, octave);
            }
        }
        return list;
    }();
    return notes;
}

int CustomStringNoteRow(const CNote& note) {
    const int pitch = PitchClass(note.note);
    if (pitch < 0 || note.octave < kLowestOctave || note.octave > kHighestOctave) {
        return -1;
    }
    return (note.octave - kLowestOctave) * 12 + pitch;
}

std::array<CNote, kStringCount> LowToHighStrings(const CTuning& tuning) {
    std::array<CNote, kStringCount> strings = tuning.strings;
    if (!tuning.IsRightHanded()) {
        std::swap(strings[0], strings[5]);
        std::swap(strings[1], strings[4]);
        std::swap(strings[2], strings[3]);
    }
    return strings;
}

CTuning ApplyTuningChoice(const CTuning& tuning, const TuningChoice& choice) {
    CTuning result(tuning);
    if (choice.touched) {
        if (!choice.custom) {
            if (choice.predefined >= 0 && choice.predefined < kPredefinedTuningCount) {
                result.BuildPredefined(choice.predefined);
            }
        } else {
            std::array<CNote, kStringCount> low = LowToHighStrings(tuning);
            const std::vector<CNote>& notes = CustomStringNotes();
            for (std::size_t i = 0; i < low.size(); ++i) {
                const int row = choice.customRows[i];
                // A string left at its pitch keeps its spelling (C#3 stays C#3).
                if (row >= 0 && static_cast<std::size_t>(row) < notes.size() &&
                    row != CustomStringNoteRow(low[i])) {
                    low[i] = notes[static_cast<std::size_t>(row)];
                }
            }
            const bool rightHanded = result.IsRightHanded();
            result.strings = low;
            result.rightHanded = 1;
            if (!rightHanded) {
                result.SetLeftHanded();
            }
            result.tuningType = kCustomTuning;
        }
    }
    if (choice.rightHanded) {
        result.SetRightHanded();
    } else {
        result.SetLeftHanded();
    }
    return result;
}
