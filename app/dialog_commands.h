#pragma once

// The window's commands that open a dialog, one function each. Each takes what its dialog
// needs and hands back what the main view must apply afterwards; the window stops playback
// before calling them and applies the result after.
//
//   CDialogContext context{settings, progressions, favorites, engine, prompter};
//   if (const auto choice = OpenGuitarSettings(window, context, tuning, muted, open)) {
//       view.GuitarSettingsClosed(*choice);
//   }
//
// A command whose dialog is not part of this build opens nothing and reports that nothing
// changed.

#include <optional>

#include "guitar/tuning.h"
#include "util/program_mode.h"

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

// What a new favorite is made of.
struct CFavoriteRequest {
    // One of the modes before Progression.
    ProgramMode mode = ProgramMode::ChordPlotter;
    int tuningKey = 0;              // the current tuning type
    const CChord* chord = nullptr;  // modes 0 and 1
    int startNote = 0;              // modes 2 and 3
    int scaleType = 0;
};

// What Add To... adds to a progression.
struct CAddToProgressionChoice {
    int tuningKey = 0;
    const CChord* chord = nullptr;
    int note = 0;
    int chordType = 0;
    int variation = 1;
    bool dynamic = false;
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
                    const CFavoriteRequest& request);

// Favorites > Organize...: true when the favorites changed (the menu is rebuilt).
bool OpenOrganizeFavorites(QWidget* parent, const CDialogContext& context, int tuningKey);

// Progression > Add To...: true when a pattern was added.
bool OpenAddToProgression(QWidget* parent, const CDialogContext& context,
                          const CAddToProgressionChoice& choice);

// Progression > Manager...: true when the progressions may have changed (the bar refills
// its lists in Progression mode).
bool OpenProgressionManager(QWidget* parent, const CDialogContext& context, int tuningKey);

// Tip of the day...
void OpenTipOfTheDay(QWidget* parent, const CDialogContext& context);
