#include "dialogs/progression_manager_dlg.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/add_progression_dlg.h"
#include "dialogs/combo_choice_list.h"
#include "dialogs/file_choosers.h"
#include "dialogs/pictures.h"
#include "dialogs/progression_editor_dlg.h"
#include "dialogs/rename_progression_dlg.h"
#include "dialogs/sort_list_ctrl.h"
#include "library/exchange_file.h"
#include "library/export_flow.h"
#include "library/import_flow.h"
#include "library/library_file.h"
#include "library/pattern_edit.h"
#include "library/progression_list.h"
#include "settings/app_settings.h"
#include "sound/progression_manager_player.h"
#include "util/display_format.h"
#include "util/prompter.h"

namespace {

constexpr int kIdRole = Qt::UserRole;

// The details of the selected progression: bold keys and their values; while it has no
// rows it says how to fill it.
class CDetailsList : public QTreeWidget {
public:
    explicit CDetailsList(QWidget* parent) : QTreeWidget(parent) {
        setColumnCount(2);
        setHeaderLabels({"Key", "Value"});
        setRootIsDecorated(false);
        setSelectionMode(QAbstractItemView::NoSelection);
        setFocusPolicy(Qt::NoFocus);
        setTextElideMode(Qt::ElideRight);
        header()->setStretchLastSection(true);
        header()->setSectionsClickable(false);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QTreeWidget::paintEvent(event);
        if (topLevelItemCount() > 0) {
            return;
        }
        QPainter painter(viewport());
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(viewport()->rect().adjusted(6, 5, -6, -5),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, kNoDetailsText);
    }
};

}  // namespace

CProgressionManagerDlg::CProgressionManagerDlg(const CLibraryContext& given, int currentTuningKey,
                                               QWidget* parent)
    : CFramedDialog("Progression Manager", parent), context(given) {
    // Everything the manager does takes effect at once: it only closes.
    Buttons()->setStandardButtons(QDialogButtonBox::Close);
    player = std::make_unique<CProgressionManagerPlayer>(context.player, context.progressions);
    QToolBar* bar = ToolBar();
    const auto add = [this, bar](const char* icon, const char* text, const char* tip,
                                 void (CProgressionManagerDlg::*slot)()) {
        QAction* action = bar->addAction(LoadIcon(icon), text);
        action->setToolTip(tip);
        connect(action, &QAction::triggered, this, slot);
        actions.append(action);
        return action;
    };
    newAction =
        add("new", "&New", "Make a new progression", &CProgressionManagerDlg::NewProgression);
    editAction = add("edit", "&Edit", "Edit the selected progression",
                     &CProgressionManagerDlg::EditProgression);
    deleteAction = add("delete", "&Delete", "Delete the selected progression",
                       &CProgressionManagerDlg::DeleteProgression);
    bar->addSeparator();
    exportAction = add("export", "E&xport", "Export the selected progression to a file",
                       &CProgressionManagerDlg::Export);
    importAction = add("import", "&Import", "Import a progression from a file",
                       &CProgressionManagerDlg::Import);
    bar->addSeparator();
    stopAction = add("stop", "St&op", "Stop playing", &CProgressionManagerDlg::Stop);
    playAction =
        add("play", "&Play", "Play the selected progression", &CProgressionManagerDlg::Play);
    deleteAction->setShortcut(QKeySequence::Delete);

    auto* layout = new QVBoxLayout(Body());
    auto* tuningRow = new QHBoxLayout;
    tuningCombo = new QComboBox(Body());
    tunings = new CComboChoiceList(*tuningCombo);
    auto* tuningLabel = new QLabel("&Tuning:", Body());
    tuningLabel->setBuddy(tuningCombo);
    tuningName = new QLabel(Body());
    tuningName->setTextFormat(Qt::PlainText);
    tuningRow->addWidget(tuningLabel);
    tuningRow->addWidget(tuningCombo);
    tuningRow->addWidget(tuningName, 1);
    layout->addLayout(tuningRow);

    list = new CSortListCtrl(Body());
    list->setHeaderLabels({"Name"});
    list->header()->hide();
    list->header()->setStretchLastSection(true);
    list->UseDarkColours();
    list->setMinimumHeight(150);
    list->setAccessibleName("Progressions");
    layout->addWidget(list, 3);
    details = new CDetailsList(Body());
    details->setMinimumHeight(130);
    details->setAccessibleName("Details");
    layout->addWidget(details, 2);

    FillLibraryTuningList(*tunings, currentTuningKey);
    connect(tuningCombo, &QComboBox::currentIndexChanged, this,
            &CProgressionManagerDlg::TuningChanged);
    connect(list, &QTreeWidget::itemSelectionChanged, this, &CProgressionManagerDlg::UpdateToolBar);
    MakeEnterActivate(list);
    connect(list, &QTreeWidget::itemActivated, this, &CProgressionManagerDlg::EditProgression);
    connect(&playTimer, &QTimer::timeout, this, &CProgressionManagerDlg::PlayTick);
    TuningChanged();
    setMinimumSize(440, 480);
}

