#pragma once

// CRenameProgressionDlg: asks for a new name when an imported progression's name is taken
// in its tuning. OK keeps the dialog open while the name typed is taken too.
//
//   while (import.NeedsNewName()) {
//       CRenameProgressionDlg rename(import, parent);
//       if (RunModal(rename) != QDialog::Accepted) { import.Cancel(); return; }
//   }

#include "dialogs/framed_dialog.h"

class CImportFlow;
class QLineEdit;

class CRenameProgressionDlg : public CFramedDialog {
    Q_OBJECT

public:
    explicit CRenameProgressionDlg(CImportFlow& import, QWidget* parent = nullptr);

    QLineEdit* NameEdit() const { return nameEdit; }

protected:
    bool OnOk() override;

private:
    CImportFlow& import;
    QLineEdit* nameEdit = nullptr;
};
