#include "library/favorite_add.h"

#include <memory>

#include "library/favorites_list.h"
#include "library/library_file.h"
#include "library/library_messages.h"
#include "library/pattern.h"
#include "util/prompter.h"

namespace msg = library_messages;

bool CFavoriteAdd::HasRoom(const CFavoritesList& list, ProgramMode mode, Prompter& prompter,
                           bool& organize) {
    organize = false;
    if (list.CountInCurrentTuning(mode) < kMaxFavoritesPerMode) {
        return true;
    }
    const PromptAnswer answer =
        prompter.Show(PromptKind::YesNo, kLibraryMessageTitle,
                      FormatMessage(msg::kFavoritesFull, {std::to_string(kMaxFavoritesPerMode)}));
    organize = answer == PromptAnswer::Yes;
    return false;
}

bool CFavoriteAdd::ConfirmName(const CFavoritesList& list, int tuningKey, ProgramMode mode,
                               const std::string& name, const CFavorite* editing,
                               Prompter& prompter) {
    if (editing != nullptr && editing->name == name) {
        return true;
    }
    if (!list.FavoriteNameExists(tuningKey, mode, name)) {
        return true;
    }
    return prompter.Show(PromptKind::YesNo, msg::kDuplicateFavoriteTitle,
                         msg::kDuplicateFavorite) == PromptAnswer::Yes;
}

int CFavoriteAdd::Store(CFavoritesList& list, const CFavoriteEntry& entry) {
    CFavorite* existing = list.FindFavoriteNamed(entry.name, entry.mode, entry.tuningKey);
    std::unique_ptr<CFavorite> made;
    CFavorite* favorite = existing;
    if (favorite == nullptr) {
        made = std::make_unique<CFavorite>();
        made->mode = entry.mode;
        made->tuningKey = entry.tuningKey;
        favorite = made.get();
    }
    favorite->name = entry.name;
    favorite->description = entry.description;
    if (entry.mode == ProgramMode::Scale || entry.mode == ProgramMode::Mode) {
        favorite->rootNote = entry.startNote;
        favorite->scaleType = entry.scaleType;
    } else if (entry.chord != nullptr) {
        // A copy of the view's chord: its voicing, with the default pattern and a strum.
        const CChord copy(*entry.chord);
        CopyChordWhole(favorite->chord, copy);
        favorite->rootNote = entry.chord->root;
    }
    if (!made) {
        return 0;
    }
    return list.AddFavorite(std::move(made));
}

std::string CFavoriteAdd::ProposedName(ProgramMode mode, const std::string& noteText,
                                       const std::string& typeText) {
    if (mode == ProgramMode::ChordDiscoverer) {
        return "";
    }
    return noteText + " " + typeText;
}
