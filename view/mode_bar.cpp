#include "view/mode_bar.h"

#include <algorithm>
#include <array>

#include "library/pattern.h"
#include "library/progression_list.h"
#include "music/chord_type.h"
#include "music/note.h"
#include "music/scale.h"
#include "settings/app_settings.h"
#include "util/choice_list.h"
#include "view/fretquill_view.h"

namespace {

// A-flat to G, the spelling a player reads most often for each pitch.
constexpr std::array<NoteValue, 12> kBarNotes = {kNoteAFlat, kNoteA,     kNoteBFlat,  kNoteB,
                                                 kNoteC,     kNoteDFlat, kNoteD,      kNoteEFlat,
                                                 kNoteE,     kNoteF,     kNoteFSharp, kNoteG};

int RowOfValue(const ChoiceList& list, int value) {
    for (int row = 0; row < list.Count(); ++row) {
        if (list.ItemValue(row) == value) {
            return row;
        }
    }
    return -1;
}

bool KeepsSelections(int mode) {
    return mode == 0 || mode == 2 || mode == 3;
}

}  // namespace

CModeBar::CModeBar(CModeBarControls& controls, CAppSettings& settings,
                   CProgressionList& progressions)
    : controls(controls), settings(settings), progressions(progressions) {}

void CModeBar::Initialise(int tuningType, bool generatedChords) {
    ChoiceList& notes = controls.NoteList();
    const int selected = notes.Selected();
    notes.Clear();
    for (NoteValue note : kBarNotes) {
        notes.Add(NoteName(note), note);
    }
    notes.Select(selected >= 0 && selected < notes.Count() ? selected : 0);
    controls.SetChordText("Chord Discoverer text will go here...");
    ShowMode(std::clamp(static_cast<int>(settings.plotMode), 0, 4), false, tuningType,
             generatedChords);
}

void CModeBar::ShowMode(int m, bool store, int tuningType, bool generatedChords) {
    if (store) {
        StoreSelections();
    }
    barMode = m;
    if (m == 4) {
        FillProgressions(tuningType);
    } else if (KeepsSelections(m)) {
        FillTypes(m);
    }
    controls.ShowControls(m);
    if (!KeepsSelections(m)) {
        return;
    }
    const int type = m == 0 ? settings.chordType : m == 2 ? settings.scaleType : settings.modeType;
    SelectType(type);
    SelectNote(settings.GetNote(m));
    FillVariations(generatedChords ? kDynamicVariations : kStaticVariations);
    SelectVariation(settings.GetVariant(m));
}

void CModeBar::StoreSelections() {
    if (!KeepsSelections(barMode)) {
        return;
    }
    // A list without a selection keeps what the settings hold.
    const int note = SelectedNote();
    const int type = SelectedType();
    const int variation = SelectedVariation();
    if (note >= 0) {
        settings.SetNote(barMode, note);
    }
    if (type >= 0) {
        (barMode == 0   ? settings.chordType
         : barMode == 2 ? settings.scaleType
                        : settings.modeType) = type;
    }
    if (variation >= 1) {
        settings.SetVariant(barMode, variation);
    }
}

int CModeBar::SelectedNote() const {
    const ChoiceList& list = controls.NoteList();
    return list.ItemValue(list.Selected());
}

int CModeBar::SelectedType() const {
    const ChoiceList& list = controls.TypeList();
    return list.ItemValue(list.Selected());
}

int CModeBar::SelectedVariation() const {
    return std::max(controls.VariationList().Selected(), -1) + 1;
}

void CModeBar::SelectNote(int note) {
    ChoiceList& list = controls.NoteList();
    int row = RowOfValue(list, note);
    if (row < 0 && IsSpelledNote(note)) {
        row = RowOfValue(list, Enharmonic(note));
    }
    list.Select(std::max(row, 0));
}

void CModeBar::SelectType(int value) {
    ChoiceList& list = controls.TypeList();
    list.Select(std::max(RowOfValue(list, value), 0));
}

void CModeBar::SelectVariation(int v) {
    if (v < 1 || v > kDynamicVariations) {
        return;
    }
    ChoiceList& list = controls.VariationList();
    // A variation saved while 50 were listed, now that only 6 are: the first row, so the
    // lookup never asks for a variation the list does not show.
    list.Select(v <= list.Count() ? v - 1 : 0);
}

