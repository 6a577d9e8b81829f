#pragma once

// The window's commands that open a dialog, one function each. Each takes what its dialog
// needs and hands back what the main view must apply afterwards; the window stops playback
// before calling them and applies the result after.
//
//   CDialogContext context{settings, progressions, favorites, engine, prompter};
//   if (const auto choice = OpenGuitarSettings(window, context, tuning, muted, open)) {
//       view.GuitarSettingsClosed(*choice);
//   }

#include <optional>

#include "dialogs/favorite_commands.h"
#include "dialogs/library_commands.h"
#include "guitar/tuning.h"

class CAppSettings;
class CChord;
class CFavoritesList;
class CProgressionList;
class CSoundEngine;
class Prompter;
class QWidget;

struct CDialogContext {
    CAppSettings& settings;
    CProgressionList& progressions;
    CFavoritesList& favorites;
    CSoundEngine& engine;
    Prompter& prompter;
};

// What OK in the guitar settings hands back for the view to apply.
struct CGuitarSettingsChoice {
    CTuning tuning;
    int mutedOverlayType = 2;  // 0 icon, 1 string coloured, 2 both
    int openOverlayType = 2;
};

// Sound Settings...: true when the player pressed OK. The view applies the current pick
// pattern either way (a tapped pattern row takes effect at once).
bool OpenSoundSettings(QWidget* parent, const CDialogContext& context, const CTuning& viewTuning);

// Guitar settings...: the choice after OK; nothing after Cancel.
std::optional<CGuitarSettingsChoice> OpenGuitarSettings(QWidget* parent,
                                                        const CDialogContext& context,
                                                        const CTuning& viewTuning,
                                                        int mutedOverlayType, int openOverlayType);

// Favorites > Add...: the new favorite's id (101..110), 0 when one of the same name was
// overwritten, -1 when nothing was stored.
int OpenAddFavorite(QWidget* parent, const CDialogContext& context,
                    const CAddFavoriteRequest& request);

// Favorites > Organize...: true when the favorites changed (the menu is rebuilt).
bool OpenOrganizeFavorites(QWidget* parent, const CDialogContext& context, int tuningKey);

// Progression > Add To...: true when a pattern was added.
bool OpenAddToProgression(QWidget* parent, const CDialogContext& context,
                          const CAddToProgressionRequest& request);

// Progression > Manager...: true when the progressions may have changed (the bar refills
// its lists in Progression mode).
bool OpenProgressionManager(QWidget* parent, const CDialogContext& context, int tuningKey);

// Tip of the day...
void OpenTipOfTheDay(QWidget* parent, const CDialogContext& context);
