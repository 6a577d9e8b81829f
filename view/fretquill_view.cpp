#include "view/fretquill_view.h"

#include <algorithm>

#include "guitar/chord_lookup.h"
#include "guitar/guitar.h"
#include "library/favorites_list.h"
#include "library/pattern.h"
#include "library/progression_list.h"
#include "music/chord_identification.h"
#include "music/chord_type.h"
#include "settings/app_settings.h"
#include "sound/note_player.h"
#include "sound/slot_timing.h"
#include "util/prompter.h"
#include "view/canvas.h"
#include "view/mode_bar.h"
#include "view/neck_geometry.h"
#include "view/neck_hit_test.h"
#include "view/neck_marker.h"
#include "view/view_host.h"

namespace {

inline constexpr const char* kMessageTitle = "Fretquill";

int InRange(int value, int low, int high, int fallback) {
    return value >= low && value <= high ? value : fallback;
}

bool IsScaleMode(ProgramMode mode) {
    return mode == ProgramMode::Scale || mode == ProgramMode::Mode;
}

// A name from a file as a menu text: '&' written twice shows as itself, not a mnemonic.
std::string MenuItemText(const std::string& name) {
    std::string text;
    for (char c : name) {
        text += c;
        if (c == '&') {
            text += '&';
        }
    }
    return text;
}

}  // namespace

// Progression playback moves the bar's pattern selection and shows the playing chord.
class CFretquillView::CPlaybackDisplay : public ProgressionDisplay {
public:
    explicit CPlaybackDisplay(CFretquillView& view) : view(view) {}
    void SelectPatternIndex(int index) override {
        if (view.bar != nullptr) {
            view.bar->SelectPatternIndex(index);
        }
    }
    void SelectPatternAt(int index) override {
        if (view.bar != nullptr) {
            view.bar->SelectPatternAt(index);
        }
    }
    void ShowPatternChord(const CChord& chord) override { view.ShowPatternChord(chord); }

private:
    CFretquillView& view;
};

void SanitizeViewSettings(CAppSettings& settings) {
    settings.plotMode = ProgramModeFromNumber(static_cast<int>(settings.plotMode));
    settings.mutedOverlayType = InRange(settings.mutedOverlayType, 0, 2, 2);
    settings.openOverlayType = InRange(settings.openOverlayType, 0, 2, 2);
    settings.chordBpm = ClampTempo(settings.chordBpm);
    settings.scaleBpm = ClampTempo(settings.scaleBpm);
    settings.progMgrBpm = ClampTempo(settings.progMgrBpm);
    settings.scalePattern = InRange(settings.scalePattern, 0, kLoopDirectionCount - 1, 0);
}

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
      progressionSequencer(player, *playbackDisplay) {
    SanitizeViewSettings(settings);
    programMode = settings.plotMode;
    tuning = settings.Tuning();
    ApplyCurrentPattern(tuning);
    handednessSeen = tuning.rightHanded;
    showSymbolSeen = settings.showSymbol;
    mutedOverlayType = settings.mutedOverlayType;
    openOverlayType = settings.openOverlayType;
    startNoteOverlay = settings.noteOverlay != 0;
    favorites.SetCurrentTuning(tuning.tuningType);
}

CFretquillView::~CFretquillView() {
    // The window and its timers may be gone already: only the sequencers stop here.
    chordSequencer.Stop();
    scaleSequencer.Stop();
    progressionSequencer.Stop(false);
}

void CFretquillView::AttachBar(CModeBar& attached) {
    bar = &attached;
    bar->SetView(this);
}

void CFretquillView::InitialUpdate() {
    chord = std::make_unique<CChord>(tuning);
    ResetChord();
    forceModeEntry = true;
    EnterMode(programMode);
}

void CFretquillView::Shutdown() {
    StopPlayback(false);
    if (bar != nullptr) {
        bar->StoreSelections();
    }
}

