#include "dialogs/settings/guitar_settings_pages.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "guitar/tuning_choice.h"
#include "settings/app_settings.h"

namespace {

constexpr int kNoRow = -1;
constexpr int kLowestChordSpan = 3;
constexpr int kHighestChordSpan = 6;
constexpr int kLowestScaleSpan = 4;
constexpr int kHighestScaleSpan = 6;
constexpr int kLastOverlayType = 2;

QString SpanText(int frets) {
    return QStringLiteral("%1 frets").arg(frets);
}

void FillSpans(QComboBox* list, int lowest, int highest) {
    for (int frets = lowest; frets <= highest; ++frets) {
        list->addItem(SpanText(frets), frets);
    }
}

// The span entry of a stored value; values outside the list (never stored by the program)
// show its first entry.
void SelectSpan(QComboBox* list, int frets) {
    const int row = list->findData(frets);
    list->setCurrentIndex(row >= 0 ? row : 0);
}

QRadioButton* AddRadio(QButtonGroup* group, QLayout* layout, const char* text, int id,
                       const char* name) {
    auto* radio = new QRadioButton(QString::fromUtf8(text));
    radio->setObjectName(QString::fromUtf8(name));
    group->addButton(radio, id);
    layout->addWidget(radio);
    return radio;
}

}  // namespace

// ---- "Guitar" ----------------------------------------------------------------------------

CGuitarSettingsPage1::CGuitarSettingsPage1(const CTuning& viewTuning, QWidget* parent)
    : CSettingsPage(parent),
      tuning(viewTuning),
      typical(new QRadioButton(QStringLiteral("Typical"))),
      custom(new QRadioButton(QStringLiteral("Custom"))),
      tuningList(new QComboBox),
      description(new QLabel),
      right(new QRadioButton(QStringLiteral("Right"))),
      left(new QRadioButton(QStringLiteral("Left"))) {
    typical->setObjectName(QStringLiteral("typical"));
    custom->setObjectName(QStringLiteral("custom"));
    tuningList->setObjectName(QStringLiteral("tuningList"));
    description->setObjectName(QStringLiteral("description"));
    right->setObjectName(QStringLiteral("right"));
    left->setObjectName(QStringLiteral("left"));
    description->setTextFormat(Qt::PlainText);

    auto* tuningGroup = new QGroupBox(QStringLiteral("Tuning"));
    auto* tuningLayout = new QGridLayout(tuningGroup);
    tuningLayout->addWidget(typical, 0, 0);
    tuningLayout->addWidget(tuningList, 0, 1, 1, 2);
    tuningLayout->addWidget(new QLabel(QStringLiteral("Description:")), 1, 1);
    tuningLayout->addWidget(description, 1, 2);
    tuningLayout->addWidget(custom, 2, 0);
    tuningLayout->addWidget(new QLabel(QStringLiteral("Strings from lowest to highest:")), 2, 1, 1,
                            2);
    auto* strings = new QHBoxLayout;
    for (std::size_t i = 0; i < stringLists.size(); ++i) {
        auto* list = new QComboBox;
        list->setObjectName(QStringLiteral("string%1").arg(i + 1));
        list->setMaxVisibleItems(12);
        strings->addWidget(list);
        stringLists[i] = list;
        connect(list, &QComboBox::activated, this, &CGuitarSettingsPage1::StringListChosen);
    }
    tuningLayout->addLayout(strings, 3, 0, 1, 3);
    tuningLayout->setColumnStretch(2, 1);

    auto* handGroup = new QGroupBox(QStringLiteral("Handedness"));
    auto* handLayout = new QHBoxLayout(handGroup);
    handLayout->addWidget(right);
    handLayout->addWidget(left);
    handLayout->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tuningGroup);
    layout->addWidget(handGroup);
    layout->addStretch(1);

    connect(typical, &QRadioButton::clicked, this, &CGuitarSettingsPage1::TypicalChosen);
    connect(custom, &QRadioButton::clicked, this, &CGuitarSettingsPage1::CustomChosen);
    connect(tuningList, &QComboBox::activated, this, &CGuitarSettingsPage1::TuningListChosen);
}

void CGuitarSettingsPage1::Initialize() {
    (tuning.IsRightHanded() ? right : left)->setChecked(true);
    for (int n = 0; n < kPredefinedTuningCount; ++n) {
        tuningList->addItem(QString::fromStdString(CTuning::TuningCode(n)), n);
    }
    tuningList->setCurrentIndex(tuningList->findData(tuning.tuningType));
    for (QComboBox* list : stringLists) {
        for (const CNote& note : CustomStringNotes()) {
            list->addItem(QString::fromStdString(note.Format()), CustomStringNoteRow(note));
        }
    }
    ShowStringNotes(LowToHighStrings(tuning));
    (tuning.tuningType == kCustomTuning ? custom : typical)->setChecked(true);
    description->setText(QString::fromStdString(CTuning::TuningName(tuning.tuningType)));
    EnableControls();
}

