#include "dialogs/progression_editor_dlg.h"

#include <QAction>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QToolBar>
#include <QVBoxLayout>

#include "dialogs/beat_lamp.h"
#include "dialogs/pattern_dlg.h"
#include "dialogs/pictures.h"
#include "dialogs/sort_list_ctrl.h"
#include "library/favorites_list.h"
#include "library/library_file.h"
#include "library/library_messages.h"
#include "library/pattern_edit.h"
#include "library/progression_edits.h"
#include "library/progression_list.h"
#include "settings/app_settings.h"
#include "sound/progression_editor_player.h"
#include "util/prompter.h"

namespace {

constexpr int kIdRole = Qt::UserRole;

}  // namespace

CProgressionEditorDlg::CProgressionEditorDlg(const CLibraryContext& given, CProgression& edited,
                                             QWidget* parent)
    : CFramedDialog("Progression Editor", parent),
      context(given),
      progressionId(edited.id),
      startingName(edited.name) {
    QToolBar* bar = ToolBar();
    const auto add = [this, bar](const char* icon, const char* text, const char* tip,
                                 void (CProgressionEditorDlg::*slot)()) {
        QAction* action = bar->addAction(LoadIcon(icon), text);
        action->setToolTip(tip);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    addAction = add("add_from_favorite", "&Add from favorite", "Add a pattern made from a favorite",
                    &CProgressionEditorDlg::AddFromFavorite);
    editAction = add("edit_pattern", "&Edit", "Edit the selected pattern",
                     &CProgressionEditorDlg::EditPattern);
    deleteAction = add("delete_pattern", "&Delete", "Delete the selected pattern",
                       &CProgressionEditorDlg::DeletePattern);
    bar->addSeparator();
    downAction = add("move_down", "Move do&wn", "Move the selected pattern down",
                     &CProgressionEditorDlg::MoveDown);
    upAction =
        add("move_up", "Move &up", "Move the selected pattern up", &CProgressionEditorDlg::MoveUp);
    bar->addSeparator();
    stopAction = add("stop", "St&op", "Stop playing", &CProgressionEditorDlg::Stop);
    playAction = add("play", "&Play", "Play from the selected pattern to the end",
                     &CProgressionEditorDlg::Play);
    deleteAction->setShortcut(QKeySequence::Delete);
    downAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Down));
    upAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Up));

    auto* layout = new QVBoxLayout(Body());
    auto* form = new QFormLayout;
    nameEdit = new QLineEdit(QString::fromStdString(edited.name), Body());
    form->addRow("&Name:", nameEdit);
    descriptionEdit = new QLineEdit(QString::fromStdString(edited.description), Body());
    form->addRow("&Description:", descriptionEdit);
    auto* tempoRow = new QHBoxLayout;
    tempoSlider = new QSlider(Qt::Horizontal, Body());
    tempoSlider->setRange(kMinProgressionBpm, kMaxProgressionBpm);
    tempoSlider->setPageStep(10);
    tempoSlider->setAccessibleName("Tempo");
    tempoLabel = new QLabel(Body());
    tempoLabel->setMinimumWidth(tempoLabel->fontMetrics().horizontalAdvance("BPM: 320") + 4);
    lamp = new CBeatLamp(Body());
    tempoRow->addWidget(tempoSlider, 1);
    tempoRow->addWidget(tempoLabel);
    tempoRow->addWidget(lamp);
    auto* tempoCaption = new QLabel("&Tempo:", Body());
    tempoCaption->setBuddy(tempoSlider);
    form->addRow(tempoCaption, tempoRow);
    layout->addLayout(form);

    patternList = new CSortListCtrl(Body());
    patternList->setHeaderLabels({"Name", "Pattern", "Times"});
    patternList->header()->setSectionsClickable(false);
    patternList->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    patternList->header()->setSectionResizeMode(1, QHeaderView::Interactive);
    patternList->header()->setSectionResizeMode(2, QHeaderView::Fixed);
    patternList->UseDarkColours();
    patternList->setMinimumHeight(180);
    patternList->setAccessibleName("Patterns");
    layout->addWidget(patternList, 1);

    copy = CProgressionList::Clone(edited);
    copy->BPM = ClampProgressionBpm(copy->BPM);
    player = std::make_unique<CProgressionEditorPlayer>(context.player, *copy);
    FillPatterns();
    // Play and the row commands are at hand from the start.
    patternList->SelectRow(0);
    connect(patternList, &QTreeWidget::itemSelectionChanged, this,
            &CProgressionEditorDlg::UpdateToolBar);
    MakeEnterActivate(patternList);
    connect(patternList, &QTreeWidget::itemActivated, this, &CProgressionEditorDlg::EditPattern);
    connect(&beatTimer, &QTimer::timeout, this, &CProgressionEditorDlg::BeatTick);
    connect(tempoSlider, &QSlider::valueChanged, this, &CProgressionEditorDlg::TempoChanged);
    tempoSlider->setValue(copy->BPM);
    TempoChanged(tempoSlider->value());
    UpdateToolBar();
    setMinimumSize(460, 440);
}