void CFretquillView::EnterMode(ProgramMode mode) {
    if (!forceModeEntry && programMode == mode) {
        return;
    }
    if (mode == ProgramMode::Progression) {
        progressionSequencer.SetPlayStartIndex(0);
        StopPlayback(true);
        if (progressions.CountInTuning(tuning.tuningType) == 0) {
            prompter.Show(PromptKind::Information, kMessageTitle, kNoProgressionsMessage);
            if (programMode == ProgramMode::Progression) {
                EnterMode(ProgramMode::ChordPlotter);
            }
            return;
        }
    }
    programMode = mode;
    if (mode != ProgramMode::Progression) {
        StopPlayback(true);
    }
    if (bar != nullptr) {
        bar->ShowMode(static_cast<int>(mode), true, tuning.tuningType, GeneratesChords());
    }
    settings.plotMode = mode;
    bool patternFound = false;
    switch (mode) {
        case ProgramMode::ChordPlotter:
            if (bar != nullptr) {
                ChordLookup(bar->SelectedNote(), bar->SelectedType(), bar->SelectedVariation());
            }
            start = {1, 0};
            break;
        case ProgramMode::ChordDiscoverer:
            ResetChord();
            if (bar != nullptr) {
                bar->SetChordText(IdentifyChord(chord->strings));
            }
            break;
        case ProgramMode::Scale:
        case ProgramMode::Mode:
            RebuildForEvent(ScaleEvent::kProgramModeChosen);
            break;
        case ProgramMode::Progression:
            ResetChord();
            if (CProgression* progression = bar != nullptr ? bar->CurrentProgression() : nullptr) {
                progression->ResetPlayback();
                if (const CPattern* pattern =
                        progression->patterns.FindPattern(bar->SelectedPatternId())) {
                    TakeChord(pattern->chord);
                    patternFound = true;
                }
            }
            break;
    }
    MenuChanged();
    // A progression whose list holds no pattern leaves nothing to play.
    patternMissing = mode == ProgramMode::Progression && !patternFound;
    forceModeEntry = false;
    Redraw();
}

void CFretquillView::Command(int id) {
    if (id >= CommandId(ViewCommand::FirstFavorite) && id <= CommandId(ViewCommand::LastFavorite)) {
        FavoriteChosen(id);
        return;
    }
    switch (static_cast<ViewCommand>(id)) {
        case ViewCommand::Plotter:
            EnterMode(ProgramMode::ChordPlotter);
            break;
        case ViewCommand::Discoverer:
            EnterMode(ProgramMode::ChordDiscoverer);
            break;
        case ViewCommand::ProgressionMode:
            EnterMode(ProgramMode::Progression);
            break;
        case ViewCommand::Scale:
            EnterMode(ProgramMode::Scale);
            break;
        case ViewCommand::Mode:
            EnterMode(ProgramMode::Mode);
            break;
        case ViewCommand::Dynamic:
            ToggleDynamic();
            break;
        case ViewCommand::Play:
            if (CommandState(id).enabled) {
                Play();
            }
            break;
        case ViewCommand::Stop:
            Stop();
            break;
        case ViewCommand::Loop:
            if (CommandState(id).enabled) {
                ToggleLoop();
            }
            break;
        default:
            break;
    }
}

