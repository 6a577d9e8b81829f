#include "dialogs/settings/sound_settings_pages.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/beat_lamp.h"
#include "dialogs/pick_pattern_list_ctrl.h"
#include "dialogs/pictures.h"
#include "dialogs/settings/tempo_box.h"
#include "dialogs/sort_list_ctrl.h"
#include "library/library_messages.h"
#include "music/scale.h"
#include "settings/app_settings.h"
#include "sound/sound_messages.h"
#include "util/prompter.h"

namespace {

const QString kTestText = QStringLiteral("Test");
const QString kStopTestText = QStringLiteral("Stop Test");

// Playing needs a chosen pack; the player is told where to choose one.
bool SoundPackChosen(const CAppSettings& settings, Prompter& prompter) {
    if (!TrimSpaces(settings.soundPack).empty()) {
        return true;
    }
    prompter.Show(PromptKind::Information, sound_messages::kTitle, sound_messages::kNoSoundPack);
    return false;
}

QCheckBox* StopPlayingBox() {
    return new QCheckBox(QStringLiteral("Stop playing note before starting next"));
}

QHBoxLayout* TestRow(QPushButton* test, QCheckBox* loop) {
    auto* row = new QHBoxLayout;
    test->setMinimumWidth(test->fontMetrics().horizontalAdvance(kStopTestText) + 24);
    row->addWidget(test);
    row->addWidget(loop);
    row->addStretch(1);
    return row;
}

}  // namespace

// ---- "Chords" ----------------------------------------------------------------------------

CSoundSettingsPage1::CSoundSettingsPage1(CAppSettings& appSettings, const CTuning& viewTuning,
                                         NotePlayer& notePlayer, Prompter& messages,
                                         QWidget* parent)
    : CSettingsPage(parent),
      settings(appSettings),
      prompter(messages),
      testTuning(viewTuning),
      player(notePlayer, testTuning),
      strum(new QRadioButton(QStringLiteral("Strum"))),
      pick(new QRadioButton(QStringLiteral("Pick"))),
      tempo(new CTempoBox(QStringLiteral("Pick/Loop play speed"))),
      patternGroup(new QGroupBox(QStringLiteral("Pick pattern"))),
      patterns(new CPickPatternListCtrl(appSettings, messages)),
      stopPlaying(StopPlayingBox()),
      test(new QPushButton(kTestText)),
      loop(new QCheckBox(QStringLiteral("Loop"))) {
    strum->setObjectName(QStringLiteral("strum"));
    pick->setObjectName(QStringLiteral("pick"));
    tempo->setObjectName(QStringLiteral("chordTempo"));
    patterns->setObjectName(QStringLiteral("patterns"));
    stopPlaying->setObjectName(QStringLiteral("chordStopPlaying"));
    test->setObjectName(QStringLiteral("chordTest"));
    loop->setObjectName(QStringLiteral("chordLoop"));
    test->setAutoDefault(false);
    timer.setTimerType(Qt::PreciseTimer);

    auto* playRow = new QHBoxLayout;
    playRow->addWidget(strum);
    playRow->addWidget(pick);
    playRow->addStretch(1);

    patternGroup->setObjectName(QStringLiteral("patternGroup"));
    auto* patternLayout = new QVBoxLayout(patternGroup);
    patternLayout->addWidget(patterns);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(playRow);
    layout->addWidget(tempo);
    layout->addWidget(patternGroup, 1);
    layout->addWidget(stopPlaying);
    layout->addLayout(TestRow(test, loop));

    connect(strum, &QRadioButton::clicked, this, &CSoundSettingsPage1::StrumChosen);
    connect(pick, &QRadioButton::clicked, this, &CSoundSettingsPage1::PickChosen);
    connect(tempo, &CTempoBox::TempoChanged, this, &CSoundSettingsPage1::RestartTimer);
    connect(patterns, &CPickPatternListCtrl::SelectionChanged, this,
            &CSoundSettingsPage1::PatternSelected);
    patterns->SetBeforeEdit([this] { StopTest(); });
    // Return in the pattern field adds the pattern; it must not reach the sheet's OK.
    patterns->PatternEdit()->installEventFilter(this);
    connect(stopPlaying, &QCheckBox::clicked, this,
            [this](bool on) { settings.stopPlayingNote = on ? 1 : 0; });
    connect(test, &QPushButton::clicked, this, &CSoundSettingsPage1::TestClicked);
    connect(&timer, &QTimer::timeout, this, &CSoundSettingsPage1::OnTimer);
}

