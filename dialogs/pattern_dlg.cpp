#include "dialogs/pattern_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "dialogs/add_progression_dlg.h"
#include "dialogs/combo_choice_list.h"
#include "dialogs/pick_pattern_list_ctrl.h"
#include "guitar/chord.h"
#include "library/favorite_edit.h"
#include "library/favorites_list.h"
#include "library/library_file.h"
#include "library/library_messages.h"
#include "library/pattern_edit.h"
#include "library/progression_edits.h"
#include "library/progression_list.h"
#include "music/chord_type.h"
#include "settings/app_settings.h"
#include "sound/note_player.h"
#include "util/prompter.h"

namespace msg = library_messages;

namespace {

const char* Caption(PatternDlgMode mode) {
    switch (mode) {
        case PatternDlgMode::AddFromFavorite:
            return "Add from Favorite";
        case PatternDlgMode::EditPattern:
            return "Edit Pattern";
        case PatternDlgMode::AddPattern:
        default:
            return "Add Pattern";
    }
}

QLabel* PlainLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

std::string NoteText(int note) {
    return NoteName(note == kNoteGFlat ? kNoteFSharp : note);
}

}  // namespace

CPatternDlg::CPatternDlg(const CLibraryContext& given, const CPatternDlgInput& in, QWidget* parent)
    : CFramedDialog(Caption(in.mode), parent), context(given), input(in), testPlayer(given.player) {
    working = std::make_unique<CChord>(CTuning(input.tuningKey));
    if (input.mode == PatternDlgMode::AddPattern && input.viewChord != nullptr) {
        // A copy: nothing done here changes the chord the main view plays.
        CopyChordWhole(*working, *input.viewChord);
    }
    progressionId = input.progressionId;
    BuildControls();
    connect(&testTimer, &QTimer::timeout, this, &CPatternDlg::TestTick);

    switch (input.mode) {
        case PatternDlgMode::AddFromFavorite:
            chooserLabel->setText("Pick &fav:");
            context.favorites.FillChordFavoriteChooser(*chooser, input.tuningKey);
            newButton->setEnabled(false);
            patterns->Fill(context.settings.currentPattern);
            break;
        case PatternDlgMode::AddPattern: {
            context.progressions.FillProgressionChooser(*chooser, input.tuningKey,
                                                        input.progressionId);
            patterns->Fill(context.settings.currentPattern);
            nameEdit->setText(QString::fromStdString(NoteText(input.note) + " " +
                                                     ChordTypeName(input.chordType)));
            ShowChordTexts(NoteText(input.note), ShortChordTypeText(input.chordType),
                           input.variation, input.dynamic);
            break;
        }
        case PatternDlgMode::EditPattern:
            // The pattern stays in its own progression: the editor's copy is the only one
            // offered, and its names are the ones checked.
            if (input.target != nullptr) {
                chooser->Add(input.target->name, input.target->id);
                chooser->Select(0);
            }
            chooserCombo->setEnabled(false);
            newButton->setEnabled(false);
            if (input.pattern != nullptr) {
                const CPattern& pattern = *input.pattern;
                startingName = pattern.name;
                nameEdit->setText(QString::fromStdString(pattern.name));
                patterns->Fill(pattern.chord.pickPattern);
                CopyChordWhole(*working, pattern.chord);
                timesSpin->setValue(pattern.NumTimesToPlay);
                letRing->setChecked(pattern.letRing != 0);
                ShowChordTexts(NoteText(pattern.chord.root),
                               ShortChordTypeText(pattern.chord.chordType), pattern.chord.variation,
                               pattern.chord.dynamic != 0);
                if (pattern.IsStrummed()) {
                    strumRadio->setChecked(true);
                }
            }
            break;
    }
    StrumChosen(strumRadio->isChecked());
    if (input.mode == PatternDlgMode::AddFromFavorite) {
        ShowFavorite();
    }
    nameEdit->setFocus();
    nameEdit->selectAll();
}

CPatternDlg::~CPatternDlg() {
    testTimer.stop();
    testPlayer.Stop();
    delete chooser;
}