ViewCommandState CFretquillView::CommandState(int id) const {
    if (id >= CommandId(ViewCommand::FirstFavorite) && id <= CommandId(ViewCommand::LastFavorite)) {
        for (const FavoriteMenuItem& item : Menu().favorites) {
            if (item.id == id) {
                return {item.enabled, false};
            }
        }
        return {false, false};
    }
    switch (static_cast<ViewCommand>(id)) {
        case ViewCommand::Plotter:
            return {true, programMode == ProgramMode::ChordPlotter};
        case ViewCommand::Discoverer:
            return {true, programMode == ProgramMode::ChordDiscoverer};
        case ViewCommand::ProgressionMode:
            return {true, programMode == ProgramMode::Progression};
        case ViewCommand::Scale:
            return {true, programMode == ProgramMode::Scale};
        case ViewCommand::Mode:
            return {true, programMode == ProgramMode::Mode};
        case ViewCommand::Dynamic:
            return {tuning.tuningType == 0, GeneratesChords()};
        case ViewCommand::Play:
            return {!patternMissing && !isPlaying, false};
        case ViewCommand::Stop:
            return {!patternMissing && isPlaying, false};
        case ViewCommand::Loop:
            return {!patternMissing && programMode != ProgramMode::Progression && !isPlaying,
                    LoopChecked()};
        case ViewCommand::AddFavorite:
            return {programMode != ProgramMode::Progression, false};
        case ViewCommand::AddToProgression:
        case ViewCommand::ProgressionManager:
            return {programMode == ProgramMode::ChordPlotter, false};
        default:
            return {true, false};
    }
}

ViewMenu CFretquillView::Menu() const {
    ViewMenu menu;
    for (const auto& favorite : favorites.favorites) {
        if (favorite->mode != programMode || favorite->tuningKey != tuning.tuningType ||
            favorite->id < CommandId(ViewCommand::FirstFavorite) ||
            favorite->id > CommandId(ViewCommand::LastFavorite)) {
            continue;
        }
        // Only a plotted chord taken from the database needs it; generated chords, the
        // discoverer's own chords and scales do not.
        const bool needsDatabase =
            programMode == ProgramMode::ChordPlotter && favorite->chord.dynamic == 0;
        menu.favorites.push_back({favorite->id, MenuItemText(favorite->name),
                                  !needsDatabase || StaticChordsAvailable()});
    }
    menu.dynamicItemShown = programMode == ProgramMode::ChordPlotter;
    menu.progressionMenuEnabled =
        programMode == ProgramMode::ChordPlotter || programMode == ProgramMode::Progression;
    return menu;
}

void CFretquillView::Tap(int x, int y) {
    const NeckHit hit = HitTest(x, y);
    start = {hit.string, hit.fret};
    const CNote n = tuning.NoteAt(hit.string, hit.fret);
    switch (programMode) {
        case ProgramMode::ChordPlotter:
            return;
        case ProgramMode::Progression:
            break;
        case ProgramMode::ChordDiscoverer:
            if (n.note != kNoteNone && chord != nullptr) {
                DiscovererTap(hit.string, hit.fret, n);
                if (bar != nullptr) {
                    bar->SetChordText(IdentifyChord(chord->strings));
                }
            }
            break;
        case ProgramMode::Scale:
        case ProgramMode::Mode:
            if (IsSpelledNote(n.note)) {
                StopPlayback(true);
                if (bar != nullptr) {
                    bar->SelectNote(n.note);
                }
                RebuildForEvent(ScaleEvent::kFretboardTapped);
            }
            break;
    }
    Redraw();
}

void CFretquillView::DiscovererTap(int s, int fret, const CNote& n) {
    const CNote current = chord->StringNote(s);
    const bool sameNote = SameNote(current.note, n.note) && current.octave == n.octave;
    if (fret == 0 && chord->IsOpenOnString(s)) {
        chord->SetStringNote(s, kNoteMuted, 0);
    } else if (sameNote && IsSpelledNote(current.note)) {
        chord->SetStringNote(s, Enharmonic(current.note), current.octave);
    } else {
        chord->SetStringNote(s, n.note, n.octave);
    }
}

void CFretquillView::Sweep(int x, int y) {
    if (chord == nullptr ||
        (programMode != ProgramMode::ChordPlotter && programMode != ProgramMode::ChordDiscoverer)) {
        return;
    }
    const int s = SweepHit(x, y);
    if (s != -1 && !player.IsStringSounding(*chord, s)) {
        player.SoundString(*chord, s);
    }
}

