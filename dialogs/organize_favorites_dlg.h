#pragma once

// COrganizeFavoritesDlg: the favorites of one tuning as a tree grouped by program mode,
// with Edit (name and description) and Delete. Deletions take effect at once; the opener
// renumbers the list and rebuilds the favorites menu however the dialog ends.
//
//   COrganizeFavoritesDlg dialog(favorites, prompter, currentTuningKey, parent);
//   dialog.exec();
//   favorites.Renumber();

#include "dialogs/framed_dialog.h"

class CComboChoiceList;
class CFavorite;
class CFavoritesList;
class Prompter;
class QAction;
class QComboBox;
class QPlainTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

class COrganizeFavoritesDlg : public CFramedDialog {
    Q_OBJECT

public:
    COrganizeFavoritesDlg(CFavoritesList& favorites, Prompter& prompter, int currentTuningKey,
                          QWidget* parent = nullptr);
    ~COrganizeFavoritesDlg() override;

    // True once a favorite was deleted.
    bool Changed() const { return changed; }
    // The tuning chosen in the drop-down, -1 for none.
    int SelectedTuning() const;
    void SelectTuning(int tuningKey);

    QComboBox* TuningCombo() const { return tuningCombo; }
    QTreeWidget* Tree() const { return tree; }
    QPlainTextEdit* DescriptionBox() const { return descriptionBox; }
    QAction* EditAction() const { return editAction; }
    QAction* DeleteAction() const { return deleteAction; }
    // The tree item of a favorite, by mode and row under its mode; null when there is none.
    QTreeWidgetItem* FavoriteItem(int mode, int row) const;

    // The tool bar's commands.
    void EditFavorite();
    void DeleteFavorite();

private:
    void FillTree();
    void SelectionChanged();
    // The favorite of the selected tree item, null for a mode item or a favorite gone.
    CFavorite* SelectedFavorite() const;

    CFavoritesList& favorites;
    Prompter& prompter;
    bool changed = false;
    QComboBox* tuningCombo = nullptr;
    CComboChoiceList* tunings = nullptr;
    QTreeWidget* tree = nullptr;
    QPlainTextEdit* descriptionBox = nullptr;
    QAction* editAction = nullptr;
    QAction* deleteAction = nullptr;
};
