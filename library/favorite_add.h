#pragma once

// The rules of adding and editing favorites, apart from the dialogs: the full-mode
// check before the Add Favorite dialog opens (message 65008), the duplicate-name question
// of its OK, and storing what it gives back (overwrite by name, else a new favorite with
// the mode's next number).
//
//   bool organize = false;
//   if (!CFavoriteAdd::HasRoom(favorites, mode, prompter, organize)) {
//       if (organize) openOrganizeDialog();
//       return;
//   }
//   ... the dialog, whose OK calls CFavoriteAdd::ConfirmName ...
//   int number = CFavoriteAdd::Store(favorites, entry);   // > 0: add it to the menu

#include <string>

#include "util/program_mode.h"

class CChord;
class CFavorite;
class CFavoritesList;
class Prompter;

struct CFavoriteEntry {
    ProgramMode mode = ProgramMode::ChordPlotter;
    int tuningKey = 0;
    std::string name;
    std::string description;
    // Modes 0 and 1: the view's chord, copied into the favorite.
    const CChord* chord = nullptr;
    // Modes 2 and 3: the bar's start note and scale type or mode number.
    int startNote = 0;
    int scaleType = 0;
};

class CFavoriteAdd {
public:
    // True when the current tuning has room for another favorite of the mode; otherwise
    // asks message 65008, and organize tells whether the player answered Yes.
    static bool HasRoom(const CFavoritesList& list, ProgramMode mode, Prompter& prompter,
                        bool& organize);
    // OK of the dialog: when another favorite of the mode and tuning has the name, asks
    // whether to overwrite it; true when the dialog may close. `editing` is the favorite
    // being edited (its own name is no clash), nullptr when adding.
    static bool ConfirmName(const CFavoritesList& list, int tuningKey, ProgramMode mode,
                            const std::string& name, const CFavorite* editing, Prompter& prompter);
    // Stores the entry: a favorite of that name in the mode and tuning is overwritten in
    // place (answer 0); else a new favorite is added (its number), or dropped when the
    // mode is full or keeps no favorites (-1).
    static int Store(CFavoritesList& list, const CFavoriteEntry& entry);

    // The menu and dialogs' name for a favorite's default: the note text, a space and the
    // type text; "" in Chord Discoverer mode, which proposes no name.
    static std::string ProposedName(ProgramMode mode, const std::string& noteText,
                                    const std::string& typeText);
};
