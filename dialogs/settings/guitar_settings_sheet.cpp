#include "dialogs/settings/guitar_settings_sheet.h"

#include "dialogs/settings/guitar_settings_pages.h"

CGuitarSettingsSheet::CGuitarSettingsSheet(CAppSettings& settings, const GuitarSettingsValues& view,
                                           QWidget* parent)
    : CPropertySheet(QStringLiteral("Guitar Settings"), parent),
      initial(view),
      guitarPage(new CGuitarSettingsPage1(view.tuning)),
      chordsPage(new CGuitarSettingsPage2(settings, view.mutedOverlayType, view.openOverlayType)),
      scalesPage(new CGuitarSettingsPage3(settings)) {
    AddPage(guitarPage, QStringLiteral("Guitar"));
    AddPage(chordsPage, QStringLiteral("Chords"));
    AddPage(scalesPage, QStringLiteral("Scales/Modes"));
    Start();
}

GuitarSettingsValues CGuitarSettingsSheet::Values() const {
    if (result() != QDialog::Accepted) {
        return initial;
    }
    // Built by copying, since assigning a tuning leaves its strum flag behind.
    return GuitarSettingsValues{guitarPage->Tuning(), chordsPage->MutedOverlayType(),
                                chordsPage->OpenOverlayType()};
}
