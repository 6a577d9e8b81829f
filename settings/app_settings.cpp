#include "settings/app_settings.h"

#include <mutex>
#include <utility>

#include "music/tempo_range.h"
#include "settings/memory_settings_store.h"
#include "util/text_helpers.h"

namespace {

constexpr const char* kStandardTuningText = "E3,A3,D4,G4,B4,E5";

int InRange(int value, int low, int high, int fallback) {
    return (value < low || value > high) ? fallback : value;
}

// The one settings object and its store. A function-local static, so it is made at the
// first use and ended after every singleton made later, as the program's exit order asks.
struct Holder {
    std::mutex mutex;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<CAppSettings> settings;

    ~Holder() {
        if (settings && store) {
            settings->Write(*store);
        }
    }
};

Holder& TheHolder() {
    static Holder holder;
    return holder;
}

}  // namespace

bool CAppSettings::UseStore(std::unique_ptr<SettingsStore> store) {
    Holder& holder = TheHolder();
    const std::lock_guard lock(holder.mutex);
    if (holder.settings || !store) {
        return false;
    }
    holder.store = std::move(store);
    return true;
}

CAppSettings& CAppSettings::Instance() {
    Holder& holder = TheHolder();
    const std::lock_guard lock(holder.mutex);
    if (!holder.settings) {
        if (!holder.store) {
            holder.store = std::make_unique<MemorySettingsStore>();
        }
        holder.settings = std::make_unique<CAppSettings>(*holder.store);
    }
    return *holder.settings;
}

std::unique_ptr<SettingsStore> CAppSettings::Close() {
    Holder& holder = TheHolder();
    const std::lock_guard lock(holder.mutex);
    if (!holder.settings) {
        return nullptr;
    }
    holder.settings->Write(*holder.store);
    holder.settings.reset();
    return std::move(holder.store);
}

CAppSettings::CAppSettings(const SettingsStore& store) {
    const std::string appDir = AppDirectory();
    const auto chord = [&](std::string_view entry, int fallback) {
        return store.ReadInt(kChordSection, entry, fallback);
    };
    const auto scale = [&](std::string_view entry, int fallback) {
        return store.ReadInt(kScaleSection, entry, fallback);
    };
    const auto main = [&](std::string_view entry, int fallback) {
        return store.ReadInt(kSettingsSection, entry, fallback);
    };

    strum = chord("Strum", 1);
    currentPattern = store.ReadText(kChordSection, "CurrentPattern", "123456");
    patterns = store.ReadText(kChordSection, "Patterns", "");
    chordBpm = ClampTempo(chord("ChordBPM", 120));
    playShowOverlay = chord("PlayShowOverlay", 1);
    stopPlayingNote = chord("StopPlayingNote", 0);

    scaleBpm = ClampTempo(scale("ScaleBPM", 120));
    scalePlayShowOverlay = scale("ScalePlayShowOverlay", 1);
    scaleStopPlayingNote = scale("ScaleStopPlayingNote", 0);
    scalePattern = scale("Pattern", 0);

    spkDirs = store.ReadText(kSettingsSection, "SPKDirs", appDir + "sounds/");
    // With no entry at all the shipped pack is used; a stored "" means none, by choice.
    soundPack = store.ReadText(kSettingsSection, "SoundPack", appDir + "sounds/default.spk");
    currentTip = main("CurrentTip", kFirstTip);
    crc = main("CRC", 0);
    progMgrBpm = ClampTempo(main("ProgMgrBPM", 120));
    currentTip = InRange(currentTip, kFirstTip, kLastTip, kFirstTip);

    dynamic_ = chord("Dynamic", 0);

    chordLoop = main("Chord\\Loop", 0);
    chordProgLoop = main("Chord\\ProgLoop", 0);
    scaleLoop = main("Scale\\Loop", 0);
    modeLoop = main("Mode\\Loop", 0);

    ReadTuning(store);

    chordNote = chord("Note", 6);
    scaleNote = scale("Note", 6);
    modeNote = store.ReadInt(kModeSection, "Note", 6);

    plotMode = static_cast<ProgramMode>(main("PlotMode", 0));
    view = main("View", 0);

    chordType = chord("Type", 0);
    scaleType = scale("Type", 1);
    modeType = store.ReadInt(kModeSection, "Type", 1);

    noteOverlay = main("NoteOverlay", 1);
    chordEnsureVisible = chord("EnsureVisible", 1);
    scaleEnsureVisible = scale("EnsureVisible", 1);
    useStartNoteOverlay = scale("UseStartNoteOverlay", 1);
    useAllFretboard = scale("UseAllFretboard", 0);
    noOpenNotes = scale("NoOpenNotes", 0);
    mutedOverlayType = main("MutedOverlayType", 2);
    openOverlayType = main("OpenOverlayType", 2);
    showSymbol = chord("ShowSymbol", 0);

    chordMaxSpan = InRange(chord("MaxSpan", 4), 3, 6, 4);
    // The scale plot never spans fewer than four frets.
    scaleMaxSpan = InRange(scale("MaxSpan", 4), 4, 6, 4);
    chordVariant = InRange(chord("Variant", 1), 1, 50, 1);
    scaleVariant = InRange(scale("Variant", 1), 1, 6, 1);
    modeVariant = InRange(store.ReadInt(kModeSection, "Variant", 1), 1, 6, 1);
}

