#pragma once

// The three pages of the "Sound Settings" sheet. The chord and scale pages each run a timer
// at half a slot of their tempo from the moment they are shown: every second tick lights
// the beat light and, while a test runs, sounds one step of it. The timer stops while the
// page is not the active one, so a running test pauses there and goes on when it returns.

#include <QTimer>
#include <functional>
#include <memory>

#include "dialogs/settings/settings_page.h"
#include "guitar/tuning.h"
#include "sound/app_sound_settings.h"
#include "sound/chord_test_player.h"
#include "sound/scale_test_player.h"
#include "sound/sound_pack_library.h"

class CAppSettings;
class CPickPatternListCtrl;
class CSortListCtrl;
class CSoundEngine;
class CTempoBox;
class NotePlayer;
class Prompter;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

// "Chords": strum or pick, the playback tempo, the pick pattern library and a test of the
// view's tuning.
class CSoundSettingsPage1 : public CSettingsPage {
    Q_OBJECT

public:
    CSoundSettingsPage1(CAppSettings& settings, const CTuning& viewTuning, NotePlayer& player,
                        Prompter& prompter, QWidget* parent = nullptr);

    // One event of timer 100.
    void OnTimer();
    const QTimer& Timer() const { return timer; }
    const CChordTestPlayer& Player() const { return player; }
    const CTuning& TestTuning() const { return testTuning; }

protected:
    void Initialize() override;
    void OnOk() override;
    void OnActivate() override;
    void OnDeactivate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void StrumChosen();
    void PickChosen();
    void PatternSelected(const QString& text);
    void TestClicked();
    void StopTest();
    void ShowTestState();
    void RestartTimer();

    CAppSettings& settings;
    Prompter& prompter;
    CTuning testTuning;
    CChordTestPlayer player;
    QTimer timer;
    bool active = false;
    QRadioButton* strum;
    QRadioButton* pick;
    CTempoBox* tempo;
    QGroupBox* patternGroup;
    CPickPatternListCtrl* patterns;
    QCheckBox* stopPlaying;
    QPushButton* test;
    QCheckBox* loop;
};

// "Scales/Modes": the test tempo, the loop direction of scale playback and a test of the
// "Major Diatonic" scale on E3.
class CSoundSettingsPage2 : public CSettingsPage {
    Q_OBJECT

public:
    CSoundSettingsPage2(CAppSettings& settings, NotePlayer& player, Prompter& prompter,
                        QWidget* parent = nullptr);

    // One event of timer 200.
    void OnTimer();
    const QTimer& Timer() const { return timer; }
    const CScaleTestPlayer& Player() const { return player; }

protected:
    void Initialize() override;
    void OnOk() override;
    void OnActivate() override;
    void OnDeactivate() override;

private:
    void TestClicked();
    void StopTest();
    void ShowTestState();
    void RestartTimer();

    CAppSettings& settings;
    Prompter& prompter;
    CScaleTestPlayer player;
    QTimer timer;
    bool active = false;
    CTempoBox* tempo;
    QComboBox* direction;
    QCheckBox* stopPlaying;
    QPushButton* test;
    QCheckBox* loop;
};

// "Sound Packs": the search directories, the packs found in them, loading and unloading.
// A pack loaded or unloaded here stays so whether the sheet ends with OK or Cancel; the
// directories are stored on OK.
class CSoundSettingsPage3 : public CSettingsPage {
    Q_OBJECT

public:
    CSoundSettingsPage3(CAppSettings& settings, CSoundEngine& engine, Prompter& prompter,
                        QWidget* parent = nullptr);

    // "Add..." asks this for a directory ("" when the player cancels); Qt's directory
    // chooser unless a test hands in its own.
    void SetDirectoryChooser(std::function<QString()> chooser);
    const CSoundPackLibrary& Library() const { return library; }

protected:
    void Initialize() override;
    void OnOk() override;

private:
    void ShowCurrent();
    void ShowDirectories();
    void ShowPacks();
    void UpdateButtons();
    void AddClicked();
    void DeleteClicked();
    void LoadClicked();
    void UnloadClicked();
    void RefreshClicked();

    CAppSettings& settings;
    CAppSoundSettings soundSettings;
    Prompter& prompter;
    CSoundPackLibrary library;
    std::function<QString()> chooseDirectory;
    QLineEdit* current;
    QPushButton* unload;
    QListWidget* directories;
    QPushButton* add;
    QPushButton* remove;
    CSortListCtrl* packs;
    QPushButton* refresh;
    QPushButton* load;
};
