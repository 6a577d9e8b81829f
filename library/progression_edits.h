#pragma once

// The rules of the dialogs that change progressions, apart from their widgets: what the
// OK of the pattern dialog, of the Add Progression dialog and of the Progression Editor
// accept, refuse (with the message the player sees) and do.
//
//   CPatternEntry entry{.name = nameBox, .strum = strumRadio, ...};
//   if (CProgressionEdits::AddPattern(list, progressionId, entry, chord, prompter)) close();

#include <memory>
#include <string>

class CChord;
class CPattern;
class CProgression;
class CProgressionList;
class Prompter;

// What the pattern dialog has when OK is pressed.
struct CPatternEntry {
    // As typed; trimmed of spaces before use.
    std::string name;
    // The edited pattern's name, "" when adding.
    std::string startingName;
    bool strum = true;
    // The selected row of the pick-pattern library, "" when none.
    std::string pickPattern;
    int numTimesToPlay = 1;
    bool letRing = true;
};

// The limits of the pattern dialog's times box.
inline constexpr int kMinTimesToPlay = 1;
inline constexpr int kMaxTimesToPlay = 10;

class CProgressionEdits {
public:
    // The pattern dialog's checks, in order: an empty name; no progression with that id
    // (65038); a name another pattern of that progression has (65046). True when none
    // applies.
    static bool CheckPatternEntry(CProgressionList& list, int progressionId,
                                  const CPatternEntry& entry, Prompter& prompter);
    // Sets name, letRing, times (kept to 1..10), pick pattern and strum on a pattern; an
    // invalid pick pattern leaves the chord's own; a strummed pattern has none.
    static void ApplyPatternEntry(CPattern& pattern, const CPatternEntry& entry);
    // OK in the add modes: the checks, then a new pattern with a copy of the chord (its
    // loop flag off), the entry applied and a new id, appended to the progression. nullptr
    // when refused.
    static CPattern* AddPattern(CProgressionList& list, int progressionId,
                                const CPatternEntry& entry, const CChord& chord,
                                Prompter& prompter);
    // OK in the edit mode: the checks against the progression chosen, then the entry
    // applied to the pattern.
    static bool EditPattern(CProgressionList& list, int progressionId, const CPatternEntry& entry,
                            CPattern& pattern, Prompter& prompter);

    // OK of the Add Progression dialog: an empty name is refused, a name already used in
    // the tuning asks 65042; otherwise a new progression, or a copy of sourceId, with the
    // description. nullptr when refused (or the source is gone).
    static CProgression* AddProgression(CProgressionList& list, const std::string& name,
                                        int tuningKey, const std::string& description,
                                        bool copyExisting, int sourceId, Prompter& prompter);

    // OK of the Progression Editor: a new name that another progression of the tuning has
    // is refused with 65041; otherwise the working copy, with the name, description and
    // modified now, replaces the progression with that id. Returns the stored progression,
    // nullptr when refused (the copy is then left with the caller).
    static CProgression* CommitEditor(CProgressionList& list, int progressionId,
                                      std::unique_ptr<CProgression>& workingCopy,
                                      const std::string& startingName, const std::string& name,
                                      const std::string& description, Prompter& prompter);
};
