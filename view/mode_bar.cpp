#include "view/mode_bar.h"

#include "library/progression_list.h"
#include "settings/app_settings.h"
#include "util/choice_list.h"
#include "view/fretquill_view.h"

CModeBar::CModeBar(CModeBarControls& controls, CAppSettings& settings,
                   CProgressionList& progressions)
    : controls(controls), settings(settings), progressions(progressions) {}

void CModeBar::Initialise(int, bool) {}
void CModeBar::ShowMode(int m, bool, int, bool) {
    barMode = m;
}
void CModeBar::StoreSelections() {}
int CModeBar::SelectedNote() const {
    return -1;
}
int CModeBar::SelectedType() const {
    return -1;
}
int CModeBar::SelectedVariation() const {
    return 0;
}
void CModeBar::SelectNote(int) {}
void CModeBar::SelectType(int) {}
void CModeBar::SelectVariation(int) {}
void CModeBar::FillVariations(int) {}
void CModeBar::RefillChordTypes() {}
void CModeBar::SetChordText(const std::string& text) {
    controls.SetChordText(text);
}
void CModeBar::FillProgressions(int) {}
int CModeBar::SelectedPatternId() const {
    return -1;
}
int CModeBar::SelectedPatternRow() const {
    return -1;
}
bool CModeBar::SelectPatternRow(int) {
    return false;
}
void CModeBar::SelectPatternIndex(int) {}
void CModeBar::ShowPatternChord(const CChord&) {}
void CModeBar::NoteChosen() {}
void CModeBar::TypeChosen() {}
void CModeBar::VariationChosen() {}
void CModeBar::ProgressionChosen() {}
void CModeBar::PatternChosen() {}
void CModeBar::FillTypes(int) {}
void CModeBar::SelectionChanged() {}
void CModeBar::FillPatterns() {}
bool CModeBar::ViewReady() const {
    return view != nullptr && view->Chord() != nullptr;
}