void CSoundSettingsPage1::Initialize() {
    tempo->SetTempo(settings.chordBpm);
    stopPlaying->setChecked(settings.stopPlayingNote == 1);
    patterns->Fill(settings.currentPattern);
    if (settings.strum == 1) {
        strum->setChecked(true);
        StrumChosen();
    } else {
        pick->setChecked(true);
        PickChosen();
    }
}

bool CSoundSettingsPage1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == patterns->PatternEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (patterns->AddButton()->isEnabled()) {
                patterns->Add();
            }
            return true;
        }
    }
    return CSettingsPage::eventFilter(watched, event);
}

void CSoundSettingsPage1::StrumChosen() {
    StopTest();
    RestartTimer();
    testTuning.strum = 1;
    testTuning.pickPattern.clear();
    patterns->SetEditable(false);
    patternGroup->setEnabled(false);
}

void CSoundSettingsPage1::PickChosen() {
    StopTest();
    RestartTimer();
    testTuning.strum = 0;
    testTuning.SetPickPattern(settings.currentPattern);
    patternGroup->setEnabled(true);
    patterns->SetEditable(true);
}

void CSoundSettingsPage1::PatternSelected(const QString& text) {
    if (!text.isEmpty()) {
        // A chosen row is the current pattern at once, OK or Cancel.
        settings.currentPattern = text.toStdString();
        testTuning.SetPickPattern(settings.currentPattern);
        return;
    }
    // The current pattern was deleted: the built-in one takes its place.
    const std::string mended = patterns->Library().CurrentAfterEdits(settings.currentPattern);
    if (mended != settings.currentPattern) {
        settings.currentPattern = mended;
        patterns->FindAndSelect(mended);
    }
}

void CSoundSettingsPage1::TestClicked() {
    if (player.IsTesting()) {
        StopTest();
        return;
    }
    if (!SoundPackChosen(settings, prompter)) {
        return;
    }
    if (testTuning.strum != 1 && !patterns->SelectedText().empty()) {
        testTuning.SetPickPattern(patterns->SelectedText());
    }
    player.StartTest(loop->isChecked());
    ShowTestState();
}

void CSoundSettingsPage1::StopTest() {
    player.StopTest();
    ShowTestState();
}

void CSoundSettingsPage1::ShowTestState() {
    test->setText(player.IsTesting() ? kStopTestText : kTestText);
    loop->setEnabled(!player.IsTesting());
}

void CSoundSettingsPage1::RestartTimer() {
    player.SetBpm(tempo->Tempo());
    if (active) {
        timer.start(player.PeriodMs());
    }
}

void CSoundSettingsPage1::OnTimer() {
    tempo->Lamp()->SetLit(player.Tick());
    ShowTestState();
}

void CSoundSettingsPage1::OnActivate() {
    active = true;
    RestartTimer();
}

void CSoundSettingsPage1::OnDeactivate() {
    active = false;
    timer.stop();
}

void CSoundSettingsPage1::OnOk() {
    timer.stop();
    settings.strum = strum->isChecked() ? 1 : 0;
    settings.chordBpm = tempo->Tempo();
    settings.stopPlayingNote = stopPlaying->isChecked() ? 1 : 0;
}

// ---- "Scales/Modes" ----------------------------------------------------------------------

