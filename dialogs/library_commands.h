#pragma once

// The window's library commands that open the progression dialogs and the tip, as whole
// runs. The opener stops its own playback first where it should, and refreshes what it
// shows afterwards.
//
//   CLibraryContext context{progressions, favorites, settings, engine, prompter};
//   AddToProgressionCommand(window, context, request);
//   ProgressionManagerCommand(window, context, tuningKey);
//   TipOfTheDayCommand(window, settings);

class CAppSettings;
class CChord;
class QWidget;
struct CLibraryContext;

struct CAddToProgressionRequest {
    // The current tuning's key and the view's chord (copied by the dialog).
    int tuningKey = 0;
    const CChord* chord = nullptr;
    // What the bar shows for the chord.
    int note = 0;
    int chordType = 0;
    int variation = 1;
    bool dynamic = false;
};

// Add To...: the pattern dialog (with Add Progression first when the tuning has no
// progression), then the Progression Editor on the progression the pattern went into.
// True when a pattern was added.
bool AddToProgressionCommand(QWidget* parent, const CLibraryContext& context,
                             const CAddToProgressionRequest& request);
// Manager...: the Progression Manager on the tuning.
void ProgressionManagerCommand(QWidget* parent, const CLibraryContext& context, int tuningKey);
// Tip of the day...
void TipOfTheDayCommand(QWidget* parent, CAppSettings& settings);
