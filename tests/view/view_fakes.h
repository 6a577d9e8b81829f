#pragma once
// The window as the view's tests see it: a canvas that writes down its calls, the bar's
// lists, a host that records repaints, scrolling and timers, and one rig that wires a
// view and its bar over in-memory settings and empty libraries.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "guitar/guitar.h"
#include "library/favorites_list.h"
#include "library/progression_list.h"
#include "settings/app_settings.h"
#include "settings/memory_settings_store.h"
#include "tests/sound/recording_note_player.h"
#include "tests/util/fake_choice_list.h"
#include "tests/util/recording_prompter.h"
#include "view/canvas.h"
#include "view/fretquill_view.h"
#include "view/mode_bar.h"
#include "view/neck_geometry.h"
#include "view/view_host.h"

// Each call as one text: "fill 0 0 230 1000", "draw 143 0 0 | 0 0 230 1000",
// "drawT 142 33 37 | 0 268 24 25", "blend 152 42 -80 50 6 1080".
class RecordingCanvas : public CCanvas {
public:
    std::vector<std::string> calls;

    void Draw(int id, int x, int y, const CCanvasRect& r) override {
        calls.push_back(Text("draw", id, x, y, r));
    }
    void DrawTransparent(int id, int x, int y, const CCanvasRect& r) override {
        calls.push_back(Text("drawT", id, x, y, r));
    }
    void Blend(int id, int x, int y, int percent, int width, int height) override {
        calls.push_back("blend " + Join({id, x, y, percent, width, height}));
    }
    void Fill(int x, int y, int width, int height, CanvasColour) override {
        calls.push_back("fill " + Join({x, y, width, height}));
    }

    // The calls as what they show: "red", "blue", "X", "O", "ring", "fill", "label", "oval".
    std::vector<std::string> Kinds() const {
        std::vector<std::string> kinds;
        for (const std::string& call : calls) {
            if (call.rfind("blend 152", 0) == 0) {
                kinds.push_back("red");
            } else if (call.rfind("blend 151", 0) == 0) {
                kinds.push_back("blue");
            } else if (call.rfind("blend 156", 0) == 0) {
                kinds.push_back("ring");
            } else if (call.rfind("blend 155", 0) == 0) {
                kinds.push_back("oval");
            } else if (call.find("| 0 268") != std::string::npos) {
                kinds.push_back("X");
            } else if (call.find("| 24 268") != std::string::npos) {
                kinds.push_back("O");
            } else if (call.rfind("fill", 0) == 0) {
                kinds.push_back("fill");
            } else if (call.rfind("drawT 142", 0) == 0) {
                kinds.push_back("label");
            } else {
                kinds.push_back(call);
            }
        }
        return kinds;
    }

private:
    static std::string Join(std::initializer_list<int> values) {
        std::string text;
        for (int v : values) {
            text += (text.empty() ? "" : " ") + std::to_string(v);
        }
        return text;
    }
    static std::string Text(const char* what, int id, int x, int y, const CCanvasRect& r) {
        return std::string(what) + " " + Join({id, x, y}) + " | " +
               Join({r.x, r.y, r.width, r.height});
    }
};

class FakeHost : public CViewHost {
public:
    int repaints = 0;
    int scroll = 0;
    int clientHeight = 400;
    int menuChanges = 0;
    std::map<int, int> timers;  // running timers and their periods
    std::vector<int> scrolledTo;

    void RequestRepaint() override { ++repaints; }
    int ScrollPosition() const override { return scroll; }
    void ScrollTo(int y) override {
        scroll = y;
        scrolledTo.push_back(y);
    }
    int ClientHeight() const override { return clientHeight; }
    void StartTimer(int id, int periodMs) override { timers[id] = periodMs; }
    void StopTimer(int id) override { timers.erase(id); }
    void MenuChanged() override { ++menuChanges; }
};

class FakeBarControls : public CModeBarControls {
public:
    FakeChoiceList notes, types, variations, progressionList, patterns;
    int shownMode = -1;
    std::string chordText;

    void ShowControls(int mode) override { shownMode = mode; }
    void SetChordText(const std::string& text) override { chordText = text; }
    ChoiceList& NoteList() override { return notes; }
    ChoiceList& TypeList() override { return types; }
    ChoiceList& VariationList() override { return variations; }
    ChoiceList& ProgressionList() override { return progressionList; }
    ChoiceList& PatternList() override { return patterns; }
};

// A view and its bar, wired as the window wires them. Settings are changed through
// `settings` before Start().
struct ViewRig {
    MemorySettingsStore store;
    CAppSettings settings{store};
    std::unique_ptr<CGuitar> guitar = std::make_unique<CGuitar>();
    CFavoritesList favorites;
    CProgressionList progressions;
    RecordingNotePlayer player;
    RecordingPrompter prompter;
    FakeHost host;
    FakeBarControls controls;
    std::unique_ptr<CFretquillView> view;
    std::unique_ptr<CModeBar> bar;

    ViewRig() { settings.soundPack = "pack.spk"; }

    // Constructs the view and the bar and runs the initial update.
    CFretquillView& Start() {
        Construct();
        view->InitialUpdate();
        return *view;
    }
    void Construct() {
        view = std::make_unique<CFretquillView>(host, prompter, settings, *guitar, favorites,
                                                progressions, player);
        bar = std::make_unique<CModeBar>(controls, settings, progressions);
        bar->Initialise(view->TuningType(), view->GeneratesChords());
        view->AttachBar(*bar);
    }

    // Taps the middle of string s at fret f (the row above the nut for f = -1).
    void TapAt(int s, int f) { view->Tap(StringX(s), f < 0 ? 10 : FretY(f) + 10); }

    CFavorite* AddFavorite(ProgramMode mode, int tuningKey, const std::string& name) {
        auto favorite = std::make_unique<CFavorite>();
        favorite->mode = mode;
        favorite->tuningKey = tuningKey;
        favorite->name = name;
        CFavorite* raw = favorite.get();
        const int previous = favorites.CurrentTuning();
        favorites.SetCurrentTuning(tuningKey);
        favorites.AddFavorite(std::move(favorite));
        favorites.SetCurrentTuning(previous);
        return raw;
    }
};
