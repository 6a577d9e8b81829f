#include "library/pattern_edit.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "library/id_repair.h"
#include "library/library_file.h"
#include "library/library_messages.h"
#include "library/progression.h"
#include "library/progression_edits.h"
#include "util/prompter.h"

namespace {

void Tell(Prompter& prompter, const char* text) {
    prompter.Show(PromptKind::Information, kLibraryMessageTitle, text);
}

}  // namespace

int ClampProgressionBpm(int bpm) {
    return std::clamp(bpm, kMinProgressionBpm, kMaxProgressionBpm);
}

bool CheckPatternName(const CProgression& progression, const std::string& name,
                      const CPattern* edited, Prompter& prompter) {
    const std::string trimmed = TrimSpaces(name);
    if (trimmed.empty()) {
        Tell(prompter, library_messages::kEnterPatternName);
        return false;
    }
    for (const auto& pattern : progression.patterns.patterns) {
        if (pattern.get() != edited && pattern->name == trimmed) {
            Tell(prompter, library_messages::kPatternNameTaken);
            return false;
        }
    }
    return true;
}

CPattern* AddPatternTo(CProgression& progression, const CPatternEntry& entry, const CChord& chord,
                       Prompter& prompter) {
    if (!CheckPatternName(progression, entry.name, nullptr, prompter)) {
        return nullptr;
    }
    if (!HasIdLeft(progression.patterns.nextId)) {
        Tell(prompter,
             "Nothing more can be added here: the list has handed out every id it can "
             "give.");
        return nullptr;
    }
    auto pattern = std::make_unique<CPattern>();
    CopyChordWhole(pattern->chord, chord);
    // A stored pattern plays its times and ends, whatever the chord's last Play looped.
    pattern->chord.loopPattern = 0;
    CProgressionEdits::ApplyPatternEntry(*pattern, entry);
    return progression.patterns.AddPattern(std::move(pattern), true);
}

int PatternTestBpm(const CProgression* progression, int chordBpm) {
    return ClampProgressionBpm(progression != nullptr ? progression->BPM : chordBpm);
}

bool CheckPickPatternChosen(const CPatternEntry& entry, Prompter& prompter) {
    if (entry.strum || !entry.pickPattern.empty()) {
        return true;
    }
    Tell(prompter, kChoosePickPattern);
    return false;
}
