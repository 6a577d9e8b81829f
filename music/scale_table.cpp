#include "music/scale_table.h"

const std::array<ScaleRow, kScaleTypeCount> kScaleRows = {{
    {"Minor Diatonic", ScaleBuild::kSteps, {2, 1, 2, 2, 1, 2}},
    {"Major Diatonic", ScaleBuild::kSteps, {2, 2, 1, 2, 2, 2}},
    {"Natural Minor", ScaleBuild::kNotBuilt, {}},
    {"Minor Harmonic", ScaleBuild::kSteps, {2, 1, 2, 2, 1, 3}},
    {"Minor Melodic", ScaleBuild::kSteps, {2, 1, 2, 2, 2, 2}},
    {"Minor Pentatonic", ScaleBuild::kSteps, {3, 2, 2, 3}},
    {"Major Pentatonic", ScaleBuild::kSteps, {2, 2, 3, 2}},
    {"Blues", ScaleBuild::kSteps, {3, 2, 1, 1, 3}},
    {"Whole Tone", ScaleBuild::kSteps, {2, 2, 2, 2, 2}},
    {"Diminished", ScaleBuild::kSteps, {2, 1, 2, 1, 2, 1, 2}},
    {"Major", ScaleBuild::kIonian, {}},
}};

const std::array<ModeRow, kModeCount> kModeRows = {{
    {"Ionian", {2, 2, 1, 2, 2, 2}},
    {"Dorian", {2, 1, 2, 2, 2, 1}},
    {"Phrygian", {1, 2, 2, 2, 1, 2}},
    {"Lydian", {2, 2, 2, 1, 2, 2}},
    {"Mixolydian", {2, 2, 1, 2, 2, 1}},
    {"Aeolian", {2, 1, 2, 2, 1, 2}},
    {"Locrian", {1, 2, 2, 1, 2, 2}},
}};

const std::array<const char*, kLoopDirectionCount> kLoopDirectionNames = {
    "Ascending only",
    "Descending only",
    "Ascending, then descending",
    "Descending, then ascending",
};

const std::array<int, kScaleTypeCount - 1> kScaleListOrder = {
    kScaleBlues,           kScaleWholeTone,       kScaleDiminished,    kScaleMinorHarmonic,
    kScaleMinorMelodic,    kScaleMajor,           kScaleMajorDiatonic, kScaleMinorDiatonic,
    kScaleMinorPentatonic, kScaleMajorPentatonic,
};

const std::array<int, kModeCount> kModeListOrder = {
    kModeAeolian, kModeDorian,     kModeIonian,   kModeLocrian,
    kModeLydian,  kModeMixolydian, kModePhrygian,
};
