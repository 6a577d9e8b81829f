#include "dialogs/add_progression_dlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/combo_choice_list.h"
#include "library/library_file.h"
#include "library/progression_edits.h"
#include "library/progression_list.h"
#include "util/prompter.h"

CAddProgressionDlg::CAddProgressionDlg(const CLibraryContext& given, int currentTuningKey,
                                       QWidget* parent)
    : CFramedDialog("Add Progression", parent), context(given) {
    auto* layout = new QVBoxLayout(Body());
    auto* form = new QFormLayout;
    auto* tuningRow = new QHBoxLayout;
    tuningCombo = new QComboBox(Body());
    tunings = new CComboChoiceList(*tuningCombo);
    tuningName = new QLabel(Body());
    tuningName->setTextFormat(Qt::PlainText);
    tuningRow->addWidget(tuningCombo);
    tuningRow->addWidget(tuningName, 1);
    auto* tuningCaption = new QLabel("&Tuning:", Body());
    tuningCaption->setBuddy(tuningCombo);
    form->addRow(tuningCaption, tuningRow);
    nameEdit = new QLineEdit(Body());
    form->addRow("&Name:", nameEdit);
    descriptionEdit = new QLineEdit(Body());
    form->addRow("&Description:", descriptionEdit);
    layout->addLayout(form);

    createNew = new QRadioButton("C&reate new", Body());
    copyExisting = new QRadioButton("&Copy from existing progression", Body());
    layout->addWidget(createNew);
    layout->addWidget(copyExisting);
    sourceGroup = new QGroupBox("Progression to copy", Body());
    auto* sourceLayout = new QVBoxLayout(sourceGroup);
    sourceCombo = new QComboBox(sourceGroup);
    sources = new CComboChoiceList(*sourceCombo);
    sourceLayout->addWidget(sourceCombo);
    layout->addWidget(sourceGroup);
    layout->addStretch(1);

    FillLibraryTuningList(*tunings, currentTuningKey);
    createNew->setChecked(true);
    connect(tuningCombo, &QComboBox::currentIndexChanged, this, &CAddProgressionDlg::TuningChanged);
    connect(createNew, &QRadioButton::toggled, this, &CAddProgressionDlg::ChoiceChanged);
    TuningChanged();
    nameEdit->setFocus();
    setMinimumWidth(380);
}

CAddProgressionDlg::~CAddProgressionDlg() {
    delete tunings;
    delete sources;
}

void CAddProgressionDlg::TuningChanged() {
    const int key = tunings->SelectedValue();
    tuningName->setText(QString::fromStdString(LibraryTuningName(key)));
    context.progressions.FillProgressionChooser(*sources, key, -1);
    const bool canCopy = key >= 0 && context.progressions.CountInTuning(key) > 0;
    copyExisting->setEnabled(canCopy);
    // A copy needs a progression to copy: without one the choice is "Create new".
    if (!canCopy) {
        createNew->setChecked(true);
    }
    ChoiceChanged();
}

void CAddProgressionDlg::ChoiceChanged() {
    const bool copy = copyExisting->isChecked();
    sourceGroup->setEnabled(copy);
    sourceCombo->setEnabled(copy);
}

bool CAddProgressionDlg::OnOk() {
    const int key = tunings->SelectedValue();
    if (key < 0) {
        context.prompter.Show(PromptKind::Information, kLibraryMessageTitle, kChooseTuning);
        tuningCombo->setFocus();
        return false;
    }
    const bool copy = copyExisting->isChecked();
    const int sourceId = sources->SelectedValue();
    if (copy && context.progressions.FindProgression(sourceId) == nullptr) {
        context.prompter.Show(PromptKind::Information, kLibraryMessageTitle, kCopySourceGone);
        return false;
    }
    created = CProgressionEdits::AddProgression(
        context.progressions, nameEdit->text().toStdString(), key,
        descriptionEdit->text().toStdString(), copy, sourceId, context.prompter);
    if (created == nullptr) {
        nameEdit->setFocus();
        nameEdit->selectAll();
        return false;
    }
    return true;
}
