#include "library/library_file.h"

#include <iostream>
#include <utility>

#include "guitar/chord_list.h"
#include "library/favorite.h"
#include "library/favorites_list.h"
#include "library/pattern.h"
#include "library/pattern_list.h"
#include "library/progression.h"
#include "library/progression_list.h"
#include "util/class_registry.h"
#include "util/prompter.h"

namespace {

class CStandardErrorPrompter : public Prompter {
public:
    PromptAnswer Show(PromptKind kind, const std::string& title, const std::string& text) override {
        std::cerr << title << ": " << text << '\n';
        return kind == PromptKind::YesNo ? PromptAnswer::No : PromptAnswer::Ok;
    }
};

Prompter* gLibraryPrompter = nullptr;

}  // namespace

CLibraryFile::CLibraryFile(const std::string& fileName)
    : path_(std::filesystem::path(UserDataDirectory()) / fileName) {}

CLibraryFile::CLibraryFile(std::filesystem::path path) : path_(std::move(path)) {}

bool CLibraryFile::Load(CObject& root, Prompter& prompter) {
    saveBlocked_ = false;
    blockedReason_.clear();
    const FileLoadResult loaded = LoadObjectFile(path_, root);
    switch (loaded.outcome) {
        case LoadOutcome::Loaded:
        case LoadOutcome::Empty:
            return true;
        case LoadOutcome::Absent:
            if (!loaded.failure) {
                return true;
            }
            // The file is there but cannot be opened: writing a new one in its place at
            // exit would destroy whatever it holds.
            saveBlocked_ = true;
            blockedReason_ = "it could not be opened when the program started (" +
                             loaded.failure->message + ") and is left as it is";
            prompter.Show(PromptKind::Error, kLibraryMessageTitle,
                          "Could not open " + path_.string() + " (" + loaded.failure->message +
                              "). The program goes on without its contents and will not "
                              "save over it.");
            return false;
        case LoadOutcome::Damaged:
            if (loaded.keptAs.empty()) {
                saveBlocked_ = true;
                blockedReason_ =
                    "the damaged file could not be kept aside, and saving would replace it";
            }
            prompter.Show(PromptKind::Error, kLibraryMessageTitle,
                          loaded.failure->message + " The program goes on without its contents.");
            return false;
    }
    return false;
}

bool CLibraryFile::Save(CObject& root, Prompter& prompter) {
    if (saveBlocked_) {
        prompter.Show(PromptKind::Error, kLibraryMessageTitle,
                      "Could not save " + path_.string() + ": " + blockedReason_ + ".");
        return false;
    }
    const Result<> saved = SaveObjectFile(path_, root);
    if (!saved) {
        prompter.Show(PromptKind::Error, kLibraryMessageTitle, saved.Error().message);
        return false;
    }
    return true;
}

void SetLibraryPrompter(Prompter* prompter) {
    gLibraryPrompter = prompter;
}

Prompter& LibraryPrompter() {
    return gLibraryPrompter != nullptr ? *gLibraryPrompter : StandardErrorPrompter();
}

Prompter& StandardErrorPrompter() {
    static CStandardErrorPrompter prompter;
    return prompter;
}

void RegisterLibraryClasses() {
    CClassRegistry& registry = CClassRegistry::Global();
    registry.Add<CChord>();
    registry.Add<CPattern>();
    registry.Add<CProgression>();
    registry.Add<CFavorite>();
    // The list classes and the tuning are roots and in-place members only: registering
    // them makes a stray class record of theirs a "wrong place" fault rather than an
    // unknown name.
    registry.Add<CPatternList>();
    registry.Add<CProgressionList>();
    registry.Add<CFavoritesList>();
    registry.Add<CTuning>();
    registry.Add<CChordList>();
}
