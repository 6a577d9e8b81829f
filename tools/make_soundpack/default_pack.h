#pragma once

// The sound pack the program ships: 53 plucked notes, C3 (65.41 Hz) to E7 (1318.5 Hz) in
// the program's octave numbering (its A4 is 220 Hz), about two seconds each, stored in the
// order of their sharp-spelled names sorted as text ("A#3", "A#4", ..., "A3", ..., "G6").

#include <string>
#include <vector>

#include "sound/audio/xm_writer.h"

inline constexpr int kDefaultPackNotes = 53;
inline constexpr double kDefaultPackRate = 22050.0;

struct DefaultPackNote {
    std::string name;  // "C#4"
    double frequency = 0.0;
};

// The notes in sample order.
std::vector<DefaultPackNote> DefaultPackNotes();

// Every note synthesised, ready for WriteXmModule.
XmModule MakeDefaultSoundPack();
