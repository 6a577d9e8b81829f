#include "library/favorite_edit.h"

#include "guitar/chord.h"
#include "library/favorites_list.h"
#include "library/library_file.h"
#include "library/library_messages.h"
#include "music/chord_type.h"
#include "music/note.h"
#include "music/scale.h"
#include "util/prompter.h"

namespace {

constexpr const char* kNotApplicable = "N/A";

}  // namespace

std::string ShortChordTypeText(int chordType) {
    const std::string name = ChordTypeName(chordType);
    return name.size() > 20 ? ChordTypeSymbol(chordType) : name;
}

CFavoriteTexts FavoriteTexts(ProgramMode mode, const CChord* chord, int note, int type) {
    CFavoriteTexts texts;
    texts.mode = FavoriteModeName(mode);
    texts.variation = kNotApplicable;
    texts.dynamic = kNotApplicable;
    // Gb is shown, and named, as F#.
    const NoteValue shown = note == kNoteGFlat ? kNoteFSharp : note;
    switch (mode) {
        case ProgramMode::ChordPlotter:
            texts.note = NoteName(shown);
            texts.type = ShortChordTypeText(type);
            if (chord != nullptr) {
                texts.variation = std::to_string(chord->variation);
                texts.dynamic = chord->dynamic != 0 ? "Yes" : "No";
            }
            break;
        case ProgramMode::ChordDiscoverer:
            texts.note = kNotApplicable;
            texts.type = kNotApplicable;
            break;
        case ProgramMode::Scale:
            texts.note = NoteName(shown);
            texts.type = ScaleName(type);
            break;
        default:
            texts.note = NoteName(shown);
            texts.type = ModeName(type);
            break;
    }
    if (mode != ProgramMode::ChordDiscoverer) {
        texts.proposedName = texts.note + " " + texts.type;
    }
    return texts;
}

bool FavoriteNameTakenByAnother(const CFavoritesList& list, const CFavorite& favorite,
                                const std::string& name) {
    for (const auto& other : list.favorites) {
        if (other.get() != &favorite && other->mode == favorite.mode &&
            other->tuningKey == favorite.tuningKey && other->name == name) {
            return true;
        }
    }
    return false;
}

bool CheckEditedFavoriteName(const CFavoritesList& list, const CFavorite& favorite,
                             const std::string& name, Prompter& prompter) {
    const std::string trimmed = TrimSpaces(name);
    const char* refusal = nullptr;
    if (trimmed.empty()) {
        refusal = kEnterFavoriteName;
    } else if (FavoriteNameTakenByAnother(list, favorite, trimmed)) {
        refusal = kFavoriteNameTaken;
    }
    if (refusal == nullptr) {
        return true;
    }
    prompter.Show(PromptKind::Information, kLibraryMessageTitle, refusal);
    return false;
}
