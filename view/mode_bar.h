#pragma once
// CModeBar: what the bar under the neck holds in each program mode and what a choice in it
// does, without widgets. Chord Plotter: note, type (chord types) and variation; Scale and
// Mode: note and type (scale or mode names); Chord Discoverer: the chord's name;
// Progression: a progression of the tuning and one of its patterns. Each chord and scale
// mode's note, type and variation are kept in the settings.
//
//   CModeBar bar(controls, settings, progressions);
//   bar.Initialise(view.TuningType(), view.GeneratesChords());   // shows the saved mode
//   view.AttachBar(bar);
//   ...
//   noteCombo "activated" -> bar.NoteChosen();                    // the player's choices only

#include <string>

#include "sound/progression_display.h"

class CAppSettings;
class CChord;
class CFretquillView;
class CProgression;
class CProgressionList;
class ChoiceList;

// The bar's widgets as the model sees them.
class CModeBarControls {
public:
    virtual ~CModeBarControls() = default;
    // Shows the controls of program mode 0..4 and hides the others.
    virtual void ShowControls(int mode) = 0;
    // The Chord Discoverer's text (shown as plain text).
    virtual void SetChordText(const std::string& text) = 0;
    virtual ChoiceList& NoteList() = 0;
    virtual ChoiceList& TypeList() = 0;
    virtual ChoiceList& VariationList() = 0;
    virtual ChoiceList& ProgressionList() = 0;
    virtual ChoiceList& PatternList() = 0;
};

inline constexpr int kStaticVariations = 6;
inline constexpr int kDynamicVariations = 50;

class CModeBar : public ProgressionDisplay {
public:
    CModeBar(CModeBarControls& controls, CAppSettings& settings, CProgressionList& progressions);

    // Fills the note list and shows the settings' PlotMode without storing anything.
    // generatedChords: chords are generated (50 variations listed), else looked up (6).
    void Initialise(int tuningType, bool generatedChords);
    // The view the bar reports to. Until the view has made its chord (its initial
    // update), the player's choices change the lists but reach no view.
    void SetView(CFretquillView* view) { this->view = view; }

    // Stores the shown mode's selections when asked, then shows mode m with its own.
    void ShowMode(int m, bool store, int tuningType, bool generatedChords);
    void StoreSelections();
    int Mode() const { return barMode; }

    // Item values of the selections (-1 when nothing is selected).
    int SelectedNote() const;
    int SelectedType() const;
    // The selected row + 1 (0 when nothing is selected).
    int SelectedVariation() const;
    // The note's row or its enharmonic twin's, else the first row.
    void SelectNote(int note);
    // The row with that value, else the first row.
    void SelectType(int value);
    // Row v - 1 for v of 1..50; a v beyond the list selects the first row; others change
    // nothing.
    void SelectVariation(int v);
    // n rows "1".."n" (above 50 gives 50, 0 or less gives 6), keeping the selected row
    // when it still exists, else the first.
    void FillVariations(int n);
    // After ShowSymbol changed: the chord types again, the same row selected.
    void RefillChordTypes();
    void SetChordText(const std::string& text);

    // Progression mode.
    // Refills the progressions of the tuning (the first selected), then as for a chosen
    // progression.
    // With keepSelection the progression shown so far stays selected while it exists.
    void FillProgressions(int tuningType, bool keepSelection = false);
    // Looked up by id each time, so a progression deleted meanwhile is never used.
    CProgression* CurrentProgression() const;
    int SelectedPatternId() const;
    int SelectedPatternRow() const;
    // ProgressionDisplay. SelectPatternAt's result: whether the row is now selected
    // (selected here or already).
    bool SelectPatternRow(int index);
    void SelectPatternAt(int index) override { SelectPatternRow(index); }
    void SelectPatternIndex(int index) override;
    void ShowPatternChord(const CChord& chord) override;

    // The player's choices.
    void NoteChosen();
    void TypeChosen();
    void VariationChosen();
    void ProgressionChosen();
    void PatternChosen();

private:
    void FillTypes(int mode);
    void SelectionChanged();
    void FillPatterns();
    bool ViewReady() const;

    CModeBarControls& controls;
    CAppSettings& settings;
    CProgressionList& progressions;
    CFretquillView* view = nullptr;
    int barMode = 0;
    int currentProgressionId = -1;
};
