#pragma once

// The three pages of the "Guitar Settings" sheet.

#include <array>

#include "dialogs/settings/settings_page.h"
#include "guitar/tuning.h"

class CAppSettings;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;

// "Guitar": a typical tuning from the list, or a custom one from six string lists (lowest
// string first), and the handedness. It edits a copy of the view's tuning.
class CGuitarSettingsPage1 : public CSettingsPage {
    Q_OBJECT

public:
    CGuitarSettingsPage1(const CTuning& viewTuning, QWidget* parent = nullptr);

    // The tuning as chosen; after OK the view takes it.
    const CTuning& Tuning() const { return tuning; }

protected:
    void Initialize() override;
    void OnOk() override;

private:
    void TypicalChosen();
    void CustomChosen();
    void TuningListChosen();
    void StringListChosen();
    void ShowStringNotes(const std::array<CNote, kStringCount>& lowToHigh);
    void EnableControls();

    CTuning tuning;
    // The player changed a tuning control; untouched, OK leaves the tuning as it was.
    bool touched = false;
    QRadioButton* typical;
    QRadioButton* custom;
    QComboBox* tuningList;
    QLabel* description;
    std::array<QComboBox*, kStringCount> stringLists{};
    QRadioButton* right;
    QRadioButton* left;
};

// "Chords": the chord span, symbols or full names, how open and muted strings are marked,
// and scrolling.
class CGuitarSettingsPage2 : public CSettingsPage {
    Q_OBJECT

public:
    CGuitarSettingsPage2(CAppSettings& settings, int mutedOverlayType, int openOverlayType,
                         QWidget* parent = nullptr);

    int MutedOverlayType() const { return mutedOverlayType; }
    int OpenOverlayType() const { return openOverlayType; }

protected:
    void Initialize() override;
    void OnOk() override;

private:
    CAppSettings& settings;
    int mutedOverlayType;
    int openOverlayType;
    QComboBox* span;
    QRadioButton* symbol;
    QRadioButton* fullName;
    QButtonGroup* openGroup;
    QButtonGroup* mutedGroup;
    QCheckBox* ensureVisible;
};

// "Scales/Modes": the options of the scale plot, read and written in the settings.
class CGuitarSettingsPage3 : public CSettingsPage {
    Q_OBJECT

public:
    explicit CGuitarSettingsPage3(CAppSettings& settings, QWidget* parent = nullptr);

protected:
    void Initialize() override;
    void OnOk() override;

private:
    void EnableSpan();

    CAppSettings& settings;
    QComboBox* span;
    QCheckBox* wholeFretboard;
    QCheckBox* noOpenNotes;
    QCheckBox* startNoteOverlay;
    QCheckBox* ensureVisible;
};