void CFretquillView::TimerTick(int id) {
    bool more = false;
    if (id == CScaleSequencer::kTimerId) {
        more = scaleSequencer.Tick();
    } else if (id == CChordSequencer::kTimerId) {
        more = programMode == ProgramMode::Progression ? progressionSequencer.Tick()
                                                       : chordSequencer.Tick();
    } else {
        return;
    }
    if (!more) {
        host.StopTimer(id);
        if (runningTimer == id) {
            runningTimer = 0;
            isPlaying = false;
        }
    }
}

void CFretquillView::DrawNeck(CCanvas& canvas) {
    const bool right = tuning.IsRightHanded();
    canvas.Fill(0, 0, kNeckWidth, kNeckHeight, kCanvasBlack);
    canvas.Draw(right ? kPictureFretboardRight : kPictureFretboardLeft, 0, 0,
                {0, 0, kNeckWidth, kNeckHeight});
    canvas.Draw(right ? kPictureHeaderRight : kPictureHeaderLeft, 0, 0,
                {0, HeaderRowOffset(tuning.tuningType), kNeckWidth, kHeaderRowHeight});
    CNeckMarker marker(canvas, tuning, programMode, mutedOverlayType, openOverlayType);
    bool scroll = false;
    if (IsScaleMode(programMode)) {
        ScalePlotOptions options;
        options.useAllFretboard = settings.useAllFretboard == 1;
        options.span = settings.scaleMaxSpan;
        options.noOpenNotes = settings.noOpenNotes == 1;
        options.overlay = startNoteOverlay;
        const PlacedRange range = PlotScale(displayScale, tuning, start, options, marker);
        if (!IsHigherNote(range.lowestPlaced, range.highestPlaced)) {
            placed.Include(range.lowestPlaced);
            placed.Include(range.highestPlaced);
        }
        scroll = settings.scaleEnsureVisible == 1;
    } else if (chord != nullptr) {
        for (int s = 1; s <= kStringCount; ++s) {
            marker.MarkNote(s, chord->StringNote(s), false);
        }
        scroll = settings.chordEnsureVisible == 1;
    }
    redrawNeeded = false;
    if (scroll) {
        ScrollIntoView();
    }
}

void CFretquillView::Redraw() {
    redrawNeeded = true;
    host.RequestRepaint();
}

int CFretquillView::ScrollFret() const {
    if (IsScaleMode(programMode)) {
        return displayScale.maxFret;
    }
    int highest = -1;
    if (chord != nullptr) {
        for (int s = 1; s <= kStringCount; ++s) {
            const CNote note = chord->StringNote(s);
            if (IsSpelledNote(note.note)) {
                highest = std::max(highest, chord->chordTuning.FretOf(s, note));
            }
        }
    }
    return highest;
}

void CFretquillView::ScrollIntoView() {
    if (programMode == ProgramMode::ChordDiscoverer) {
        return;
    }
    const int target = ScrollIntoViewTarget(ScrollFret(), host.ClientHeight());
    if (host.ScrollPosition() != target) {
        host.ScrollTo(target);
    }
}

void CFretquillView::ChordSelectionChanged(NoteValue root, int chordType, int variation) {
    ChordLookup(root, chordType, variation);
}

void CFretquillView::ChordLookup(NoteValue root, int chordType, int variation) {
    StopPlayback(true);
    if (chord == nullptr) {
        return;
    }
    // The bar may hold no variation (a list refilled shorter): the first is shown, never
    // a variation 0 that no chord has.
    variation = std::clamp(variation, 1, kVoicingSlots);
    if (!IsSpelledNote(root) || chordType < 0 || chordType >= kChordTypeCount) {
        // Nothing selected in the bar: open strings rather than a search for no chord.
        ResetChord();
    } else if (GeneratesChords()) {
        const int span = std::clamp(settings.chordMaxSpan, 3, 6);
        // Searched again whenever anything it depends on differs from the last search,
        // whoever ran that one.
        const bool same = guitar.root == root && guitar.chordType == chordType &&
                          guitar.Voicings().MaxSpan() == span &&
                          guitar.tuning.rightHanded == tuning.rightHanded &&
                          guitar.tuning.strings == tuning.strings;
        if (!same) {
            guitar.GenerateVoicings(tuning, root, chordType, span);
        }
        guitar.BuildVariation(variation, *chord);
    } else {
        // A chord the database lacks (a damaged chords.xml) shows its generated fingering.
        chord->chordTuning = tuning;
        LookUpChord(guitar.chordList, guitar, root, chordType, variation,
                    std::clamp(settings.chordMaxSpan, 3, 6), *chord);
        chord->chordTuning = tuning;
        chord->rightHanded = tuning.rightHanded;
        chord->dynamic = 0;
    }
    ApplyCurrentPattern(*chord);
    Redraw();
}