CProgressionEditorDlg::~CProgressionEditorDlg() {
    beatTimer.stop();
    if (player && player->IsPlaying() && copy) {
        player->Stop();
    }
}

QAction* CProgressionEditorDlg::Action(const QString& text) const {
    for (QAction* action :
         {addAction, editAction, deleteAction, downAction, upAction, stopAction, playAction}) {
        if (QString(action->text()).remove('&') == text) {
            return action;
        }
    }
    return nullptr;
}

bool CProgressionEditorDlg::IsPlaying() const {
    return player->IsPlaying();
}

int CProgressionEditorDlg::BeatPeriodMs() const {
    return player->PeriodMs();
}

void CProgressionEditorDlg::FillPatterns() {
    patternList->clear();
    for (const auto& pattern : copy->patterns.patterns) {
        auto* item = new QTreeWidgetItem;
        patternList->addTopLevelItem(item);
        SetRow(patternList->topLevelItemCount() - 1, *pattern);
    }
    SizeColumns();
}

void CProgressionEditorDlg::SetRow(int row, const CPattern& pattern) {
    QTreeWidgetItem* item = patternList->topLevelItem(row);
    if (item == nullptr) {
        return;
    }
    item->setText(0, QString::fromStdString(pattern.name));
    item->setText(1, QString::fromStdString(pattern.PatternText()));
    item->setText(2, QString::number(pattern.NumTimesToPlay));
    item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    item->setData(0, kIdRole, pattern.id);
}

void CProgressionEditorDlg::SizeColumns() {
    patternList->resizeColumnToContents(1);
    patternList->setColumnWidth(1, std::max(patternList->columnWidth(1), 80));
    patternList->setColumnWidth(2, 40);
}

int CProgressionEditorDlg::SelectedPatternId() const {
    const int row = patternList->SelectedRow();
    return row < 0 ? -1 : patternList->topLevelItem(row)->data(0, kIdRole).toInt();
}

void CProgressionEditorDlg::TempoChanged(int bpm) {
    beatTimer.stop();
    player->SetBpm(ClampProgressionBpm(bpm));
    tempoLabel->setText(QStringLiteral("BPM: %1").arg(copy->BPM));
    beatTimer.start(player->PeriodMs());
}

void CProgressionEditorDlg::BeatTick() {
    const bool wasPlaying = player->IsPlaying();
    lamp->SetLit(player->Tick());
    if (wasPlaying) {
        MarkSounding();
        if (!player->IsPlaying()) {
            UpdateToolBar();
        }
    }
}

void CProgressionEditorDlg::MarkSounding() {
    patternList->MarkPlaying(player->IsPlaying() ? player->MarkedRow() : -1);
}

void CProgressionEditorDlg::Play() {
    if (context.settings.soundPack.empty()) {
        context.prompter.Show(PromptKind::Information, kLibraryMessageTitle, kNoSoundPackMessage);
        return;
    }
    const int row = patternList->SelectedRow();
    if (row < 0) {
        return;
    }
    player->Play(SelectedPatternId(), row);
    MarkSounding();
    UpdateToolBar();
}

void CProgressionEditorDlg::Stop() {
    player->Stop();
    patternList->MarkPlaying(-1);
    UpdateToolBar();
}

void CProgressionEditorDlg::StopForDialog() {
    if (player->IsPlaying()) {
        Stop();
    }
}

void CProgressionEditorDlg::DeletePattern() {
    const int row = patternList->SelectedRow();
    const int id = SelectedPatternId();
    if (row < 0 || !DeleteRowAsking(*patternList, row, context.prompter)) {
        return;
    }
    copy->patterns.RemovePattern(id);
    SizeColumns();
    // The mark stays on the pattern that sounds, wherever it now stands.
    if (player->IsPlaying()) {
        const CPattern* current = copy->CurrentPattern();
        int mark = -1;
        for (int i = 0; current != nullptr && i < copy->patterns.Count(); ++i) {
            if (copy->patterns.patterns[static_cast<std::size_t>(i)].get() == current) {
                mark = i;
            }
        }
        patternList->MarkPlaying(mark);
    }
    UpdateToolBar();
}

