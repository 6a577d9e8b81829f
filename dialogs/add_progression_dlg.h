#pragma once

// CAddProgressionDlg: makes a progression for a tuning, empty or as a copy of another of
// that tuning, with a name and a description. The list gets it on OK.
//
//   CAddProgressionDlg dialog(context, currentTuningKey, parent);
//   if (RunModal(dialog) == QDialog::Accepted) select(dialog.Created()->id);

#include "dialogs/framed_dialog.h"
#include "dialogs/library_context.h"

class CComboChoiceList;
class CProgression;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

inline constexpr const char* kChooseTuning =
    "Please choose the tuning of this new progression before clicking OK";
inline constexpr const char* kCopySourceGone =
    "The progression to copy could not be found.  Please choose another one, or create a new "
    "progression.";

class CAddProgressionDlg : public CFramedDialog {
    Q_OBJECT

public:
    CAddProgressionDlg(const CLibraryContext& context, int currentTuningKey,
                       QWidget* parent = nullptr);
    ~CAddProgressionDlg() override;

    // The progression made on OK, null before.
    CProgression* Created() const { return created; }

    QComboBox* TuningCombo() const { return tuningCombo; }
    QLabel* TuningNameLabel() const { return tuningName; }
    QLineEdit* NameEdit() const { return nameEdit; }
    QLineEdit* DescriptionEdit() const { return descriptionEdit; }
    QRadioButton* CreateNewRadio() const { return createNew; }
    QRadioButton* CopyRadio() const { return copyExisting; }
    QComboBox* SourceCombo() const { return sourceCombo; }

protected:
    bool OnOk() override;

private:
    void TuningChanged();
    void ChoiceChanged();

    CLibraryContext context;
    CProgression* created = nullptr;
    QComboBox* tuningCombo = nullptr;
    CComboChoiceList* tunings = nullptr;
    QLabel* tuningName = nullptr;
    QLineEdit* nameEdit = nullptr;
    QLineEdit* descriptionEdit = nullptr;
    QRadioButton* createNew = nullptr;
    QRadioButton* copyExisting = nullptr;
    QGroupBox* sourceGroup = nullptr;
    QComboBox* sourceCombo = nullptr;
    CComboChoiceList* sources = nullptr;
};