void CFretquillView::ResetChord() {
    if (chord == nullptr) {
        return;
    }
    chord->chordTuning = tuning;
    chord->rightHanded = tuning.rightHanded;
    chord->ResetChord();
}

void CFretquillView::TakeChord(const CChord& source) {
    CopyChordWhole(*chord, source);
    chord->SetChordTuning(tuning);
}

void CFretquillView::RebuildForEvent(ScaleEvent event, bool handednessChanged) {
    const NoteValue barNote = bar != nullptr ? bar->SelectedNote() : kNoteE;
    const int type = bar != nullptr ? bar->SelectedType() : 0;
    const ScaleRootChoice choice =
        ChooseScaleRoot(event, tuning, barNote, start, handednessChanged);
    start = choice.start;
    if (!choice.playable) {
        return;
    }
    if (programMode == ProgramMode::Mode) {
        displayScale.BuildMode(type, choice.root);
        playbackScale.BuildMode(type, choice.root);
    } else {
        displayScale.BuildScale(type, choice.root);
        playbackScale.BuildScale(type, choice.root);
    }
}

void CFretquillView::ScaleSelectionChanged(NoteValue, int) {
    if (!IsScaleMode(programMode)) {
        return;
    }
    StopPlayback(true);
    // The bar's selections are what the rebuild reads; a note change cleared the start
    // position first.
    RebuildForEvent(ScaleEvent::kTypeChosen);
    Redraw();
}

void CFretquillView::ClearStartPosition() {
    start = {};
}

void CFretquillView::ShowPatternChord(const CChord& patternChord) {
    if (chord == nullptr) {
        return;
    }
    TakeChord(patternChord);
    Redraw();
}

void CFretquillView::PatternSelected(bool found) {
    if (programMode != ProgramMode::Progression) {
        return;
    }
    if (!found) {
        ResetChord();
        Redraw();
    }
    patternMissing = !found;
}

void CFretquillView::StopPlayback(bool reselect) {
    // Only a progression that was playing goes back to its first row: Play itself stops
    // first and must start from the row the player selected.
    const bool wasPlaying = isPlaying;
    if (runningTimer != 0) {
        host.StopTimer(runningTimer);
        runningTimer = 0;
    }
    chordSequencer.Stop();
    scaleSequencer.Stop();
    progressionSequencer.Stop(reselect && wasPlaying && programMode == ProgramMode::Progression);
    isPlaying = false;
}

void CFretquillView::StartTimer(int id, int periodMs) {
    runningTimer = id;
    isPlaying = true;
    host.StartTimer(id, periodMs);
}