void CProgressionEditorDlg::MoveDown() {
    const int row = patternList->SelectedRow();
    if (row < 0 || row + 1 >= patternList->topLevelItemCount()) {
        return;
    }
    const int id = SelectedPatternId();
    const int nextId = patternList->topLevelItem(row + 1)->data(0, kIdRole).toInt();
    const CPattern* sounding = player->IsPlaying() ? copy->CurrentPattern() : nullptr;
    const int soundingId = sounding != nullptr ? sounding->id : -1;
    if (!copy->patterns.SwapPatterns(id, nextId)) {
        return;
    }
    patternList->SwapRows(row, row + 1);
    patternList->scrollToItem(patternList->topLevelItem(row + 1));
    if (soundingId >= 0) {
        // The sounding pattern starts its passes again where it now stands; the list's
        // order after it is the new one.
        int soundingRow = -1;
        for (int i = 0; i < copy->patterns.Count(); ++i) {
            if (copy->patterns.patterns[static_cast<std::size_t>(i)]->id == soundingId) {
                soundingRow = i;
            }
        }
        player->Play(soundingId, soundingRow);
        MarkSounding();
    } else {
        player->ResetPlayback();
    }
    UpdateToolBar();
}

void CProgressionEditorDlg::MoveUp() {
    const int row = patternList->SelectedRow();
    if (row <= 0) {
        return;
    }
    // Moving a row up is moving the row above it down.
    patternList->SelectRow(row - 1);
    MoveDown();
    patternList->SelectRow(row - 1);
    UpdateToolBar();
}

void CProgressionEditorDlg::EditPattern() {
    CPattern* pattern = copy->patterns.FindPattern(SelectedPatternId());
    if (pattern == nullptr) {
        return;
    }
    StopForDialog();
    const int row = patternList->SelectedRow();
    CPatternDlgInput input;
    input.mode = PatternDlgMode::EditPattern;
    input.tuningKey = copy->tuningKey;
    input.progressionId = copy->id;
    input.target = copy.get();
    input.pattern = pattern;
    CPatternDlg dialog(context, input, this);
    if (dialog.Run() == QDialog::Accepted) {
        SetRow(row, *pattern);
        SizeColumns();
    }
    UpdateToolBar();
}

void CProgressionEditorDlg::AddFromFavorite() {
    if (context.favorites.CountFavorites(ProgramMode::ChordPlotter, copy->tuningKey) == 0) {
        context.prompter.Show(
            PromptKind::Information, kLibraryMessageTitle,
            "There are no favorites in this tuning (" + CTuning::TuningCode(copy->tuningKey) + ")");
        return;
    }
    StopForDialog();
    CPatternDlgInput input;
    input.mode = PatternDlgMode::AddFromFavorite;
    input.tuningKey = copy->tuningKey;
    input.progressionId = copy->id;
    input.target = copy.get();
    CPatternDlg dialog(context, input, this);
    if (dialog.Run() == QDialog::Accepted && dialog.Added() != nullptr) {
        auto* item = new QTreeWidgetItem;
        patternList->addTopLevelItem(item);
        SetRow(patternList->topLevelItemCount() - 1, *dialog.Added());
        patternList->SelectRow(patternList->topLevelItemCount() - 1);
        SizeColumns();
    }
    UpdateToolBar();
}

void CProgressionEditorDlg::UpdateToolBar() {
    const int rows = patternList->topLevelItemCount();
    const int row = patternList->SelectedRow();
    const bool selected = row >= 0;
    const bool playing = player->IsPlaying();
    editAction->setEnabled(selected);
    deleteAction->setEnabled(selected);
    // Stop stays usable while something plays, whatever is selected.
    stopAction->setEnabled(rows > 0 && playing);
    playAction->setEnabled(rows > 0 && selected && !playing);
    upAction->setEnabled(selected && rows > 1 && row > 0);
    downAction->setEnabled(selected && rows > 1 && row < rows - 1);
}

bool CProgressionEditorDlg::OnOk() {
    const std::string name = TrimSpaces(nameEdit->text().toStdString());
    if (name.empty()) {
        context.prompter.Show(PromptKind::Information, kLibraryMessageTitle,
                              kEnterEditedProgressionName);
        nameEdit->setFocus();
        return false;
    }
    beatTimer.stop();
    if (player->IsPlaying()) {
        player->Stop();
    }
    CProgression* committed = CProgressionEdits::CommitEditor(
        context.progressions, progressionId, copy, startingName, name,
        descriptionEdit->text().toStdString(), context.prompter);
    if (committed == nullptr) {
        beatTimer.start(player->PeriodMs());
        nameEdit->setFocus();
        nameEdit->selectAll();
        return false;
    }
    stored = committed;
    return true;
}

void CProgressionEditorDlg::OnCancel() {
    beatTimer.stop();
    if (player->IsPlaying()) {
        player->Stop();
    }
}

void CProgressionEditorDlg::done(int result) {
    beatTimer.stop();
    context.settings.progMgrBpm = tempoSlider->value();
    CFramedDialog::done(result);
}
