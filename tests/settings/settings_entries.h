#pragma once

// Every settings entry with the value a first start writes for it, written out from the
// program's table of entries rather than from the settings code.

#include <map>
#include <string>
#include <utility>

#include "settings/memory_settings_store.h"

using EntryMap = std::map<std::pair<std::string, std::string>, MemorySettingsStore::Value>;

inline EntryMap FirstStartEntries(const std::string& appDir) {
    using V = MemorySettingsStore::Value;
    const std::string main(kSettingsSection);
    const std::string chord(kChordSection);
    const std::string scale(kScaleSection);
    const std::string mode(kModeSection);
    const std::string tuning(kTuningSection);
    return {
        {{main, "PlotMode"}, V(0)},
        {{main, "View"}, V(0)},
        {{main, "NoteOverlay"}, V(1)},
        {{main, "MutedOverlayType"}, V(2)},
        {{main, "OpenOverlayType"}, V(2)},
        {{main, "Chord\\Loop"}, V(0)},
        {{main, "Chord\\ProgLoop"}, V(0)},
        {{main, "Scale\\Loop"}, V(0)},
        {{main, "Mode\\Loop"}, V(0)},
        {{main, "CRC"}, V(0)},
        {{main, "CurrentTip"}, V(65016)},
        {{main, "ProgMgrBPM"}, V(120)},
        {{main, "SPKDirs"}, V(appDir + "sounds/")},
        // The pack the build ships beside the program, so a first start can sound.
        {{main, "SoundPack"}, V(appDir + "sounds/default.spk")},

        {{chord, "Note"}, V(6)},
        {{chord, "Type"}, V(0)},
        {{chord, "Variant"}, V(1)},
        {{chord, "MaxSpan"}, V(4)},
        {{chord, "ShowSymbol"}, V(0)},
        {{chord, "EnsureVisible"}, V(1)},
        {{chord, "Dynamic"}, V(0)},
        {{chord, "Strum"}, V(1)},
        {{chord, "CurrentPattern"}, V(std::string("123456"))},
        {{chord, "Patterns"}, V(std::string())},
        {{chord, "ChordBPM"}, V(120)},
        {{chord, "PlayShowOverlay"}, V(1)},
        {{chord, "StopPlayingNote"}, V(0)},

        {{scale, "Note"}, V(6)},
        {{scale, "Type"}, V(1)},
        {{scale, "Variant"}, V(1)},
        {{scale, "MaxSpan"}, V(4)},
        {{scale, "EnsureVisible"}, V(1)},
        {{scale, "UseStartNoteOverlay"}, V(1)},
        {{scale, "UseAllFretboard"}, V(0)},
        {{scale, "NoOpenNotes"}, V(0)},
        {{scale, "ScaleBPM"}, V(120)},
        {{scale, "ScalePlayShowOverlay"}, V(1)},
        {{scale, "ScaleStopPlayingNote"}, V(0)},
        {{scale, "Pattern"}, V(0)},

        {{mode, "Note"}, V(6)},
        {{mode, "Type"}, V(1)},
        {{mode, "Variant"}, V(1)},

        {{tuning, "Type"}, V(0)},
        {{tuning, "Tuning"}, V(std::string("E3,A3,D4,G4,B4,E5"))},
        {{tuning, "RightHanded"}, V(1)},
    };
}
