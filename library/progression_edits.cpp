#include "library/progression_edits.h"

#include <algorithm>
#include <utility>

#include "library/id_repair.h"
#include "library/library_file.h"
#include "library/library_messages.h"
#include "library/progression_list.h"
#include "util/prompter.h"

namespace msg = library_messages;

namespace {

// Only a file edited by hand can bring a counter to its end.
constexpr const char* kNoIdLeft =
    "Nothing more can be added here: the list has handed out every id it can give.";

void Tell(Prompter& prompter, const std::string& text) {
    prompter.Show(PromptKind::Information, kLibraryMessageTitle, text);
}

}  // namespace

bool CProgressionEdits::CheckPatternEntry(CProgressionList& list, int progressionId,
                                          const CPatternEntry& entry, Prompter& prompter) {
    const std::string name = TrimSpaces(entry.name);
    if (name.empty()) {
        Tell(prompter, msg::kEnterPatternName);
        return false;
    }
    const CProgression* progression =
        progressionId < 0 ? nullptr : list.FindProgression(progressionId);
    if (progression == nullptr) {
        Tell(prompter, msg::kSelectProgression);
        return false;
    }
    if (progression->patterns.HasPatternNamed(name) && name != entry.startingName) {
        Tell(prompter, msg::kPatternNameTaken);
        return false;
    }
    return true;
}

void CProgressionEdits::ApplyPatternEntry(CPattern& pattern, const CPatternEntry& entry) {
    pattern.name = TrimSpaces(entry.name);
    pattern.letRing = entry.letRing ? 1 : 0;
    pattern.NumTimesToPlay = std::clamp(entry.numTimesToPlay, kMinTimesToPlay, kMaxTimesToPlay);
    pattern.chord.SetPickPattern(entry.pickPattern);
    pattern.chord.strum = entry.strum ? 1 : 0;
    if (entry.strum) {
        pattern.chord.pickPattern.clear();
    }
}

CPattern* CProgressionEdits::AddPattern(CProgressionList& list, int progressionId,
                                        const CPatternEntry& entry, const CChord& chord,
                                        Prompter& prompter) {
    if (!CheckPatternEntry(list, progressionId, entry, prompter)) {
        return nullptr;
    }
    CPatternList& patterns = list.FindProgression(progressionId)->patterns;
    if (!HasIdLeft(patterns.nextId)) {
        Tell(prompter, kNoIdLeft);
        return nullptr;
    }
    auto pattern = std::make_unique<CPattern>();
    CopyChordWhole(pattern->chord, chord);
    // The view's chord keeps the loop flag of its last Play; a stored pattern plays its
    // times and ends, or a progression would stay on it until stopped.
    pattern->chord.loopPattern = 0;
    ApplyPatternEntry(*pattern, entry);
    return patterns.AddPattern(std::move(pattern), true);
}

bool CProgressionEdits::EditPattern(CProgressionList& list, int progressionId,
                                    const CPatternEntry& entry, CPattern& pattern,
                                    Prompter& prompter) {
    if (!CheckPatternEntry(list, progressionId, entry, prompter)) {
        return false;
    }
    ApplyPatternEntry(pattern, entry);
    return true;
}

CProgression* CProgressionEdits::AddProgression(CProgressionList& list, const std::string& name,
                                                int tuningKey, const std::string& description,
                                                bool copyExisting, int sourceId,
                                                Prompter& prompter) {
    const std::string trimmed = TrimSpaces(name);
    if (trimmed.empty()) {
        Tell(prompter, msg::kEnterProgressionName);
        return nullptr;
    }
    if (list.FindByName(trimmed, tuningKey) != nullptr) {
        Tell(prompter, FormatMessage(msg::kProgressionNameInTuning, {trimmed}));
        return nullptr;
    }
    if (!HasIdLeft(list.nextId)) {
        Tell(prompter, kNoIdLeft);
        return nullptr;
    }
    CProgression* made = copyExisting ? list.CopyProgression(sourceId, trimmed)
                                      : list.CreateProgression(tuningKey, trimmed);
    if (made != nullptr) {
        made->description = description;
    }
    return made;
}

CProgression* CProgressionEdits::CommitEditor(CProgressionList& list, int progressionId,
                                              std::unique_ptr<CProgression>& workingCopy,
                                              const std::string& startingName,
                                              const std::string& name,
                                              const std::string& description, Prompter& prompter) {
    // A progression removed meanwhile leaves the copy with the caller.
    if (!workingCopy || list.FindProgression(progressionId) == nullptr) {
        return nullptr;
    }
    if (name != startingName && list.NameExists(name, workingCopy->tuningKey)) {
        Tell(prompter, msg::kProgressionNameTaken);
        return nullptr;
    }
    workingCopy->name = name;
    workingCopy->description = description;
    workingCopy->modified = CurrentTime();
    CProgression* stored = workingCopy.get();
    list.ReplaceProgression(progressionId, std::move(workingCopy));
    return stored;
}
