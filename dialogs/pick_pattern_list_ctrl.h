#pragma once

// CPickPatternListCtrl: the player's pick-pattern library inside a dialog: the sorted list
// of pattern texts, an edit box (64 characters at most) with "Add" and "Delete" under it.
// The library is read from the settings by Fill and written back to them when the control
// goes, whether the dialog was confirmed or cancelled (a control never filled writes
// nothing).
//
//   auto* patterns = new CPickPatternListCtrl(settings, prompter, parent);
//   patterns->Fill(settings.currentPattern);
//   connect(patterns, &CPickPatternListCtrl::SelectionChanged, ...);   // the row's text
//   patterns->SetBeforeEdit([this] { StopTest(); });                   // Add and Delete

#include <QWidget>
#include <functional>

#include "library/pick_pattern_library.h"

class CAppSettings;
class CSortListCtrl;
class Prompter;
class QLineEdit;
class QPushButton;

class CPickPatternListCtrl : public QWidget {
    Q_OBJECT

public:
    CPickPatternListCtrl(CAppSettings& settings, Prompter& prompter, QWidget* parent = nullptr);
    ~CPickPatternListCtrl() override;

    // Rebuilds the rows from the settings' library and selects the pattern text.
    void Fill(const std::string& currentPattern);
    bool FindAndSelect(const std::string& text);
    // The selected row's text, "" when none is selected.
    std::string SelectedText() const { return library.SelectedText(); }
    const CPickPatternLibrary& Library() const { return library; }

    // Runs before Add and Delete change the list (a dialog stops its test there).
    void SetBeforeEdit(std::function<void()> action) { beforeEdit = std::move(action); }
    // The whole control, or only its list and buttons, usable or not ("Strum" turns the
    // pattern controls off).
    void SetEditable(bool on);

    CSortListCtrl* List() const { return list; }
    QLineEdit* PatternEdit() const { return edit; }
    QPushButton* AddButton() const { return addButton; }
    QPushButton* DeleteButton() const { return deleteButton; }

    // The Add and Delete buttons.
    void Add();
    void Delete();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // The selected row changed (by the player, Fill, Add or Delete); "" for none.
    void SelectionChanged(const QString& text);
    // The edit box's text changed.
    void PatternTextEdited(const QString& text);

private:
    void ShowRows();
    void UpdateButtons();
    void RowChosen();

    CAppSettings& settings;
    Prompter& prompter;
    CPickPatternLibrary library;
    std::function<void()> beforeEdit;
    bool editable = true;
    CSortListCtrl* list = nullptr;
    QLineEdit* edit = nullptr;
    QPushButton* addButton = nullptr;
    QPushButton* deleteButton = nullptr;
};