void CAppSettings::ReadTuning(const SettingsStore& store) {
    // The stored strings are in right-handed order; the handedness is applied after.
    const int type = store.ReadInt(kTuningSection, "Type", 0);
    CTuning tuning;
    if (type == kCustomTuning) {
        // Without six notes the custom tuning keeps the standard strings.
        tuning.FromText(store.ReadText(kTuningSection, "Tuning", kStandardTuningText));
    } else {
        tuning.BuildPredefined(type);
    }
    if (store.ReadInt(kTuningSection, "RightHanded", 1) == 0) {
        tuning.SetLeftHanded();
    }
    tuning_ = tuning;
}

void CAppSettings::Write(SettingsStore& store) const {
    const auto main = [&](std::string_view entry, int value) {
        store.WriteInt(kSettingsSection, entry, value);
    };
    const auto chord = [&](std::string_view entry, int value) {
        store.WriteInt(kChordSection, entry, value);
    };
    const auto scale = [&](std::string_view entry, int value) {
        store.WriteInt(kScaleSection, entry, value);
    };
    const auto mode = [&](std::string_view entry, int value) {
        store.WriteInt(kModeSection, entry, value);
    };

    main("PlotMode", static_cast<int>(plotMode));
    main("View", view);
    main("NoteOverlay", noteOverlay);
    main("MutedOverlayType", mutedOverlayType);
    main("OpenOverlayType", openOverlayType);
    main("Chord\\Loop", chordLoop);
    main("Chord\\ProgLoop", chordProgLoop);
    main("Scale\\Loop", scaleLoop);
    main("Mode\\Loop", modeLoop);
    main("CRC", crc);
    main("CurrentTip", currentTip);
    main("ProgMgrBPM", progMgrBpm);
    store.WriteText(kSettingsSection, "SPKDirs", spkDirs);
    store.WriteText(kSettingsSection, "SoundPack", soundPack);

    chord("Note", chordNote);
    chord("Type", chordType);
    chord("Variant", chordVariant);
    chord("MaxSpan", chordMaxSpan);
    chord("ShowSymbol", showSymbol);
    chord("EnsureVisible", chordEnsureVisible);
    chord("Dynamic", dynamic_);
    chord("Strum", strum);
    store.WriteText(kChordSection, "CurrentPattern", currentPattern);
    store.WriteText(kChordSection, "Patterns", patterns);
    chord("ChordBPM", chordBpm);
    chord("PlayShowOverlay", playShowOverlay);
    chord("StopPlayingNote", stopPlayingNote);

    scale("Note", scaleNote);
    scale("Type", scaleType);
    scale("Variant", scaleVariant);
    scale("MaxSpan", scaleMaxSpan);
    scale("EnsureVisible", scaleEnsureVisible);
    scale("UseStartNoteOverlay", useStartNoteOverlay);
    scale("UseAllFretboard", useAllFretboard);
    scale("NoOpenNotes", noOpenNotes);
    scale("ScaleBPM", scaleBpm);
    scale("ScalePlayShowOverlay", scalePlayShowOverlay);
    scale("ScaleStopPlayingNote", scaleStopPlayingNote);
    scale("Pattern", scalePattern);

    mode("Note", modeNote);
    mode("Type", modeType);
    mode("Variant", modeVariant);

    // The text is always in right-handed order, the order reading expects, so a
    // left-handed custom tuning comes back as it was.
    CTuning rightHanded = tuning_;
    rightHanded.SetRightHanded();
    store.WriteText(kTuningSection, "Tuning", rightHanded.ToText());
    store.WriteInt(kTuningSection, "RightHanded", tuning_.rightHanded);
    store.WriteInt(kTuningSection, "Type", tuning_.tuningType);
}

int CAppSettings::GetNote(int mode) const {
    switch (mode) {
        case 0:
            return chordNote;
        case 2:
            return scaleNote;
        case 3:
            return modeNote;
        default:
            return 6;
    }
}

void CAppSettings::SetNote(int mode, int note) {
    switch (mode) {
        case 0:
            chordNote = note;
            break;
        case 2:
            scaleNote = note;
            break;
        case 3:
            modeNote = note;
            break;
        default:
            break;
    }
}

int CAppSettings::GetVariant(int mode) const {
    switch (mode) {
        case 0:
            return chordVariant;
        case 2:
            return scaleVariant;
        case 3:
            return modeVariant;
        default:
            return 1;
    }
}

void CAppSettings::SetVariant(int mode, int variant) {
    switch (mode) {
        case 0:
            chordVariant = variant;
            break;
        case 2:
            scaleVariant = variant;
            break;
        case 3:
            modeVariant = variant;
            break;
        default:
            break;
    }
}

void CAppSettings::SetTuning(const CTuning& tuning) {
    tuning_ = tuning;
    if (tuning_.tuningType != 0) {
        dynamic_ = 1;
    }
}

bool CAppSettings::SetDynamic(int dynamic) {
    if (tuning_.tuningType != 0) {
        dynamic_ = 1;
        return true;
    }
    dynamic_ = dynamic;
    return false;
}

bool CAppSettings::IsDynamic() const {
    return tuning_.tuningType != 0 || dynamic_ != 0;
}