CProgressionManagerDlg::~CProgressionManagerDlg() {
    playTimer.stop();
    delete tunings;
}

QAction* CProgressionManagerDlg::Action(const QString& text) const {
    for (QAction* action : actions) {
        if (QString(action->text()).remove('&') == text) {
            return action;
        }
    }
    return nullptr;
}

bool CProgressionManagerDlg::IsPlaying() const {
    return player->IsPlaying();
}

int CProgressionManagerDlg::PlayPeriodMs() const {
    return player->PeriodMs();
}

int CProgressionManagerDlg::SelectedTuning() const {
    return tunings->SelectedValue();
}

void CProgressionManagerDlg::SelectTuning(int tuningKey) {
    if (tunings->SelectValue(tuningKey)) {
        TuningChanged();
    }
}

void CProgressionManagerDlg::TuningChanged() {
    StopPlaying();
    tuningName->setText(QString::fromStdString(LibraryTuningName(SelectedTuning())));
    FillList();
}

void CProgressionManagerDlg::FillList() {
    list->clear();
    std::vector<CProgression*> found;
    context.progressions.CollectInTuning(SelectedTuning(), found);
    for (const CProgression* progression : found) {
        auto* item = new QTreeWidgetItem(QStringList{QString::fromStdString(progression->name)});
        item->setData(0, kIdRole, progression->id);
        list->addTopLevelItem(item);
    }
    UpdateToolBar();
}

CProgression* CProgressionManagerDlg::SelectedProgression() const {
    const int row = list->SelectedRow();
    if (row < 0) {
        return nullptr;
    }
    return context.progressions.FindProgression(list->topLevelItem(row)->data(0, kIdRole).toInt());
}

void CProgressionManagerDlg::UpdateToolBar() {
    const bool selected = list->SelectedRow() >= 0;
    const bool rows = list->topLevelItemCount() > 0;
    const bool playing = player->IsPlaying();
    editAction->setEnabled(selected);
    deleteAction->setEnabled(selected);
    exportAction->setEnabled(selected);
    stopAction->setEnabled(rows && playing);
    playAction->setEnabled(selected && rows && !playing);
    ShowDetails();
}

void CProgressionManagerDlg::ShowDetails() {
    details->clear();
    const CProgression* progression = SelectedProgression();
    if (progression == nullptr) {
        return;
    }
    const auto row = [this](const char* key, const std::string& value) {
        auto* item = new QTreeWidgetItem(
            QStringList{key, QStringLiteral("  ") + QString::fromStdString(value)});
        QFont bold = details->font();
        bold.setBold(true);
        item->setFont(0, bold);
        item->setToolTip(1, QString::fromStdString(value));
        details->addTopLevelItem(item);
    };
    row("Description:", progression->description);
    row("# patterns:", std::to_string(progression->patterns.Count()));
    row("BPM:", std::to_string(ClampProgressionBpm(progression->BPM)));
    row("Created:", DateTimeText(static_cast<std::time_t>(progression->created), false));
    row("Modified:", DateTimeText(static_cast<std::time_t>(progression->modified), false));
    details->resizeColumnToContents(0);
    details->setColumnWidth(0, details->columnWidth(0) + 5);
}

void CProgressionManagerDlg::Play() {
    if (context.settings.soundPack.empty()) {
        context.prompter.Show(PromptKind::Information, kLibraryMessageTitle, kNoSoundPackMessage);
        return;
    }
    const int row = list->SelectedRow();
    if (row < 0) {
        return;
    }
    if (!player->Play(list->topLevelItem(row)->data(0, kIdRole).toInt(), row)) {
        return;
    }
    list->MarkPlaying(row);
    playTimer.start(player->PeriodMs());
    UpdateToolBar();
}

