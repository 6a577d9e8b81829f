#include "dialogs/pick_pattern_list_ctrl.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "dialogs/pictures.h"
#include "dialogs/sort_list_ctrl.h"
#include "library/library_file.h"
#include "settings/app_settings.h"
#include "util/prompter.h"

CPickPatternListCtrl::CPickPatternListCtrl(CAppSettings& appSettings, Prompter& messages,
                                           QWidget* parent)
    : QWidget(parent), settings(appSettings), prompter(messages) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    list = new CSortListCtrl(this);
    list->setHeaderLabels({"Pattern"});
    list->header()->hide();
    list->header()->setStretchLastSection(true);
    list->setMinimumHeight(90);
    list->setAccessibleName("Pick patterns");
    layout->addWidget(list, 1);

    auto* row = new QHBoxLayout;
    edit = new QLineEdit(this);
    edit->setMaxLength(kMaxPickPatternLength);
    edit->setPlaceholderText("e.g. 1R3R");
    edit->setAccessibleName("Pattern");
    addButton = new QPushButton("Add", this);
    deleteButton = new QPushButton("Delete", this);
    row->addWidget(edit, 1);
    row->addWidget(addButton);
    row->addWidget(deleteButton);
    layout->addLayout(row);

    connect(list, &QTreeWidget::itemSelectionChanged, this, &CPickPatternListCtrl::RowChosen);
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) {
        UpdateButtons();
        emit PatternTextEdited(text);
    });
    // Enter in the pattern box adds the pattern; it must not reach the dialog's OK.
    edit->installEventFilter(this);
    connect(addButton, &QPushButton::clicked, this, &CPickPatternListCtrl::Add);
    connect(deleteButton, &QPushButton::clicked, this, &CPickPatternListCtrl::Delete);
    UpdateButtons();
}

bool CPickPatternListCtrl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (addButton->isEnabled()) {
                Add();
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

CPickPatternListCtrl::~CPickPatternListCtrl() {
    library.WriteBack(settings.patterns, settings.currentPattern);
}

void CPickPatternListCtrl::Fill(const std::string& currentPattern) {
    library.Fill(settings.patterns, currentPattern);
    ShowRows();
}

bool CPickPatternListCtrl::FindAndSelect(const std::string& text) {
    if (!library.FindAndSelect(text)) {
        return false;
    }
    ShowRows();
    return true;
}

void CPickPatternListCtrl::SetEditable(bool on) {
    editable = on;
    list->setEnabled(on);
    edit->setEnabled(on);
    UpdateButtons();
}

void CPickPatternListCtrl::Add() {
    if (beforeEdit) {
        beforeEdit();
    }
    switch (library.Add(edit->text().toStdString())) {
        case CPickPatternLibrary::AddResult::Added:
            ShowRows();
            edit->clear();
            break;
        case CPickPatternLibrary::AddResult::Exists:
            ShowRows();
            prompter.Show(PromptKind::Information, kLibraryMessageTitle, kPatternExistsMessage);
            edit->setFocus();
            break;
        case CPickPatternLibrary::AddResult::Invalid:
            prompter.Show(PromptKind::Information, kLibraryMessageTitle, kInvalidPatternMessage);
            edit->setFocus();
            break;
    }
}

void CPickPatternListCtrl::Delete() {
    if (beforeEdit) {
        beforeEdit();
    }
    if (library.DeleteSelected()) {
        ShowRows();
    }
}

void CPickPatternListCtrl::ShowRows() {
    {
        const QSignalBlocker blocker(list);
        list->clear();
        const QIcon icon = LoadIcon("191");
        for (const std::string& text : library.Rows()) {
            auto* item = new QTreeWidgetItem(QStringList{QString::fromStdString(text)});
            item->setIcon(0, icon);
            list->addTopLevelItem(item);
        }
        list->SelectRow(library.Selected());
        if (library.Selected() >= 0) {
            // The chosen row at the top, as far as the list scrolls.
            list->scrollToItem(list->topLevelItem(library.Selected()),
                               QAbstractItemView::PositionAtTop);
        }
    }
    UpdateButtons();
    emit SelectionChanged(QString::fromStdString(library.SelectedText()));
}

void CPickPatternListCtrl::RowChosen() {
    library.Select(list->SelectedRow());
    UpdateButtons();
    emit SelectionChanged(QString::fromStdString(library.SelectedText()));
}

void CPickPatternListCtrl::UpdateButtons() {
    addButton->setEnabled(editable && CPickPatternLibrary::CanAdd(edit->text().toStdString()));
    deleteButton->setEnabled(editable && library.CanDelete());
}
