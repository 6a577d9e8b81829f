#include "view/fretquill_view.h"

#include "settings/app_settings.h"
#include "sound/note_player.h"
#include "view/mode_bar.h"
#include "view/view_host.h"

class CFretquillView::CPlaybackDisplay : public ProgressionDisplay {
public:
    explicit CPlaybackDisplay(CFretquillView& view) : view(view) {}
    void SelectPatternIndex(int) override {}
    void SelectPatternAt(int) override {}
    void ShowPatternChord(const CChord& chord) override { view.ShowPatternChord(chord); }

private:
    CFretquillView& view;
};

void SanitizeViewSettings(CAppSettings&) {}

CFretquillView::CFretquillView(CViewHost& host, Prompter& prompter, CAppSettings& settings,
                               CGuitar& guitar, CFavoritesList& favorites,
                               CProgressionList& progressions, NotePlayer& player)
    : host(host),
      prompter(prompter),
      settings(settings),
      guitar(guitar),
      favorites(favorites),
      progressions(progressions),
      player(player),
      playbackDisplay(std::make_unique<CPlaybackDisplay>(*this)),
      chordSequencer(player),
      scaleSequencer(player),
      progressionSequencer(player, *playbackDisplay) {}

CFretquillView::~CFretquillView() = default;

void CFretquillView::AttachBar(CModeBar& attached) {
    bar = &attached;
}
void CFretquillView::InitialUpdate() {}
void CFretquillView::Shutdown() {}
void CFretquillView::EnterMode(ProgramMode mode) {
    programMode = mode;
}
void CFretquillView::Command(int) {}
ViewCommandState CFretquillView::CommandState(int) const {
    return {};
}
ViewMenu CFretquillView::Menu() const {
    return {};
}
void CFretquillView::Tap(int, int) {}
void CFretquillView::Sweep(int, int) {}
void CFretquillView::TimerTick(int) {}
void CFretquillView::DrawNeck(CCanvas&) {
    redrawNeeded = false;
}
void CFretquillView::Redraw() {
    redrawNeeded = true;
}
void CFretquillView::ScrollIntoView() {}
void CFretquillView::ChordSelectionChanged(NoteValue, int, int) {}
void CFretquillView::ScaleSelectionChanged(NoteValue, int) {}
void CFretquillView::ClearStartPosition() {
    start = {};
}
void CFretquillView::ShowPatternChord(const CChord&) {}
void CFretquillView::PatternSelected(bool found) {
    patternMissing = !found;
}
void CFretquillView::StopPlayback(bool) {
    isPlaying = false;
}
void CFretquillView::SoundSettingsClosed(bool) {}
void CFretquillView::GuitarSettingsClosed(const CTuning&, int, int) {}
void CFretquillView::FavoritesChanged() {}
void CFretquillView::ProgressionsChanged() {}
bool CFretquillView::DynamicInEffect() const {
    return false;
}
bool CFretquillView::StaticChordsAvailable() const {
    return false;
}
