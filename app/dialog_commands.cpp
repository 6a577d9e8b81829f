#include "app/dialog_commands.h"

// Each body opens its dialog once that dialog is part of the build; until then the command
// does nothing and reports that nothing changed.

bool OpenSoundSettings(QWidget*, const CDialogContext&, const CTuning&) {
    return false;
}

std::optional<CGuitarSettingsChoice> OpenGuitarSettings(QWidget*, const CDialogContext&,
                                                        const CTuning&, int, int) {
    return std::nullopt;
}

int OpenAddFavorite(QWidget*, const CDialogContext&, const CFavoriteRequest&) {
    return -1;
}

bool OpenOrganizeFavorites(QWidget*, const CDialogContext&, int) {
    return false;
}

bool OpenAddToProgression(QWidget*, const CDialogContext&, const CAddToProgressionChoice&) {
    return false;
}

bool OpenProgressionManager(QWidget*, const CDialogContext&, int) {
    return false;
}

void OpenTipOfTheDay(QWidget*, const CDialogContext&) {}
