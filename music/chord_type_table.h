#pragma once

// The rows of the chord-type catalogue, read by chord_type.cpp. A new type is one new row in
// chord_type_table.cpp (and kChordTypeCount one higher).

#include <array>
#include <cstddef>
#include <initializer_list>

#include "music/chord_type.h"

// Semitone offsets from the root in the order the tones are produced. A positive offset k is
// reached by k steps up (sharp spellings), a negative one by |k| steps down (flat spellings).
struct ChordFormula {
    std::array<int, kMaxChordTones> offsets{};
    int count = 0;

    constexpr ChordFormula(std::initializer_list<int> tones) {
        for (int offset : tones) {
            offsets[static_cast<std::size_t>(count++)] = offset;
        }
    }
};

struct ChordTypeRow {
    const char* typeName;
    const char* fullName;
    const char* symbol;
    const char* aliases;
    ChordFormula formula;
};

// Indexed by chord type number.
extern const std::array<ChordTypeRow, kChordTypeCount> kChordTypeRows;