void CProgressionManagerDlg::PlayTick() {
    if (player->Tick()) {
        return;
    }
    playTimer.stop();
    list->MarkPlaying(-1);
    UpdateToolBar();
}

void CProgressionManagerDlg::StopPlaying() {
    playTimer.stop();
    if (player->IsPlaying()) {
        player->Stop();
    }
    list->MarkPlaying(-1);
}

void CProgressionManagerDlg::Stop() {
    playTimer.stop();
    player->Stop();
    list->MarkPlaying(-1);
    UpdateToolBar();
}

void CProgressionManagerDlg::NewProgression() {
    StopPlaying();
    CAddProgressionDlg dialog(context, SelectedTuning(), this);
    if (RunModal(dialog) == QDialog::Accepted && dialog.Created() != nullptr) {
        const int id = dialog.Created()->id;
        FillList();
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            if (list->topLevelItem(row)->data(0, kIdRole).toInt() == id) {
                list->SelectRow(row);
            }
        }
    }
    UpdateToolBar();
}

void CProgressionManagerDlg::EditProgression() {
    CProgression* progression = SelectedProgression();
    if (progression == nullptr) {
        return;
    }
    // The editor's OK replaces the stored progression.
    StopPlaying();
    const int row = list->SelectedRow();
    CProgressionEditorDlg editor(context, *progression, this);
    if (RunModal(editor) == QDialog::Accepted && editor.Stored() != nullptr) {
        list->topLevelItem(row)->setText(0, QString::fromStdString(editor.Stored()->name));
    }
    UpdateToolBar();
}

void CProgressionManagerDlg::DeleteProgression() {
    const int row = list->SelectedRow();
    if (row < 0) {
        return;
    }
    StopPlaying();
    const int id = list->topLevelItem(row)->data(0, kIdRole).toInt();
    if (DeleteRowAsking(*list, row, context.prompter)) {
        context.progressions.RemoveProgression(id);
    }
    UpdateToolBar();
}

void CProgressionManagerDlg::Export() {
    CProgression* progression = SelectedProgression();
    if (progression == nullptr) {
        return;
    }
    QString suggested = QString::fromStdString(progression->name) + kExchangeExtension;
    for (;;) {
        const QString chosen = ChooseExportFile(this, suggested);
        if (chosen.isEmpty()) {
            return;
        }
        const QFileInfo info(chosen);
        QString name = info.fileName();
        if (name.endsWith(kExchangeExtension, Qt::CaseInsensitive)) {
            name.chop(QString(kExchangeExtension).size());
        }
        std::string file;
        if (CExportFlow::CheckDestination(info.absolutePath().toStdString() + "/",
                                          name.toStdString(), context.prompter,
                                          file) == CExportFlow::Check::Proceed) {
            CExportFlow::Finish(*progression, file, context.prompter);
            return;
        }
        // Refused or not to be replaced: the player chooses again.
        suggested = chosen;
    }
}

void CProgressionManagerDlg::Import() {
    StopPlaying();
    const QString chosen = ChooseImportFile(this);
    if (chosen.isEmpty()) {
        UpdateToolBar();
        return;
    }
    const QFileInfo info(chosen);
    std::string path;
    if (!CImportFlow::CheckChoice(info.absolutePath().toStdString() + "/",
                                  info.fileName().toStdString(), context.prompter, path)) {
        return;
    }
    CImportFlow import(context.progressions, context.prompter);
    if (!import.Read(path)) {
        UpdateToolBar();
        return;
    }
    while (import.NeedsNewName()) {
        CRenameProgressionDlg rename(import, this);
        if (RunModal(rename) != QDialog::Accepted) {
            import.Cancel();
            UpdateToolBar();
            return;
        }
    }
    const CProgression* added = import.Finish();
    if (added != nullptr && added->tuningKey == SelectedTuning()) {
        auto* item = new QTreeWidgetItem(QStringList{QString::fromStdString(added->name)});
        item->setData(0, kIdRole, added->id);
        list->addTopLevelItem(item);
        list->SelectRow(list->topLevelItemCount() - 1);
    }
    UpdateToolBar();
}

void CProgressionManagerDlg::OnCancel() {
    StopPlaying();
}

void CProgressionManagerDlg::done(int result) {
    StopPlaying();
    CFramedDialog::done(result);
}