// Each list shows its string's note; a note the lists do not offer (B2 of "Standard B", a
// stored custom note outside C3..B5) is shown as an extra first entry that keeps it.
void CGuitarSettingsPage1::ShowStringNotes(const std::array<CNote, kStringCount>& lowToHigh) {
    for (std::size_t i = 0; i < stringLists.size(); ++i) {
        QComboBox* list = stringLists[i];
        if (list->count() > 0 && list->itemData(0).toInt() == kNoRow) {
            list->removeItem(0);
        }
        const int row = CustomStringNoteRow(lowToHigh[i]);
        if (row >= 0) {
            list->setCurrentIndex(list->findData(row));
        } else {
            list->insertItem(0, QString::fromStdString(lowToHigh[i].Format()), kNoRow);
            list->setCurrentIndex(0);
        }
    }
}

void CGuitarSettingsPage1::EnableControls() {
    const bool isCustom = custom->isChecked();
    tuningList->setEnabled(!isCustom);
    for (QComboBox* list : stringLists) {
        list->setEnabled(isCustom);
    }
}

void CGuitarSettingsPage1::TypicalChosen() {
    touched = true;
    if (tuningList->currentIndex() < 0) {
        tuningList->setCurrentIndex(0);
        ShowStringNotes(CTuning::PredefinedStrings(0));
    }
    description->setText(
        QString::fromStdString(CTuning::TuningName(tuningList->currentData().toInt())));
    EnableControls();
}

void CGuitarSettingsPage1::CustomChosen() {
    touched = true;
    description->setText(QString::fromStdString(CTuning::TuningName(kCustomTuning)));
    EnableControls();
}

void CGuitarSettingsPage1::TuningListChosen() {
    touched = true;
    const int n = tuningList->currentData().toInt();
    description->setText(QString::fromStdString(CTuning::TuningName(n)));
    // The string lists follow, so "Custom" starts from the tuning just chosen.
    ShowStringNotes(CTuning::PredefinedStrings(n));
}

void CGuitarSettingsPage1::StringListChosen() {
    touched = true;
}

void CGuitarSettingsPage1::OnOk() {
    TuningChoice choice;
    choice.touched = touched;
    choice.custom = custom->isChecked();
    choice.predefined = tuningList->currentIndex() >= 0 ? tuningList->currentData().toInt() : -1;
    for (std::size_t i = 0; i < stringLists.size(); ++i) {
        choice.customRows[i] =
            stringLists[i]->currentIndex() >= 0 ? stringLists[i]->currentData().toInt() : kNoRow;
    }
    choice.rightHanded = right->isChecked();
    tuning = ApplyTuningChoice(tuning, choice);
}

// ---- "Chords" ----------------------------------------------------------------------------

CGuitarSettingsPage2::CGuitarSettingsPage2(CAppSettings& appSettings, int muted, int open,
                                           QWidget* parent)
    : CSettingsPage(parent),
      settings(appSettings),
      mutedOverlayType(muted),
      openOverlayType(open),
      span(new QComboBox),
      symbol(new QRadioButton(QStringLiteral("Symbol"))),
      fullName(new QRadioButton(QStringLiteral("Full Name"))),
      openGroup(new QButtonGroup(this)),
      mutedGroup(new QButtonGroup(this)),
      ensureVisible(new QCheckBox(QStringLiteral("Scroll screen to ensure notes are visible"))) {
    span->setObjectName(QStringLiteral("chordSpan"));
    symbol->setObjectName(QStringLiteral("symbol"));
    fullName->setObjectName(QStringLiteral("fullName"));
    ensureVisible->setObjectName(QStringLiteral("chordEnsureVisible"));

    auto* spanRow = new QHBoxLayout;
    auto* spanLabel = new QLabel(QStringLiteral("Max Span:"));
    spanLabel->setBuddy(span);
    spanRow->addWidget(spanLabel);
    spanRow->addWidget(span);
    spanRow->addStretch(1);

    auto* typeGroup = new QGroupBox(QStringLiteral("Display type as"));
    auto* typeLayout = new QHBoxLayout(typeGroup);
    typeLayout->addWidget(symbol);
    typeLayout->addWidget(fullName);
    typeLayout->addStretch(1);

    auto* openBox = new QGroupBox(QStringLiteral("Open String"));
    auto* openLayout = new QVBoxLayout(openBox);
    AddRadio(openGroup, openLayout, "Show 'O' icon", 0, "openIcon");
    AddRadio(openGroup, openLayout, "Color string blue", 1, "openColour");
    AddRadio(openGroup, openLayout, "Both", 2, "openBoth");

    auto* mutedBox = new QGroupBox(QStringLiteral("Muted String"));
    auto* mutedLayout = new QVBoxLayout(mutedBox);
    AddRadio(mutedGroup, mutedLayout, "Show 'X' icon", 0, "mutedIcon");
    AddRadio(mutedGroup, mutedLayout, "Color string red", 1, "mutedColour");
    AddRadio(mutedGroup, mutedLayout, "Both", 2, "mutedBoth");

    auto* overlays = new QHBoxLayout;
    overlays->addWidget(openBox);
    overlays->addWidget(mutedBox);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(spanRow);
    layout->addWidget(typeGroup);
    layout->addLayout(overlays);
    layout->addWidget(ensureVisible);
    layout->addStretch(1);
}

