#include "dialogs/rename_progression_dlg.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "dialogs/combo_choice_list.h"
#include "library/import_flow.h"
#include "library/library_messages.h"
#include "library/progression.h"

CRenameProgressionDlg::CRenameProgressionDlg(CImportFlow& flow, QWidget* parent)
    : CFramedDialog("Rename progression", parent), import(flow) {
    auto* layout = new QVBoxLayout(Body());
    auto* intro = new QLabel(library_messages::kRenameIntro, Body());
    intro->setTextFormat(Qt::PlainText);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* form = new QFormLayout;
    nameEdit = new QLineEdit(Body());
    form->addRow("&Name:", nameEdit);
    layout->addLayout(form);

    auto* details = new QGroupBox("Imported progression details", Body());
    auto* detailsForm = new QFormLayout(details);
    const CProgression* imported = import.Imported();
    auto* tuning = new QLabel(details);
    tuning->setTextFormat(Qt::PlainText);
    auto* importedName = new QLineEdit(details);
    importedName->setReadOnly(true);
    if (imported != nullptr) {
        tuning->setText(QString::fromStdString(LibraryTuningName(imported->tuningKey)));
        importedName->setText(QString::fromStdString(imported->name));
    }
    detailsForm->addRow("Tuning:", tuning);
    detailsForm->addRow("Name:", importedName);
    layout->addWidget(details);
    layout->addStretch(1);
    nameEdit->setFocus();
    setMinimumWidth(380);
}

bool CRenameProgressionDlg::OnOk() {
    if (import.TryNewName(nameEdit->text().toStdString())) {
        return true;
    }
    nameEdit->setFocus();
    nameEdit->selectAll();
    return false;
}