CSoundSettingsPage2::CSoundSettingsPage2(CAppSettings& appSettings, NotePlayer& notePlayer,
                                         Prompter& messages, QWidget* parent)
    : CSettingsPage(parent),
      settings(appSettings),
      prompter(messages),
      player(notePlayer),
      tempo(new CTempoBox(QStringLiteral("String pick speed"))),
      direction(new QComboBox),
      stopPlaying(StopPlayingBox()),
      test(new QPushButton(kTestText)),
      loop(new QCheckBox(QStringLiteral("Loop"))) {
    tempo->setObjectName(QStringLiteral("scaleTempo"));
    direction->setObjectName(QStringLiteral("direction"));
    stopPlaying->setObjectName(QStringLiteral("scaleStopPlaying"));
    test->setObjectName(QStringLiteral("scaleTest"));
    loop->setObjectName(QStringLiteral("scaleLoop"));
    test->setAutoDefault(false);
    timer.setTimerType(Qt::PreciseTimer);

    auto* patternGroup = new QGroupBox(QStringLiteral("Pattern"));
    auto* patternLayout = new QHBoxLayout(patternGroup);
    patternLayout->addWidget(direction, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tempo);
    layout->addWidget(patternGroup);
    layout->addWidget(stopPlaying);
    layout->addLayout(TestRow(test, loop));
    layout->addStretch(1);

    connect(tempo, &CTempoBox::TempoChanged, this, &CSoundSettingsPage2::RestartTimer);
    connect(stopPlaying, &QCheckBox::clicked, this,
            [this](bool on) { settings.scaleStopPlayingNote = on ? 1 : 0; });
    connect(test, &QPushButton::clicked, this, &CSoundSettingsPage2::TestClicked);
    connect(&timer, &QTimer::timeout, this, &CSoundSettingsPage2::OnTimer);
}

void CSoundSettingsPage2::Initialize() {
    tempo->SetTempo(settings.scaleBpm);
    stopPlaying->setChecked(settings.scaleStopPlayingNote == 1);
    for (int value = 0; value < kLoopDirectionCount; ++value) {
        direction->addItem(QString::fromUtf8(LoopDirectionName(value)), value);
    }
    // A stored value no entry has selects the first direction, so OK never stores "none".
    const int row = direction->findData(settings.scalePattern);
    direction->setCurrentIndex(row >= 0 ? row : 0);
}

void CSoundSettingsPage2::TestClicked() {
    if (player.IsTesting()) {
        StopTest();
        return;
    }
    if (!SoundPackChosen(settings, prompter)) {
        return;
    }
    player.StartTest(LoopDirectionFromNumber(direction->currentData().toInt()), loop->isChecked(),
                     settings.scaleStopPlayingNote == 1);
    ShowTestState();
}

void CSoundSettingsPage2::StopTest() {
    player.StopTest();
    ShowTestState();
}

void CSoundSettingsPage2::ShowTestState() {
    test->setText(player.IsTesting() ? kStopTestText : kTestText);
    loop->setEnabled(!player.IsTesting());
}

void CSoundSettingsPage2::RestartTimer() {
    player.SetBpm(tempo->Tempo());
    if (active) {
        timer.start(player.PeriodMs());
    }
}

void CSoundSettingsPage2::OnTimer() {
    tempo->Lamp()->SetLit(player.Tick());
    ShowTestState();
}

void CSoundSettingsPage2::OnActivate() {
    active = true;
    RestartTimer();
}

void CSoundSettingsPage2::OnDeactivate() {
    active = false;
    timer.stop();
}

void CSoundSettingsPage2::OnOk() {
    timer.stop();
    settings.scaleBpm = tempo->Tempo();
    settings.scaleStopPlayingNote = stopPlaying->isChecked() ? 1 : 0;
    settings.scalePattern = direction->currentData().toInt();
}

// ---- "Sound Packs" -----------------------------------------------------------------------

