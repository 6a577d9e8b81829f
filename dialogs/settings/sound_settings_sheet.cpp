#include "dialogs/settings/sound_settings_sheet.h"

#include "dialogs/settings/sound_settings_pages.h"

CSoundSettingsSheet::CSoundSettingsSheet(CAppSettings& settings, const CTuning& viewTuning,
                                         NotePlayer& player, CSoundEngine& engine,
                                         Prompter& prompter, QWidget* parent)
    : CPropertySheet(QStringLiteral("Sound Settings"), parent),
      chordsPage(new CSoundSettingsPage1(settings, viewTuning, player, prompter)),
      scalesPage(new CSoundSettingsPage2(settings, player, prompter)),
      packsPage(new CSoundSettingsPage3(settings, engine, prompter)) {
    AddPage(chordsPage, QStringLiteral("Chords"));
    AddPage(scalesPage, QStringLiteral("Scales/Modes"));
    AddPage(packsPage, QStringLiteral("Sound Packs"));
    Start();
    // Room for the pack list's name, path and size side by side.
    resize(640, 560);
}
