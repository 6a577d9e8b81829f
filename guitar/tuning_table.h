#pragma once

#include <array>

#include "guitar/tuning.h"

struct TuningRow {
    const char* code;
    const char* name;
    std::array<CNote, kStringCount> strings;  // right-handed order
};

extern const std::array<TuningRow, kPredefinedTuningCount> kTuningTable;
