#pragma once

// The rows of the scale, mode and loop-direction catalogues, read by scale.cpp. A new scale
// or mode is one new row (and its place in the list order) in scale_table.cpp.

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>

#include "music/scale.h"

// Semitone steps walked upward from the root; the note each step lands on is stored, so a
// scale stores one note more than it has steps.
struct ScaleSteps {
    std::array<int, 11> steps{};
    int count = 0;

    constexpr ScaleSteps() = default;
    constexpr ScaleSteps(std::initializer_list<int> walked) {
        for (int step : walked) {
            steps[static_cast<std::size_t>(count++)] = step;
        }
    }

    std::span<const int> Walked() const { return {steps.data(), static_cast<std::size_t>(count)}; }
};

enum class ScaleBuild {
    kSteps,     // walks its own steps
    kIonian,    // is the mode Ionian
    kNotBuilt,  // named, but never built or listed
};

struct ScaleRow {
    const char* name;
    ScaleBuild build;
    ScaleSteps steps;
};

struct ModeRow {
    const char* name;
    ScaleSteps steps;
};

// Indexed by type value.
extern const std::array<ScaleRow, kScaleTypeCount> kScaleRows;
extern const std::array<ModeRow, kModeCount> kModeRows;
extern const std::array<const char*, kLoopDirectionCount> kLoopDirectionNames;

// The order of the drop-down lists (not sorted, not value order).
extern const std::array<int, kScaleTypeCount - 1> kScaleListOrder;
extern const std::array<int, kModeCount> kModeListOrder;
