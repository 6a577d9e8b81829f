#include "app/dialog_commands.h"

#include "dialogs/favorite_commands.h"
#include "dialogs/library_commands.h"
#include "dialogs/library_context.h"
#include "dialogs/settings/guitar_settings_sheet.h"
#include "dialogs/settings/sound_settings_sheet.h"
#include "sound/sound_engine.h"

// Each body opens its dialog once that dialog is part of the build; until then the command
// does nothing and reports that nothing changed.

bool OpenSoundSettings(QWidget* parent, const CDialogContext& context, const CTuning& viewTuning) {
    // The sheet goes before this returns, storing the pick pattern library, so the view
    // applies the current pattern as the sheet left it.
    CSoundSettingsSheet sheet(context.settings, viewTuning, context.engine, context.engine, nullptr,
                              parent);
    return sheet.exec() == QDialog::Accepted;
}

std::optional<CGuitarSettingsChoice> OpenGuitarSettings(QWidget* parent,
                                                        const CDialogContext& context,
                                                        const CTuning& viewTuning,
                                                        int mutedOverlayType, int openOverlayType) {
    CGuitarSettingsSheet sheet(context.settings,
                               GuitarSettingsValues{viewTuning, mutedOverlayType, openOverlayType},
                               parent);
    if (sheet.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const GuitarSettingsValues values = sheet.Values();
    return CGuitarSettingsChoice{values.tuning, values.mutedOverlayType, values.openOverlayType};
}

namespace {

CLibraryContext LibraryContext(const CDialogContext& context) {
    return {context.progressions, context.favorites, context.settings, context.engine,
            context.prompter};
}

}  // namespace

int OpenAddFavorite(QWidget* parent, const CDialogContext& context,
                    const CAddFavoriteRequest& request) {
    // A full mode may run Organize Favorites instead (and renumber): the caller rebuilds
    // the favorites menu whatever this answers.
    return AddFavoriteCommand(parent, context.favorites, context.prompter, request);
}

bool OpenOrganizeFavorites(QWidget* parent, const CDialogContext& context, int tuningKey) {
    OrganizeFavoritesCommand(parent, context.favorites, context.prompter, tuningKey);
    // The list is renumbered however the dialog ended, so the menu is rebuilt every time.
    return true;
}

bool OpenAddToProgression(QWidget* parent, const CDialogContext& context,
                          const CAddToProgressionRequest& request) {
    return AddToProgressionCommand(parent, LibraryContext(context), request);
}

bool OpenProgressionManager(QWidget* parent, const CDialogContext& context, int tuningKey) {
    ProgressionManagerCommand(parent, LibraryContext(context), tuningKey);
    return true;
}

void OpenTipOfTheDay(QWidget* parent, const CDialogContext& context) {
    TipOfTheDayCommand(parent, context.settings);
}
