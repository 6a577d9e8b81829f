#pragma once

// The window's Favorites commands as whole runs: Add... (the full-mode question, the Add
// Favorite dialog, storing the favorite) and Organize... (the dialog, then the list
// renumbered however it ended). The opener rebuilds its favorites menu afterwards.
//
//   AddFavoriteCommand(window, favorites, prompter, request);   // may organize instead
//   rebuildFavoritesMenu();

#include "util/program_mode.h"

class CChord;
class CFavoritesList;
class Prompter;
class QWidget;

struct CAddFavoriteRequest {
    // The program mode (one before Progression) and the current tuning's key.
    ProgramMode mode = ProgramMode::ChordPlotter;
    int tuningKey = 0;
    // Modes 0 and 1: the view's chord (copied into the favorite).
    const CChord* chord = nullptr;
    // Modes 2 and 3: the bar's start note and scale type or mode number.
    int startNote = 0;
    int scaleType = 0;
};

// The number of the new favorite (101..110); 0 when a favorite of the same name was
// overwritten; -1 when nothing was stored (cancelled, the mode full, or no number left,
// which the player is told). When the mode is full and the player asks to organize, the
// Organize Favorites dialog runs on the request's tuning instead.
int AddFavoriteCommand(QWidget* parent, CFavoritesList& favorites, Prompter& prompter,
                       const CAddFavoriteRequest& request);

// Opens Organize Favorites on the tuning, then renumbers the list (OK or Cancel alike).
// True when a favorite was deleted.
bool OrganizeFavoritesCommand(QWidget* parent, CFavoritesList& favorites, Prompter& prompter,
                              int currentTuningKey);