CSoundSettingsPage3::CSoundSettingsPage3(CAppSettings& appSettings, CSoundEngine& engine,
                                         Prompter& messages, QWidget* parent)
    : CSettingsPage(parent),
      settings(appSettings),
      soundSettings(appSettings),
      prompter(messages),
      library(engine, soundSettings, messages),
      current(new QLineEdit),
      unload(new QPushButton(QStringLiteral("Unload"))),
      directories(new QListWidget),
      add(new QPushButton(QStringLiteral("Add..."))),
      remove(new QPushButton(QStringLiteral("Delete"))),
      packs(new CSortListCtrl),
      refresh(new QPushButton(QStringLiteral("Refresh"))),
      load(new QPushButton(QStringLiteral("Load"))) {
    current->setObjectName(QStringLiteral("currentPack"));
    unload->setObjectName(QStringLiteral("unload"));
    directories->setObjectName(QStringLiteral("directories"));
    add->setObjectName(QStringLiteral("addDirectory"));
    remove->setObjectName(QStringLiteral("deleteDirectory"));
    packs->setObjectName(QStringLiteral("packs"));
    refresh->setObjectName(QStringLiteral("refresh"));
    load->setObjectName(QStringLiteral("load"));
    for (QPushButton* button : {unload, add, remove, refresh, load}) {
        button->setAutoDefault(false);
    }
    current->setReadOnly(true);
    packs->setHeaderLabels(
        {QStringLiteral("Name"), QStringLiteral("Path"), QStringLiteral("Size")});
    packs->setRootIsDecorated(false);
    packs->setIconSize(QSize(16, 16));

    auto* currentRow = new QHBoxLayout;
    auto* currentLabel = new QLabel(QStringLiteral("Current:"));
    currentLabel->setBuddy(current);
    currentRow->addWidget(currentLabel);
    currentRow->addWidget(current, 1);
    currentRow->addWidget(unload);

    auto* directoryGroup = new QGroupBox(QStringLiteral("Search directories"));
    auto* directoryLayout = new QHBoxLayout(directoryGroup);
    auto* directoryButtons = new QVBoxLayout;
    directoryButtons->addWidget(add);
    directoryButtons->addWidget(remove);
    directoryButtons->addStretch(1);
    directoryLayout->addWidget(directories, 1);
    directoryLayout->addLayout(directoryButtons);

    auto* packGroup = new QGroupBox(QStringLiteral("Packs found"));
    auto* packLayout = new QHBoxLayout(packGroup);
    auto* packButtons = new QVBoxLayout;
    packButtons->addWidget(refresh);
    packButtons->addWidget(load);
    packButtons->addStretch(1);
    packLayout->addWidget(packs, 1);
    packLayout->addLayout(packButtons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(currentRow);
    layout->addWidget(directoryGroup, 2);
    layout->addWidget(packGroup, 3);

    chooseDirectory = [this] {
        return QFileDialog::getExistingDirectory(this, QStringLiteral("Add Search Directory"),
                                                 QDir::homePath());
    };
    connect(unload, &QPushButton::clicked, this, &CSoundSettingsPage3::UnloadClicked);
    connect(add, &QPushButton::clicked, this, &CSoundSettingsPage3::AddClicked);
    connect(remove, &QPushButton::clicked, this, &CSoundSettingsPage3::DeleteClicked);
    connect(refresh, &QPushButton::clicked, this, &CSoundSettingsPage3::RefreshClicked);
    connect(load, &QPushButton::clicked, this, &CSoundSettingsPage3::LoadClicked);
    connect(packs, &QTreeWidget::itemDoubleClicked, this, &CSoundSettingsPage3::LoadClicked);
    connect(directories, &QListWidget::itemSelectionChanged, this,
            &CSoundSettingsPage3::UpdateButtons);
    connect(packs, &QTreeWidget::itemSelectionChanged, this, &CSoundSettingsPage3::UpdateButtons);
}

void CSoundSettingsPage3::SetDirectoryChooser(std::function<QString()> chooser) {
    chooseDirectory = std::move(chooser);
}

void CSoundSettingsPage3::Initialize() {
    library.Open(settings.spkDirs);
    ShowCurrent();
    ShowDirectories();
    ShowPacks();
}

void CSoundSettingsPage3::ShowCurrent() {
    current->setText(QString::fromStdString(library.CurrentText()));
    current->setCursorPosition(0);
    UpdateButtons();
}

void CSoundSettingsPage3::ShowDirectories() {
    directories->clear();
    for (const std::string& directory : library.Directories()) {
        directories->addItem(QString::fromStdString(directory));
    }
    UpdateButtons();
}

void CSoundSettingsPage3::ShowPacks() {
    packs->clear();
    const QIcon packIcon = LoadIcon(QStringLiteral("sound_pack"));
    const QIcon loadedIcon = LoadIcon(QStringLiteral("sound_pack_loaded"));
    for (const SoundPackRow& row : library.Rows()) {
        auto* item = new QTreeWidgetItem(QStringList{QString::fromStdString(row.name),
                                                     QString::fromStdString(row.path),
                                                     QString::fromStdString(row.sizeText)});
        item->setData(0, Qt::UserRole, row.index);
        item->setIcon(0, row.loaded ? loadedIcon : packIcon);
        if (row.loaded) {
            // Marked in type too, so the loaded pack stands out without its icon.
            QFont font = item->font(0);
            font.setBold(true);
            for (int column = 0; column < 3; ++column) {
                item->setFont(column, font);
            }
        }
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        packs->addTopLevelItem(item);
    }
    if (packs->SortColumn() >= 0) {
        packs->Resort();
    }
    packs->AutoSizeColumns();
    UpdateButtons();
}

void CSoundSettingsPage3::UpdateButtons() {
    unload->setEnabled(library.CanUnload());
    remove->setEnabled(!directories->selectedItems().isEmpty());
    load->setEnabled(packs->SelectedRow() >= 0);
}

void CSoundSettingsPage3::RefreshClicked() {
    library.Discover();
    ShowPacks();
}

void CSoundSettingsPage3::AddClicked() {
    const QString chosen = chooseDirectory ? chooseDirectory() : QString();
    if (chosen.isEmpty()) {
        return;
    }
    library.AddDirectory(chosen.toStdString());
    ShowDirectories();
    ShowPacks();
}

void CSoundSettingsPage3::DeleteClicked() {
    const int row = directories->currentRow();
    if (row < 0 || directories->selectedItems().isEmpty() ||
        static_cast<std::size_t>(row) >= library.Directories().size()) {
        return;
    }
    const std::string question =
        FormatMessage(sound_messages::kDeleteSearchDirectory,
                      {library.Directories()[static_cast<std::size_t>(row)]});
    if (prompter.Show(PromptKind::YesNo, sound_messages::kTitle, question) != PromptAnswer::Yes) {
        return;
    }
    library.DeleteDirectory(row);
    ShowDirectories();
    ShowPacks();
}

void CSoundSettingsPage3::LoadClicked() {
    const int selected = packs->SelectedRow();
    if (selected < 0) {
        UpdateButtons();
        return;
    }
    const int index = packs->topLevelItem(selected)->data(0, Qt::UserRole).toInt();
    const std::vector<SoundPackRow>& rows = library.Rows();
    int row = -1;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (rows[r].index == index) {
            row = static_cast<int>(r);
        }
    }
    if (row < 0) {
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool loaded = library.Load(row);
    QApplication::restoreOverrideCursor();
    ShowCurrent();
    if (loaded) {
        ShowPacks();
    }
    UpdateButtons();
}

void CSoundSettingsPage3::UnloadClicked() {
    if (library.Unload()) {
        ShowCurrent();
        ShowPacks();
    }
}

void CSoundSettingsPage3::OnOk() {
    settings.spkDirs = library.JoinedDirectories();
}
