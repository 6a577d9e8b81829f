#pragma once

// The bar under the neck: the note, variation and type lists of the chord and scale modes,
// the Chord Discoverer's chord name, and the progression and pattern lists of Progression
// mode. Which controls show is the mode's; what they hold and what a choice does are the
// view's. The lists report only the player's own choices (activated), never a change the
// program makes.

#include <QWidget>
#include <functional>
#include <memory>

#include "view/mode_bar.h"

class CComboChoiceList;
class QComboBox;
class QLabel;

class CModeBarWidget : public QWidget, public CModeBarControls {
    Q_OBJECT

public:
    explicit CModeBarWidget(QWidget* parent = nullptr);
    ~CModeBarWidget() override;

    // Shows the controls of program mode 0..4.
    void ShowControls(int mode) override;
    void SetChordText(const std::string& text) override;

    // The lists as the bar's model fills and reads them.
    ChoiceList& NoteList() override;
    ChoiceList& VariationList() override;
    ChoiceList& TypeList() override;
    ChoiceList& ProgressionList() override;
    ChoiceList& PatternList() override;

    QComboBox* NoteCombo() const { return noteCombo; }
    QComboBox* VariationCombo() const { return variationCombo; }
    QComboBox* TypeCombo() const { return typeCombo; }
    QComboBox* ProgressionCombo() const { return progressionCombo; }
    QComboBox* PatternCombo() const { return patternCombo; }
    QLabel* ChordLabel() const { return chordLabel; }

    // The player's choices.
    std::function<void()> noteChosen;
    std::function<void()> variationChosen;
    std::function<void()> typeChosen;
    std::function<void()> progressionChosen;
    std::function<void()> patternChosen;

private:
    QComboBox* noteCombo;
    QComboBox* variationCombo;
    QComboBox* typeCombo;
    QComboBox* progressionCombo;
    QComboBox* patternCombo;
    QLabel* noteLabel;
    QLabel* variationLabel;
    QLabel* typeLabel;
    QLabel* progressionLabel;
    QLabel* patternLabel;
    QLabel* chordLabel;
    std::unique_ptr<CComboChoiceList> noteList;
    std::unique_ptr<CComboChoiceList> variationList;
    std::unique_ptr<CComboChoiceList> typeList;
    std::unique_ptr<CComboChoiceList> progressionList;
    std::unique_ptr<CComboChoiceList> patternList;
};
