#include "app/mode_bar_widget.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "dialogs/combo_choice_list.h"

namespace {

QComboBox* MakeList(QWidget* parent, int visibleRows) {
    auto* combo = new QComboBox(parent);
    combo->setMaxVisibleItems(visibleRows);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(3);
    combo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // The open list may be wider than the bar's field, as wide as its rows need.
    combo->view()->setTextElideMode(Qt::ElideNone);
    return combo;
}

QLabel* MakeLabel(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

CModeBarWidget::CModeBarWidget(QWidget* parent)
    : QWidget(parent),
      noteCombo(MakeList(this, 12)),
      variationCombo(MakeList(this, 10)),
      typeCombo(MakeList(this, 12)),
      progressionCombo(MakeList(this, 4)),
      patternCombo(MakeList(this, 4)),
      noteLabel(MakeLabel(QStringLiteral("Note:"), noteCombo, this)),
      variationLabel(MakeLabel(QStringLiteral("Variation:"), variationCombo, this)),
      typeLabel(MakeLabel(QStringLiteral("Type:"), typeCombo, this)),
      progressionLabel(MakeLabel(QStringLiteral("Progression:"), progressionCombo, this)),
      patternLabel(MakeLabel(QStringLiteral("Pattern:"), patternCombo, this)),
      chordLabel(new QLabel(QStringLiteral("Chord Discoverer text will go here..."), this)),
      noteList(std::make_unique<CComboChoiceList>(*noteCombo)),
      variationList(std::make_unique<CComboChoiceList>(*variationCombo)),
      typeList(std::make_unique<CComboChoiceList>(*typeCombo)),
      progressionList(std::make_unique<CComboChoiceList>(*progressionCombo)),
      patternList(std::make_unique<CComboChoiceList>(*patternCombo)) {
    setObjectName(QStringLiteral("modeBar"));
    noteCombo->setObjectName(QStringLiteral("noteList"));
    variationCombo->setObjectName(QStringLiteral("variationList"));
    typeCombo->setObjectName(QStringLiteral("typeList"));
    progressionCombo->setObjectName(QStringLiteral("progressionList"));
    patternCombo->setObjectName(QStringLiteral("patternList"));
    variationCombo->setMinimumContentsLength(2);
    // Names of files are shown as they are, never as markup.
    chordLabel->setTextFormat(Qt::PlainText);
    chordLabel->setFrameStyle(QFrame::Box | QFrame::Plain);
    chordLabel->setAlignment(Qt::AlignCenter);
    chordLabel->setWordWrap(true);
    chordLabel->setObjectName(QStringLiteral("chordText"));
    for (QComboBox* combo : {progressionCombo, patternCombo}) {
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    }

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 3, 4, 3);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    // Chord and scale modes: Note and Variation on the first row, Type under them.
    grid->addWidget(noteLabel, 0, 0);
    grid->addWidget(noteCombo, 0, 1);
    grid->addWidget(variationLabel, 0, 2);
    grid->addWidget(variationCombo, 0, 3);
    grid->addWidget(typeLabel, 1, 0);
    grid->addWidget(typeCombo, 1, 1, 1, 3);
    // Progression mode: the same two rows.
    grid->addWidget(progressionLabel, 2, 0);
    grid->addWidget(progressionCombo, 2, 1, 1, 3);
    grid->addWidget(patternLabel, 3, 0);
    grid->addWidget(patternCombo, 3, 1, 1, 3);
    // Chord Discoverer: the chord's name across the bar.
    grid->addWidget(chordLabel, 4, 0, 1, 4);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(3, 2);

    const auto relay = [](QComboBox* combo, std::function<void()>& handler) {
        QObject::connect(combo, &QComboBox::activated, combo, [&handler] {
            if (handler) {
                handler();
            }
        });
    };
    relay(noteCombo, noteChosen);
    relay(variationCombo, variationChosen);
    relay(typeCombo, typeChosen);
    relay(progressionCombo, progressionChosen);
    relay(patternCombo, patternChosen);
    ShowControls(-1);
    // Every mode's controls take the room of two rows of lists, so the neck above keeps
    // its height when the mode changes.
    const QMargins margins = grid->contentsMargins();
    const int twoRows = 2 * noteCombo->sizeHint().height() + grid->verticalSpacing() +
                        margins.top() + margins.bottom();
    setFixedHeight(twoRows);
    chordLabel->setMinimumHeight(twoRows - margins.top() - margins.bottom());
}

CModeBarWidget::~CModeBarWidget() = default;

void CModeBarWidget::ShowControls(int mode) {
    const bool chordOrScale = mode == 0 || mode == 2 || mode == 3;
    for (QWidget* control : {static_cast<QWidget*>(noteLabel), static_cast<QWidget*>(noteCombo),
                             static_cast<QWidget*>(typeLabel), static_cast<QWidget*>(typeCombo)}) {
        control->setVisible(chordOrScale);
    }
    variationLabel->setVisible(mode == 0);
    variationCombo->setVisible(mode == 0);
    for (QWidget* control :
         {static_cast<QWidget*>(progressionLabel), static_cast<QWidget*>(progressionCombo),
          static_cast<QWidget*>(patternLabel), static_cast<QWidget*>(patternCombo)}) {
        control->setVisible(mode == 4);
    }
    chordLabel->setVisible(mode == 1);
}

void CModeBarWidget::SetChordText(const std::string& text) {
    chordLabel->setText(QString::fromStdString(text));
}

ChoiceList& CModeBarWidget::NoteList() {
    return *noteList;
}
ChoiceList& CModeBarWidget::VariationList() {
    return *variationList;
}
ChoiceList& CModeBarWidget::TypeList() {
    return *typeList;
}
ChoiceList& CModeBarWidget::ProgressionList() {
    return *progressionList;
}
ChoiceList& CModeBarWidget::PatternList() {
    return *patternList;
}