void CPatternDlg::BuildControls() {
    auto* layout = new QVBoxLayout(Body());
    auto* chooserRow = new QHBoxLayout;
    chooserLabel = new QLabel("&Add To:", Body());
    chooserCombo = new QComboBox(Body());
    chooserCombo->setMinimumContentsLength(18);
    chooser = new CComboChoiceList(*chooserCombo);
    chooserLabel->setBuddy(chooserCombo);
    newButton = new QPushButton("&New...", Body());
    chooserRow->addWidget(chooserLabel);
    chooserRow->addWidget(chooserCombo, 1);
    chooserRow->addWidget(newButton);
    layout->addLayout(chooserRow);

    auto* form = new QFormLayout;
    nameEdit = new QLineEdit(Body());
    form->addRow("Na&me:", nameEdit);
    layout->addLayout(form);

    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* playRow = new QHBoxLayout;
    strumRadio = new QRadioButton("&Strum", Body());
    pickRadio = new QRadioButton("&Pick pattern", Body());
    pickRadio->setChecked(true);
    playRow->addWidget(strumRadio);
    playRow->addWidget(pickRadio);
    playRow->addStretch(1);
    left->addLayout(playRow);
    patternGroup = new QGroupBox("Pick patterns", Body());
    auto* patternLayout = new QVBoxLayout(patternGroup);
    patterns = new CPickPatternListCtrl(context.settings, context.prompter, patternGroup);
    patternLayout->addWidget(patterns);
    left->addWidget(patternGroup, 1);
    columns->addLayout(left, 3);

    auto* right = new QVBoxLayout;
    auto* timesRow = new QHBoxLayout;
    timesSpin = new QSpinBox(Body());
    timesSpin->setRange(kMinTimesToPlay, kMaxTimesToPlay);
    timesSpin->setValue(1);
    auto* timesLabel = new QLabel("# &times to play:", Body());
    timesLabel->setBuddy(timesSpin);
    timesRow->addWidget(timesLabel);
    timesRow->addWidget(timesSpin);
    right->addLayout(timesRow);
    letRing = new QCheckBox("&Let notes ring", Body());
    letRing->setChecked(true);
    right->addWidget(letRing);
    testButton = new QPushButton("T&est", Body());
    right->addWidget(testButton);
    auto* chordGroup = new QGroupBox("Chord", Body());
    auto* chordGrid = new QFormLayout(chordGroup);
    noteText = PlainLabel(chordGroup);
    typeText = PlainLabel(chordGroup);
    variationText = PlainLabel(chordGroup);
    dynamicText = PlainLabel(chordGroup);
    chordGrid->addRow("Note:", noteText);
    chordGrid->addRow("Type:", typeText);
    chordGrid->addRow("Var:", variationText);
    chordGrid->addRow("Dyn:", dynamicText);
    right->addWidget(chordGroup);
    right->addStretch(1);
    columns->addLayout(right, 2);
    layout->addLayout(columns, 1);

    connect(strumRadio, &QRadioButton::toggled, this, &CPatternDlg::StrumChosen);
    connect(patterns, &CPickPatternListCtrl::SelectionChanged, this,
            &CPatternDlg::PatternRowChosen);
    patterns->SetBeforeEdit([this] { StopTest(); });
    connect(nameEdit, &QLineEdit::textEdited, this,
            [this](const QString& text) { typedName = !text.isEmpty(); });
    connect(newButton, &QPushButton::clicked, this, &CPatternDlg::NewProgression);
    connect(testButton, &QPushButton::clicked, this, &CPatternDlg::Test);
    connect(chooserCombo, &QComboBox::currentIndexChanged, this, [this] {
        if (input.mode == PatternDlgMode::AddFromFavorite) {
            ShowFavorite();
        }
    });
    setMinimumSize(520, 420);
}

int CPatternDlg::Run() {
    if (input.mode == PatternDlgMode::AddPattern &&
        context.progressions.CountInTuning(input.tuningKey) == 0) {
        context.prompter.Show(PromptKind::Information, kLibraryMessageTitle,
                              msg::kNoProgressionToAddTo);
        NewProgression();
        if (context.progressions.CountInTuning(input.tuningKey) == 0) {
            return QDialog::Rejected;
        }
    }
    return RunModal(*this);
}

QString CPatternDlg::ChordText(const QString& label) const {
    if (label == "Note:") {
        return noteText->text();
    }
    if (label == "Type:") {
        return typeText->text();
    }
    if (label == "Var:") {
        return variationText->text();
    }
    return label == "Dyn:" ? dynamicText->text() : QString();
}

void CPatternDlg::ShowChordTexts(const std::string& note, const std::string& type, int variation,
                                 bool dynamic) {
    noteText->setText(QString::fromStdString(note));
    typeText->setText(QString::fromStdString(type));
    variationText->setText(QString::number(variation));
    dynamicText->setText(dynamic ? "Yes" : "No");
}

void CPatternDlg::StrumChosen(bool strum) {
    patternGroup->setEnabled(!strum);
    patterns->SetEditable(!strum);
    testPlayer.SetStrumSelected(strum);
}

void CPatternDlg::PatternRowChosen(const QString& text) {
    working->SetPickPattern(text.toStdString());
}