void CFretquillView::Play() {
    if (settings.soundPack.empty()) {
        prompter.Show(PromptKind::Information, kMessageTitle, kNoSoundPackMessage);
        return;
    }
    StopPlayback(true);
    switch (programMode) {
        case ProgramMode::ChordPlotter:
        case ProgramMode::ChordDiscoverer:
            if (chord == nullptr) {
                return;
            }
            chordSequencer.Start(*chord,
                                 {settings.chordBpm, settings.strum != 0, settings.chordLoop != 0});
            if (chordSequencer.IsPlaying()) {
                StartTimer(CChordSequencer::kTimerId, chordSequencer.PeriodMs());
            }
            break;
        case ProgramMode::Scale:
        case ProgramMode::Mode: {
            CScaleSequencer::Options options;
            options.bpm = settings.chordBpm;
            options.direction = LoopDirectionFromNumber(settings.scalePattern);
            options.loop =
                (programMode == ProgramMode::Scale ? settings.scaleLoop : settings.modeLoop) != 0;
            options.stopPlayingNote = settings.scaleStopPlayingNote != 0;
            if (scaleSequencer.Start(playbackScale, placed.lowestPlaced, placed.highestPlaced,
                                     options)) {
                StartTimer(CScaleSequencer::kTimerId, scaleSequencer.PeriodMs());
            }
            break;
        }
        case ProgramMode::Progression: {
            CProgression* progression = bar != nullptr ? bar->CurrentProgression() : nullptr;
            if (progression == nullptr) {
                return;
            }
            progressionSequencer.Start(*progression, bar->SelectedPatternId(),
                                       bar->SelectedPatternRow());
            if (progressionSequencer.IsPlaying()) {
                StartTimer(CProgressionSequencer::kTimerId, progressionSequencer.PeriodMs());
            }
            break;
        }
    }
}

void CFretquillView::Stop() {
    StopPlayback(true);
    if (settings.soundPack.empty()) {
        prompter.Show(PromptKind::Information, kMessageTitle, kNoSoundPackMessage);
        return;
    }
    player.StopSound(kAllVoices);
    progressionSequencer.ForgetPattern();
}

int& CFretquillView::LoopEntry() {
    switch (programMode) {
        case ProgramMode::Scale:
            return settings.scaleLoop;
        case ProgramMode::Mode:
            return settings.modeLoop;
        case ProgramMode::Progression:
            return settings.chordProgLoop;
        default:
            return settings.chordLoop;
    }
}

bool CFretquillView::LoopChecked() const {
    switch (programMode) {
        case ProgramMode::Scale:
            return settings.scaleLoop == 1;
        case ProgramMode::Mode:
            return settings.modeLoop == 1;
        case ProgramMode::Progression:
            return false;
        default:
            return settings.chordLoop == 1;
    }
}

void CFretquillView::ToggleLoop() {
    int& entry = LoopEntry();
    entry = entry == 1 ? 0 : 1;
}

void CFretquillView::ToggleDynamic() {
    if (programMode != ProgramMode::ChordPlotter || tuning.tuningType != 0) {
        return;
    }
    StopPlayback(true);
    settings.SetDynamic(StaticChordsAvailable() && !DynamicInEffect() ? 1 : 0);
    if (bar != nullptr) {
        bar->FillVariations(GeneratesChords() ? kDynamicVariations : kStaticVariations);
        ChordLookup(bar->SelectedNote(), bar->SelectedType(), bar->SelectedVariation());
    }
}

void CFretquillView::FavoriteChosen(int id) {
    const CFavorite* favorite = favorites.FindFavorite(id, programMode, tuning.tuningType);
    if (favorite == nullptr || bar == nullptr || chord == nullptr) {
        return;
    }
    switch (programMode) {
        case ProgramMode::Scale:
        case ProgramMode::Mode:
            // A scale run in progress would never meet its end note in the new scale.
            StopPlayback(true);
            bar->SelectNote(favorite->rootNote);
            bar->SelectType(favorite->scaleType);
            start = {1, 0};
            RebuildForEvent(ScaleEvent::kFavoriteChosen);
            Redraw();
            break;
        case ProgramMode::ChordPlotter:
            settings.SetDynamic(StaticChordsAvailable() ? favorite->chord.dynamic : 1);
            bar->FillVariations(GeneratesChords() ? kDynamicVariations : kStaticVariations);
            bar->SelectNote(favorite->chord.root);
            bar->SelectType(favorite->chord.chordType);
            bar->SelectVariation(favorite->chord.variation);
            ChordLookup(bar->SelectedNote(), bar->SelectedType(), bar->SelectedVariation());
            break;
        case ProgramMode::ChordDiscoverer:
            // The discoverer's chord is the player's own: shown as stored, named as tapped.
            TakeChord(favorite->chord);
            bar->SelectNote(favorite->chord.root);
            bar->SelectType(favorite->chord.chordType);
            bar->SelectVariation(favorite->chord.variation);
            bar->SetChordText(IdentifyChord(chord->strings));
            Redraw();
            break;
        case ProgramMode::Progression:
            break;
    }
}