void CGuitarSettingsPage2::Initialize() {
    FillSpans(span, kLowestChordSpan, kHighestChordSpan);
    SelectSpan(span, settings.chordMaxSpan);
    mutedGroup->button(std::clamp(mutedOverlayType, 0, kLastOverlayType))->setChecked(true);
    openGroup->button(std::clamp(openOverlayType, 0, kLastOverlayType))->setChecked(true);
    ensureVisible->setChecked(settings.chordEnsureVisible != 0);
    (settings.showSymbol == 1 ? symbol : fullName)->setChecked(true);
}

void CGuitarSettingsPage2::OnOk() {
    mutedOverlayType = mutedGroup->checkedId();
    openOverlayType = openGroup->checkedId();
    settings.chordMaxSpan = span->currentData().toInt();
    settings.chordEnsureVisible = ensureVisible->isChecked() ? 1 : 0;
    settings.showSymbol = symbol->isChecked() ? 1 : 0;
}

// ---- "Scales/Modes" ----------------------------------------------------------------------

CGuitarSettingsPage3::CGuitarSettingsPage3(CAppSettings& appSettings, QWidget* parent)
    : CSettingsPage(parent),
      settings(appSettings),
      span(new QComboBox),
      wholeFretboard(new QCheckBox(QStringLiteral("Show using entire fretboard"))),
      noOpenNotes(new QCheckBox(QStringLiteral("Don't use open notes"))),
      startNoteOverlay(
          new QCheckBox(QStringLiteral("Colored overlay for start note and its octaves"))),
      ensureVisible(new QCheckBox(QStringLiteral("Scroll screen to ensure notes are visible"))) {
    span->setObjectName(QStringLiteral("scaleSpan"));
    wholeFretboard->setObjectName(QStringLiteral("wholeFretboard"));
    noOpenNotes->setObjectName(QStringLiteral("noOpenNotes"));
    startNoteOverlay->setObjectName(QStringLiteral("startNoteOverlay"));
    ensureVisible->setObjectName(QStringLiteral("scaleEnsureVisible"));

    auto* spanRow = new QHBoxLayout;
    auto* spanLabel = new QLabel(QStringLiteral("Max Span:"));
    spanLabel->setBuddy(span);
    spanRow->addWidget(spanLabel);
    spanRow->addWidget(span);
    spanRow->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(spanRow);
    layout->addWidget(wholeFretboard);
    layout->addWidget(noOpenNotes);
    layout->addWidget(startNoteOverlay);
    layout->addWidget(ensureVisible);
    layout->addStretch(1);

    connect(wholeFretboard, &QCheckBox::clicked, this, &CGuitarSettingsPage3::EnableSpan);
}

void CGuitarSettingsPage3::Initialize() {
    FillSpans(span, kLowestScaleSpan, kHighestScaleSpan);
    SelectSpan(span, settings.scaleMaxSpan);
    ensureVisible->setChecked(settings.scaleEnsureVisible != 0);
    noOpenNotes->setChecked(settings.noOpenNotes != 0);
    startNoteOverlay->setChecked(settings.useStartNoteOverlay != 0);
    wholeFretboard->setChecked(settings.useAllFretboard != 0);
    EnableSpan();
}

void CGuitarSettingsPage3::EnableSpan() {
    span->setEnabled(!wholeFretboard->isChecked());
}

void CGuitarSettingsPage3::OnOk() {
    settings.scaleMaxSpan = span->currentData().toInt();
    settings.scaleEnsureVisible = ensureVisible->isChecked() ? 1 : 0;
    settings.noOpenNotes = noOpenNotes->isChecked() ? 1 : 0;
    settings.useStartNoteOverlay = startNoteOverlay->isChecked() ? 1 : 0;
    settings.useAllFretboard = wholeFretboard->isChecked() ? 1 : 0;
}