void CPatternDlg::ShowFavorite() {
    const CFavorite* favorite = context.favorites.FindFavorite(
        chooser->SelectedValue(), ProgramMode::ChordPlotter, input.tuningKey);
    if (favorite == nullptr) {
        ShowChordTexts("", "", 0, false);
        return;
    }
    StopTest();
    CopyChordWhole(*working, favorite->chord);
    working->strum = strumRadio->isChecked() ? 1 : 0;
    if (working->strum != 0) {
        working->pickPattern.clear();
    } else {
        working->SetPickPattern(patterns->SelectedText());
    }
    const std::string note = NoteText(favorite->chord.root);
    const std::string type = ShortChordTypeText(favorite->chord.chordType);
    ShowChordTexts(note, type, favorite->chord.variation, favorite->chord.dynamic != 0);
    if (!typedName) {
        nameEdit->setText(QString::fromStdString(note + " " + type));
        nameEdit->setFocus();
        nameEdit->selectAll();
        typedName = false;
    }
}

void CPatternDlg::NewProgression() {
    StopTest();
    CAddProgressionDlg dialog(context, input.tuningKey, this);
    if (RunModal(dialog) == QDialog::Accepted && dialog.Created() != nullptr) {
        context.progressions.FillProgressionChooser(*chooser, input.tuningKey,
                                                    dialog.Created()->id);
        return;
    }
    if (isVisible() && context.progressions.CountInTuning(input.tuningKey) == 0) {
        reject();
    }
}

const CProgression* CPatternDlg::TestProgression() const {
    if (input.mode == PatternDlgMode::AddPattern) {
        return context.progressions.FindProgression(chooser->SelectedValue());
    }
    return input.target;
}

void CPatternDlg::Test() {
    if (context.settings.soundPack.empty()) {
        context.prompter.Show(PromptKind::Information, kLibraryMessageTitle, kNoSoundPackMessage);
        return;
    }
    if (strumRadio->isChecked()) {
        StopTest();
        context.player.StrumStrings(*working);
        return;
    }
    if (testPlayer.IsTesting()) {
        StopTest();
        return;
    }
    working->SetPickPattern(patterns->SelectedText());
    testPlayer.Start(*working, PatternTestBpm(TestProgression(), context.settings.chordBpm),
                     timesSpin->value());
    testButton->setText("Stop T&est");
    timesSpin->setEnabled(false);
    testTimer.start(testPlayer.PeriodMs());
}

void CPatternDlg::TestTick() {
    if (!testPlayer.Tick()) {
        StopTest();
    }
}

void CPatternDlg::StopTest() {
    testTimer.stop();
    testPlayer.Stop();
    testButton->setText("T&est");
    timesSpin->setEnabled(true);
}

bool CPatternDlg::OnOk() {
    CPatternEntry entry;
    entry.name = nameEdit->text().toStdString();
    entry.startingName = startingName;
    entry.strum = strumRadio->isChecked();
    entry.pickPattern = entry.strum ? std::string() : patterns->SelectedText();
    entry.numTimesToPlay = timesSpin->value();
    entry.letRing = letRing->isChecked();
    Prompter& prompter = context.prompter;
    bool done = false;
    switch (input.mode) {
        case PatternDlgMode::AddPattern:
            progressionId = chooser->SelectedValue();
            if (CProgressionEdits::CheckPatternEntry(context.progressions, progressionId, entry,
                                                     prompter) &&
                CheckPickPatternChosen(entry, prompter)) {
                StopTest();
                added = CProgressionEdits::AddPattern(context.progressions, progressionId, entry,
                                                      *working, prompter);
                done = added != nullptr;
            }
            break;
        case PatternDlgMode::AddFromFavorite: {
            const CFavorite* favorite = context.favorites.FindFavorite(
                chooser->SelectedValue(), ProgramMode::ChordPlotter, input.tuningKey);
            if (favorite == nullptr || input.target == nullptr) {
                prompter.Show(PromptKind::Information, kLibraryMessageTitle,
                              "Please choose a favorite to add.");
                chooserCombo->setFocus();
                return false;
            }
            if (CheckPatternName(*input.target, entry.name, nullptr, prompter) &&
                CheckPickPatternChosen(entry, prompter)) {
                StopTest();
                added = AddPatternTo(*input.target, entry, favorite->chord, prompter);
                done = added != nullptr;
            }
            break;
        }
        case PatternDlgMode::EditPattern:
            if (input.target != nullptr && input.pattern != nullptr &&
                CheckPatternName(*input.target, entry.name, input.pattern, prompter) &&
                CheckPickPatternChosen(entry, prompter)) {
                StopTest();
                CProgressionEdits::ApplyPatternEntry(*input.pattern, entry);
                done = true;
            }
            break;
    }
    if (!done) {
        nameEdit->setFocus();
        nameEdit->selectAll();
    }
    return done;
}

void CPatternDlg::OnCancel() {
    StopTest();
}