void CFretquillView::ApplyCurrentPattern(CTuning& target) const {
    if (CTuning::IsValidPattern(settings.currentPattern)) {
        target.SetPickPattern(settings.currentPattern);
    }
}

void CFretquillView::MenuChanged() {
    host.MenuChanged();
}

void CFretquillView::SoundSettingsClosed(bool) {
    // A pattern tapped in the sheet takes effect whether or not it ended with OK.
    ApplyCurrentPattern(tuning);
    if (chord != nullptr) {
        ApplyCurrentPattern(*chord);
    }
}

void CFretquillView::GuitarSettingsClosed(const CTuning& newTuning, int newMutedOverlayType,
                                          int newOpenOverlayType) {
    StopPlayback(true);
    tuning = newTuning;
    ApplyCurrentPattern(tuning);
    mutedOverlayType = InRange(newMutedOverlayType, 0, 2, 2);
    openOverlayType = InRange(newOpenOverlayType, 0, 2, 2);
    settings.mutedOverlayType = mutedOverlayType;
    settings.openOverlayType = openOverlayType;
    if (programMode == ProgramMode::ChordPlotter && settings.showSymbol != showSymbolSeen &&
        bar != nullptr) {
        bar->RefillChordTypes();
    }
    showSymbolSeen = settings.showSymbol;
    settings.SetTuning(tuning);
    favorites.SetCurrentTuning(tuning.tuningType);
    if (chord != nullptr) {
        chord->SetChordTuning(tuning);
    }
    const bool handednessChanged = tuning.rightHanded != handednessSeen;
    handednessSeen = tuning.rightHanded;
    if (tuning.tuningType != 0) {
        settings.SetDynamic(1);
    }
    MenuChanged();
    if (bar != nullptr) {
        bar->FillVariations(GeneratesChords() ? kDynamicVariations : kStaticVariations);
    }
    // The scale rebuild mirrors the start string itself.
    if (handednessChanged && !IsScaleMode(programMode) && start.string >= 1 &&
        start.string <= kStringCount) {
        start.string = CTuning::MirrorString(start.string);
    }
    switch (programMode) {
        case ProgramMode::ChordPlotter:
            if (bar != nullptr) {
                ChordLookup(bar->SelectedNote(), bar->SelectedType(), bar->SelectedVariation());
            }
            break;
        case ProgramMode::Progression:
            forceModeEntry = true;
            EnterMode(ProgramMode::Progression);
            break;
        case ProgramMode::ChordDiscoverer:
            ResetChord();
            if (bar != nullptr) {
                bar->SetChordText(IdentifyChord(chord->strings));
            }
            break;
        case ProgramMode::Scale:
        case ProgramMode::Mode:
            RebuildForEvent(ScaleEvent::kSettingsClosed, handednessChanged);
            break;
    }
    Redraw();
}

void CFretquillView::FavoritesChanged() {
    MenuChanged();
}

void CFretquillView::ProgressionsChanged() {
    if (programMode != ProgramMode::Progression || bar == nullptr) {
        return;
    }
    if (progressions.CountInTuning(tuning.tuningType) == 0) {
        forceModeEntry = true;
        EnterMode(ProgramMode::Progression);
        return;
    }
    bar->FillProgressions(tuning.tuningType, true);
    Redraw();
}

bool CFretquillView::DynamicInEffect() const {
    return settings.IsDynamic();
}

bool CFretquillView::StaticChordsAvailable() const {
    return guitar.staticChords != 0;
}
