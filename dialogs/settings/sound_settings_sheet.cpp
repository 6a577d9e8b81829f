#include "dialogs/settings/sound_settings_sheet.h"

#include <QTabWidget>

#include "dialogs/message_box_prompter.h"
#include "dialogs/settings/sound_settings_pages.h"

CSoundSettingsSheet::CSoundSettingsSheet(CAppSettings& settings, const CTuning& viewTuning,
                                         NotePlayer& player, CSoundEngine& engine,
                                         Prompter* prompter, QWidget* parent)
    : CPropertySheet(QStringLiteral("Sound Settings"), parent),
      ownPrompter(prompter == nullptr ? std::make_unique<CMessageBoxPrompter>(this) : nullptr),
      chordsPage(new CSoundSettingsPage1(settings, viewTuning, player,
                                         prompter != nullptr ? *prompter : *ownPrompter)),
      scalesPage(new CSoundSettingsPage2(settings, player,
                                         prompter != nullptr ? *prompter : *ownPrompter)),
      packsPage(new CSoundSettingsPage3(settings, engine,
                                        prompter != nullptr ? *prompter : *ownPrompter)) {
    AddPage(chordsPage, QStringLiteral("Chords"));
    AddPage(scalesPage, QStringLiteral("Scales/Modes"));
    AddPage(packsPage, QStringLiteral("Sound Packs"));
    Start();
    // Room for the pack list's name, path and size side by side.
    resize(640, 560);
}

// The pages go first (the pattern list stores the library then and may still speak), the
// prompter after them.
CSoundSettingsSheet::~CSoundSettingsSheet() {
    // Taking a page off its tab must not make another page the active one.
    disconnect(Tabs(), nullptr, this, nullptr);
    delete chordsPage;
    delete scalesPage;
    delete packsPage;
}