void CModeBar::FillVariations(int n) {
    if (n > kDynamicVariations) {
        n = kDynamicVariations;
    } else if (n <= 0) {
        n = kStaticVariations;
    }
    ChoiceList& list = controls.VariationList();
    const int selected = list.Selected();
    list.Clear();
    for (int i = 1; i <= n; ++i) {
        list.Add(std::to_string(i), i);
    }
    list.Select(selected >= 0 && selected < n ? selected : 0);
}

void CModeBar::RefillChordTypes() {
    const int selected = controls.TypeList().Selected();
    FillTypes(0);
    ChoiceList& list = controls.TypeList();
    list.Select(selected >= 0 && selected < list.Count() ? selected : 0);
}

void CModeBar::SetChordText(const std::string& text) {
    controls.SetChordText(text);
}

void CModeBar::FillProgressions(int tuningType, bool keepSelection) {
    progressions.FillProgressionChooser(controls.ProgressionList(), tuningType,
                                        keepSelection ? currentProgressionId : -1);
    ProgressionChosen();
}

CProgression* CModeBar::CurrentProgression() const {
    return currentProgressionId >= 0 ? progressions.FindProgression(currentProgressionId) : nullptr;
}

int CModeBar::SelectedPatternId() const {
    const ChoiceList& list = controls.PatternList();
    return list.ItemValue(list.Selected());
}

int CModeBar::SelectedPatternRow() const {
    return controls.PatternList().Selected();
}

bool CModeBar::SelectPatternRow(int index) {
    ChoiceList& list = controls.PatternList();
    if (index < 0 || index >= list.Count()) {
        return false;
    }
    if (index != list.Selected()) {
        list.Select(index);
        PatternChosen();
    }
    return true;
}

void CModeBar::SelectPatternIndex(int index) {
    ChoiceList& list = controls.PatternList();
    if (index >= 0 && index < list.Count()) {
        list.Select(index);
    }
}

void CModeBar::ShowPatternChord(const CChord& chord) {
    if (ViewReady()) {
        view->ShowPatternChord(chord);
    }
}

void CModeBar::NoteChosen() {
    if (!ViewReady()) {
        return;
    }
    view->ClearStartPosition();
    SelectionChanged();
}

void CModeBar::TypeChosen() {
    if (ViewReady()) {
        SelectionChanged();
    }
}

void CModeBar::VariationChosen() {
    if (ViewReady()) {
        SelectionChanged();
    }
}

void CModeBar::ProgressionChosen() {
    const ChoiceList& list = controls.ProgressionList();
    const CProgression* progression =
        list.Selected() >= 0 ? progressions.FindProgression(list.ItemValue(list.Selected()))
                             : nullptr;
    currentProgressionId = progression != nullptr ? progression->id : -1;
    FillPatterns();
    PatternChosen();
}

void CModeBar::PatternChosen() {
    if (!ViewReady()) {
        return;
    }
    CProgression* progression = CurrentProgression();
    const CPattern* pattern =
        progression != nullptr ? progression->patterns.FindPattern(SelectedPatternId()) : nullptr;
    if (pattern != nullptr) {
        view->ShowPatternChord(pattern->chord);
    }
    view->PatternSelected(pattern != nullptr);
}

void CModeBar::FillTypes(int mode) {
    ChoiceList& list = controls.TypeList();
    if (mode == 0) {
        FillChordTypeList(list, settings.showSymbol == 1);
    } else if (mode == 2) {
        FillScaleList(list);
    } else if (mode == 3) {
        FillModeList(list);
    }
}

void CModeBar::SelectionChanged() {
    if (barMode == 0) {
        view->ChordSelectionChanged(SelectedNote(), SelectedType(), SelectedVariation());
    } else if (barMode == 2 || barMode == 3) {
        view->ScaleSelectionChanged(SelectedNote(), SelectedType());
    }
}

void CModeBar::FillPatterns() {
    ChoiceList& list = controls.PatternList();
    if (const CProgression* progression = CurrentProgression()) {
        progression->FillPatternChooser(list);
    } else {
        list.Clear();
        list.Enable(false);
    }
}

bool CModeBar::ViewReady() const {
    return view != nullptr && view->Chord() != nullptr;
}
