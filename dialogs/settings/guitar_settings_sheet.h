#pragma once

// The "Guitar Settings" sheet: the tuning and handedness ("Guitar"), the chord options
// ("Chords") and the scale plot options ("Scales/Modes").
//
//   CGuitarSettingsSheet sheet(settings, {view.tuning, muted, open}, window);
//   if (sheet.exec() == QDialog::Accepted) {
//       const GuitarSettingsValues values = sheet.Values();   // the view applies them
//   }
//
// The chord and scale pages write their entries of CAppSettings on OK; the tuning and the
// two overlay types are handed back for the view to apply. Cancel changes nothing.

#include "dialogs/settings/property_sheet.h"
#include "guitar/tuning.h"

class CAppSettings;
class CGuitarSettingsPage1;
class CGuitarSettingsPage2;
class CGuitarSettingsPage3;

struct GuitarSettingsValues {
    CTuning tuning;
    int mutedOverlayType = 2;  // 0 icon, 1 string coloured, 2 both
    int openOverlayType = 2;
};

class CGuitarSettingsSheet : public CPropertySheet {
    Q_OBJECT

public:
    CGuitarSettingsSheet(CAppSettings& settings, const GuitarSettingsValues& view,
                         QWidget* parent = nullptr);

    // What the view applies after OK: the page's tuning (the view's own when the page's
    // choices left it as it was) and the overlay types.
    GuitarSettingsValues Values() const;

private:
    GuitarSettingsValues initial;
    CGuitarSettingsPage1* guitarPage;
    CGuitarSettingsPage2* chordsPage;
    CGuitarSettingsPage3* scalesPage;
};
