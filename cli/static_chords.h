#pragma once

// The chord database as the chord command reads it.

#include <array>
#include <string>
#include <vector>

#include "guitar/tuning.h"

struct StaticVariation {
    int number = 0;
    std::array<int, kStringCount> frets{};  // stored order, -1 muted
    std::array<CNote, kStringCount> notes{};
};

// "static" when the tuning is standard and the chord database is in the application
// directory, else "dynamic".
std::string DefaultChordSource(const CTuning& tuning);

// The stored variations of a chord, in variation order; none when the database lacks the
// chord (the load's warning has said so). A tuning other than standard, or a database whose
// files cannot be understood, is a UsageError; one that cannot be loaded otherwise is a
// std::runtime_error naming why.
std::vector<StaticVariation> StaticChordVariations(const CTuning& tuning, NoteValue root,
                                                   int type);
