#pragma once

// The pattern dialog's rules when it works on one progression object directly (the
// Progression Editor's working copy) rather than on a progression of the list: the name
// check that leaves the edited pattern out, adding a pattern to that progression, the
// tempo of the dialog's test, and the pick-pattern choice its OK needs.
//
//   if (CheckPatternName(workingCopy, name, &edited, prompter)) ApplyPatternEntry(...);
//   CPattern* added = AddPatternTo(workingCopy, entry, favorite.chord, prompter);

#include <string>

class CChord;
class CPattern;
class CProgression;
class Prompter;
struct CPatternEntry;

// The tempi a progression plays at; the editor's slider offers exactly these.
inline constexpr int kMinProgressionBpm = 60;
inline constexpr int kMaxProgressionBpm = 320;

inline constexpr const char* kChoosePickPattern =
    "Please choose a pick pattern from the list, or choose Strum.";

// A tempo kept to 60..320.
int ClampProgressionBpm(int bpm);

// The name trimmed must not be empty, and no pattern of the progression other than
// `edited` (null when adding) may have it. Tells the player why not.
bool CheckPatternName(const CProgression& progression, const std::string& name,
                      const CPattern* edited, Prompter& prompter);

// The checks, then a new pattern with a copy of the chord (its loop flag off), the entry
// applied and a new id, appended to the progression. nullptr when refused.
CPattern* AddPatternTo(CProgression& progression, const CPatternEntry& entry, const CChord& chord,
                       Prompter& prompter);

// The tempo the pattern dialog's test plays at: the chosen progression's, else the chord
// page's; kept to 60..320 either way.
int PatternTestBpm(const CProgression* progression, int chordBpm);

// A picked pattern needs a chosen row of the library; false, told, when none is chosen.
bool CheckPickPatternChosen(const CPatternEntry& entry, Prompter& prompter);
