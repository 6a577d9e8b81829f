#pragma once

// CPatternDlg: adds a pattern to a progression, from the main view's chord (Add Pattern)
// or from a Chord Plotter favorite (Add from Favorite), or edits a pattern (Edit Pattern):
// its name, strum or pick pattern, times to play and "Let notes ring", with a test player.
// The dialog plays and changes only its own copy of the chord; the progression changes on
// OK.
//
//   CPatternDlgInput input;
//   input.mode = PatternDlgMode::AddPattern;
//   input.tuningKey = key;
//   input.viewChord = &chord;
//   CPatternDlg dialog(context, input, parent);
//   if (dialog.Run() == QDialog::Accepted) openEditor(dialog.ProgressionId());

#include <QTimer>
#include <memory>
#include <string>

#include "dialogs/framed_dialog.h"
#include "dialogs/library_context.h"
#include "sound/pattern_test_player.h"

class CChord;
class CComboChoiceList;
class CPattern;
class CPickPatternListCtrl;
class CProgression;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

enum class PatternDlgMode { AddFromFavorite = 0, AddPattern = 1, EditPattern = 2 };

struct CPatternDlgInput {
    PatternDlgMode mode = PatternDlgMode::AddPattern;
    // Whose progressions and favorites are offered.
    int tuningKey = 0;
    // Add Pattern: the progression to select, -1 for the first.
    int progressionId = -1;
    // Add Pattern: the main view's chord (copied) and what the bar shows for it.
    const CChord* viewChord = nullptr;
    int note = 0;
    int chordType = 0;
    int variation = 1;
    bool dynamic = false;
    // Add from Favorite and Edit Pattern: the progression the pattern goes into or
    // belongs to (the Progression Editor's working copy).
    CProgression* target = nullptr;
    // Edit Pattern: the pattern, a pattern of target.
    CPattern* pattern = nullptr;
};

class CPatternDlg : public CFramedDialog {
    Q_OBJECT

public:
    CPatternDlg(const CLibraryContext& context, const CPatternDlgInput& input,
                QWidget* parent = nullptr);
    ~CPatternDlg() override;

    // Shows the dialog. Add Pattern in a tuning without progressions first says so and
    // opens Add Progression; cancelling that closes this dialog too.
    int Run();

    // The pattern added on OK (the add modes), null otherwise.
    CPattern* Added() const { return added; }
    // Add Pattern: the progression the pattern went into.
    int ProgressionId() const { return progressionId; }
    // The dialog's own chord: what Test plays and the add modes store.
    const CChord& WorkingChord() const { return *working; }

    // The "Test" button, and one tick of its timer.
    void Test();
    void TestTick();
    bool IsTesting() const { return testPlayer.IsTesting(); }
    int TestPeriodMs() const { return testPlayer.PeriodMs(); }

    QComboBox* ChooserCombo() const { return chooserCombo; }
    QLabel* ChooserLabel() const { return chooserLabel; }
    QPushButton* NewButton() const { return newButton; }
    QLineEdit* NameEdit() const { return nameEdit; }
    QRadioButton* StrumRadio() const { return strumRadio; }
    QRadioButton* PickRadio() const { return pickRadio; }
    QSpinBox* TimesSpin() const { return timesSpin; }
    CPickPatternListCtrl* Patterns() const { return patterns; }
    QCheckBox* LetRingCheck() const { return letRing; }
    QPushButton* TestButton() const { return testButton; }
    // The chord's "Note:", "Type:", "Var:" or "Dyn:" text.
    QString ChordText(const QString& label) const;

protected:
    bool OnOk() override;
    void OnCancel() override;

private:
    void BuildControls();
    void StrumChosen(bool strum);
    void PatternRowChosen(const QString& text);
    void ShowFavorite();
    void ShowChordTexts(const std::string& note, const std::string& type, int variation,
                        bool dynamic);
    void NewProgression();
    void StopTest();
    const CProgression* TestProgression() const;

    CLibraryContext context;
    CPatternDlgInput input;
    std::unique_ptr<CChord> working;
    std::string startingName;
    bool typedName = false;
    int progressionId = -1;
    CPattern* added = nullptr;
    CPatternTestPlayer testPlayer;
    QTimer testTimer;

    QLabel* chooserLabel = nullptr;
    QComboBox* chooserCombo = nullptr;
    CComboChoiceList* chooser = nullptr;
    QPushButton* newButton = nullptr;
    QLineEdit* nameEdit = nullptr;
    QRadioButton* strumRadio = nullptr;
    QRadioButton* pickRadio = nullptr;
    QSpinBox* timesSpin = nullptr;
    QGroupBox* patternGroup = nullptr;
    CPickPatternListCtrl* patterns = nullptr;
    QCheckBox* letRing = nullptr;
    QPushButton* testButton = nullptr;
    QLabel* noteText = nullptr;
    QLabel* typeText = nullptr;
    QLabel* variationText = nullptr;
    QLabel* dynamicText = nullptr;
};
