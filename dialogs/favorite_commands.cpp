#include "dialogs/favorite_commands.h"

#include "dialogs/favorite_dlg.h"
#include "dialogs/organize_favorites_dlg.h"
#include "guitar/chord.h"
#include "library/favorite_add.h"
#include "library/favorite_edit.h"
#include "library/favorites_list.h"
#include "library/library_file.h"
#include "util/prompter.h"

int AddFavoriteCommand(QWidget* parent, CFavoritesList& favorites, Prompter& prompter,
                       const CAddFavoriteRequest& request) {
    bool organize = false;
    if (!CFavoriteAdd::HasRoom(favorites, request.mode, prompter, organize)) {
        if (organize) {
            OrganizeFavoritesCommand(parent, favorites, prompter, request.tuningKey);
        }
        return -1;
    }
    CFavoriteDlgInput input;
    input.mode = request.mode;
    input.tuningKey = request.tuningKey;
    input.chord = request.chord;
    if (request.mode == ProgramMode::Scale || request.mode == ProgramMode::Mode) {
        input.note = request.startNote;
        input.type = request.scaleType;
    } else if (request.chord != nullptr) {
        input.note = request.chord->root;
        input.type = request.chord->chordType;
    }
    CFavoriteDlg dialog(favorites, prompter, input, parent);
    if (RunModal(dialog) != QDialog::Accepted) {
        return -1;
    }
    CFavoriteEntry entry;
    entry.mode = request.mode;
    entry.tuningKey = request.tuningKey;
    entry.name = dialog.Name();
    entry.description = dialog.Description();
    entry.chord = request.chord;
    entry.startNote = request.startNote;
    entry.scaleType = request.scaleType;
    const int number = CFavoriteAdd::Store(favorites, entry);
    if (number < 0) {
        prompter.Show(PromptKind::Error, kLibraryMessageTitle, kNoFavoriteNumberLeft);
    }
    return number;
}

bool OrganizeFavoritesCommand(QWidget* parent, CFavoritesList& favorites, Prompter& prompter,
                              int currentTuningKey) {
    COrganizeFavoritesDlg dialog(favorites, prompter, currentTuningKey, parent);
    RunModal(dialog);
    // Deletions leave gaps in the numbers the menu commands use.
    favorites.Renumber();
    return dialog.Changed();
}
