#pragma once

// The "Sound Settings" sheet: "Chords" (strum or pick, playback tempo, the pick pattern
// library, a test), "Scales/Modes" (test tempo, loop direction, a test) and "Sound Packs".
//
//   CSoundSettingsSheet sheet(settings, view.tuning, engine, engine, nullptr, window);
//   sheet.exec();
//   // OK or Cancel: the view applies settings.currentPattern, which a tapped row or a
//   // deleted current pattern changes at once.
//
// The pages write their entries of CAppSettings on OK, except the "Stop playing note" boxes
// and the current pattern, which take effect at once, the pattern library, written when
// the sheet goes, and the sound pack, loaded or unloaded at once.

#include <memory>

#include "dialogs/settings/property_sheet.h"

class CAppSettings;
class CSoundEngine;
class CSoundSettingsPage1;
class CSoundSettingsPage2;
class CSoundSettingsPage3;
class CTuning;
class NotePlayer;
class Prompter;

class CSoundSettingsSheet : public CPropertySheet {
    Q_OBJECT

public:
    // player sounds the tests (the engine in the program); engine loads and unloads packs.
    // Messages go to prompter, or to message boxes over the sheet when it is nullptr.
    CSoundSettingsSheet(CAppSettings& settings, const CTuning& viewTuning, NotePlayer& player,
                        CSoundEngine& engine, Prompter* prompter, QWidget* parent = nullptr);
    ~CSoundSettingsSheet() override;

    CSoundSettingsPage1* ChordsPage() const { return chordsPage; }
    CSoundSettingsPage2* ScalesPage() const { return scalesPage; }
    CSoundSettingsPage3* PacksPage() const { return packsPage; }

private:
    std::unique_ptr<Prompter> ownPrompter;
    CSoundSettingsPage1* chordsPage;
    CSoundSettingsPage2* scalesPage;
    CSoundSettingsPage3* packsPage;
};
