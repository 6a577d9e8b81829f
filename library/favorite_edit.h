#pragma once

// What the Add Favorite dialog shows and checks, apart from its widgets: the read-only
// texts of the favorite (mode, note, type, variation, dynamic), the name it proposes, and
// the checks of its OK when it edits an existing favorite.
//
//   CFavoriteTexts texts = FavoriteTexts(mode, chord, note, type);
//   nameBox = texts.proposedName;                    // "A Minor" for a Chord Plotter chord
//   ...
//   if (CheckEditedFavoriteName(list, favorite, nameBox, prompter)) close();

#include <string>

#include "util/program_mode.h"

class CChord;
class CFavorite;
class CFavoritesList;
class Prompter;

struct CFavoriteTexts {
    std::string mode;       // "Chord Plotter", "Chord Discoverer", "Scale", "Mode"
    std::string note;       // the note's name, F# for Gb; "N/A" in Chord Discoverer
    std::string type;       // chord type (its symbol when the name is over 20), scale or mode
    std::string variation;  // Chord Plotter: the chord's variation number; else "N/A"
    std::string dynamic;    // Chord Plotter: "Yes" or "No"; else "N/A"
    // The note text, a space and the type text; "" in Chord Discoverer.
    std::string proposedName;
};

// A chord type's text where room is short: its full name, or its symbol when the name is
// longer than 20 characters.
std::string ShortChordTypeText(int chordType);

// The texts for a favorite of the mode: note is the root or start note, type the chord
// type (modes 0 and 1) or the scale type or mode number (modes 2 and 3); chord may be null
// outside Chord Plotter.
CFavoriteTexts FavoriteTexts(ProgramMode mode, const CChord* chord, int note, int type);

inline constexpr const char* kEnterFavoriteName =
    "Please enter a name for this favorite before clicking OK";
inline constexpr const char* kFavoriteNameTaken =
    "There's already a favorite with this name.  Please choose another name.";
inline constexpr const char* kNoFavoriteNumberLeft =
    "The favorite could not be added: every number of this mode is taken.  Please organize "
    "your favorites first.";

// True when another favorite of the same tuning and mode has the name (exact comparison).
bool FavoriteNameTakenByAnother(const CFavoritesList& list, const CFavorite& favorite,
                                const std::string& name);
// OK of the Edit Favorite dialog: the name trimmed must not be empty, nor another
// favorite's of the favorite's own tuning and mode (there is nothing to overwrite). Tells
// the player why not.
bool CheckEditedFavoriteName(const CFavoritesList& list, const CFavorite& favorite,
                             const std::string& name, Prompter& prompter);
