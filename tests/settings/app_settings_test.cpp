#include "settings/app_settings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "settings/memory_settings_store.h"
#include "tests/settings/settings_entries.h"
#include "tests/util/temp_dir.h"

namespace {

constexpr const char* kAppDir = "/nonexistent/fretquill-app/";

// Every test sees the same fixed application directory and a fresh settings singleton.
class AppSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("FRETQUILL_APPDIR", kAppDir, 1);
        CAppSettings::Close();
    }
    void TearDown() override { CAppSettings::Close(); }
};

// A memory store that logs every read as "section/entry".
class RecordingStore : public MemorySettingsStore {
public:
    mutable std::vector<std::string> reads;
    int ReadInt(std::string_view section, std::string_view entry, int fallback) const override {
        reads.push_back(std::string(section) + "/" + std::string(entry));
        return MemorySettingsStore::ReadInt(section, entry, fallback);
    }
    std::string ReadText(std::string_view section, std::string_view entry,
                         std::string_view fallback) const override {
        reads.push_back(std::string(section) + "/" + std::string(entry));
        return MemorySettingsStore::ReadText(section, entry, fallback);
    }
};

TEST_F(AppSettingsTest, FirstStartDefaults) {
    const MemorySettingsStore empty;
    const CAppSettings s(empty);
    EXPECT_EQ(s.plotMode, ProgramMode::ChordPlotter);
    EXPECT_EQ(s.Tuning().tuningType, 0);
    EXPECT_TRUE(s.Tuning().IsRightHanded());
    EXPECT_EQ(s.Tuning().ToText(), "E3,A3,D4,G4,B4,E5");
    EXPECT_EQ(s.chordNote, 6);
    EXPECT_EQ(s.chordType, 0);
    EXPECT_EQ(s.scaleNote, 6);
    EXPECT_EQ(s.scaleType, 1);
    EXPECT_EQ(s.modeNote, 6);
    EXPECT_EQ(s.modeType, 1);
    for (const int bpm : {s.chordBpm, s.scaleBpm, s.progMgrBpm}) {
        EXPECT_EQ(bpm, 120);
    }
    EXPECT_EQ(s.spkDirs, std::string(kAppDir) + "sounds/");
    EXPECT_EQ(s.soundPack, std::string(kAppDir) + "sounds/default.spk");
    EXPECT_EQ(s.currentTip, 65016);
    EXPECT_EQ(s.currentPattern, "123456");
    EXPECT_EQ(s.patterns, "");
    EXPECT_EQ(s.mutedOverlayType, 2);
    EXPECT_EQ(s.openOverlayType, 2);
    EXPECT_EQ(s.strum, 1);
    EXPECT_FALSE(s.IsDynamic());
    EXPECT_EQ(s.chordMaxSpan, 4);
    EXPECT_EQ(s.scaleMaxSpan, 4);
    EXPECT_EQ(s.chordVariant, 1);
}

TEST_F(AppSettingsTest, AFirstStartWritesEveryEntryWithItsDefault) {
    const MemorySettingsStore empty;
    MemorySettingsStore written;
    CAppSettings(empty).Write(written);
    const EntryMap expected = FirstStartEntries(kAppDir);
    EXPECT_EQ(written.Entries(), expected);
    for (const auto& [key, value] : expected) {
        const auto found = written.Find(key.first, key.second);
        EXPECT_TRUE(found.has_value()) << key.first << " " << key.second;
        if (found) {
            EXPECT_EQ(*found, value) << key.first << " " << key.second;
        }
    }
}

TEST_F(AppSettingsTest, AStoredEmptySoundPackMeansNone) {
    MemorySettingsStore store;
    store.WriteText(kSettingsSection, "SoundPack", "");
    EXPECT_EQ(CAppSettings(store).soundPack, "");
    store.WriteText(kSettingsSection, "SoundPack", "/packs/nylon.spk");
    EXPECT_EQ(CAppSettings(store).soundPack, "/packs/nylon.spk");
}

TEST_F(AppSettingsTest, RangeChecksOnReading) {
    struct Case {
        std::string_view section;
        const char* entry;
        int stored;
        std::function<int(const CAppSettings&)> member;
        int expected;
    };
    const auto tip = [](const CAppSettings& s) { return s.currentTip; };
    const auto chordSpan = [](const CAppSettings& s) { return s.chordMaxSpan; };
    const auto scaleSpan = [](const CAppSettings& s) { return s.scaleMaxSpan; };
    const auto chordVariant = [](const CAppSettings& s) { return s.chordVariant; };
    const auto scaleVariant = [](const CAppSettings& s) { return s.scaleVariant; };
    const auto modeVariant = [](const CAppSettings& s) { return s.modeVariant; };
    const std::vector<Case> cases = {
        {kSettingsSection, "CurrentTip", 65036, tip, 65016},
        {kSettingsSection, "CurrentTip", 65015, tip, 65016},
        {kSettingsSection, "CurrentTip", 65035, tip, 65035},
        {kChordSection, "MaxSpan", 2, chordSpan, 4},
        {kChordSection, "MaxSpan", 7, chordSpan, 4},
        {kChordSection, "MaxSpan", 3, chordSpan, 3},
        {kChordSection, "MaxSpan", 6, chordSpan, 6},
        {kScaleSection, "MaxSpan", 3, scaleSpan, 4},
        {kScaleSection, "MaxSpan", 6, scaleSpan, 6},
        {kScaleSection, "MaxSpan", 7, scaleSpan, 4},
        {kChordSection, "Variant", 51, chordVariant, 1},
        {kChordSection, "Variant", 50, chordVariant, 50},
        {kChordSection, "Variant", 0, chordVariant, 1},
        {kScaleSection, "Variant", 7, scaleVariant, 1},
        {kScaleSection, "Variant", 6, scaleVariant, 6},
        {kModeSection, "Variant", 7, modeVariant, 1},
        {kModeSection, "Variant", -3, modeVariant, 1},
    };
    for (const Case& c : cases) {
        MemorySettingsStore store;
        store.WriteInt(c.section, c.entry, c.stored);
        EXPECT_EQ(c.member(CAppSettings(store)), c.expected)
            << c.section << " " << c.entry << " " << c.stored;
    }
}

TEST_F(AppSettingsTest, TuningIsReadInRightHandedOrderThenHanded) {
    struct Case {
        int type;
        const char* text;  // nullptr: no Tuning entry
        int rightHanded;
        const char* strings;
        int expectedType;
    };
    const std::vector<Case> cases = {
        {27, "E3,A3,D4", 1, "E3,A3,D4,G4,B4,E5", 27},
        {27, "D3,A3,D4,G4,B4,E5", 1, "D3,A3,D4,G4,B4,E5", 27},
        {27, "D3,A3,D4,G4,B4,E5", 0, "E5,B4,G4,D4,A3,D3", 27},
        {27, nullptr, 1, "E3,A3,D4,G4,B4,E5", 27},
        {13, "C3,C3,C3,C3,C3,C3", 0, "E5,B4,G4,D4,A3,D3", 13},
        {30, nullptr, 1, "E3,A3,D4,G4,B4,E5", 27},
        {-1, nullptr, 0, "E5,B4,G4,D4,A3,E3", 27},
        {5, nullptr, 7, "D3,G3,C4,F4,A4,D5", 5},
    };
    for (const Case& c : cases) {
        MemorySettingsStore store;
        store.WriteInt(kTuningSection, "Type", c.type);
        if (c.text != nullptr) {
            store.WriteText(kTuningSection, "Tuning", c.text);
        }
        store.WriteInt(kTuningSection, "RightHanded", c.rightHanded);
        const CAppSettings s(store);
        EXPECT_EQ(s.Tuning().ToText(), c.strings) << c.type << " " << (c.text ? c.text : "");
        EXPECT_EQ(s.Tuning().tuningType, c.expectedType);
        EXPECT_EQ(s.Tuning().IsRightHanded(), c.rightHanded != 0);
    }
}

TEST_F(AppSettingsTest, ALeftHandedCustomTuningComesBackAsItWas) {
    CTuning custom;
    ASSERT_TRUE(custom.FromText("C3,G3,D4,G4,A4,D5"));
    custom.SetLeftHanded();
    const std::string leftText = custom.ToText();

    const MemorySettingsStore empty;
    CAppSettings first(empty);
    first.SetTuning(custom);
    MemorySettingsStore store;
    first.Write(store);
    EXPECT_EQ(store.ReadText(kTuningSection, "Tuning", ""), "C3,G3,D4,G4,A4,D5");
    EXPECT_EQ(store.ReadInt(kTuningSection, "RightHanded", 1), 0);

    const CAppSettings second(store);
    EXPECT_EQ(second.Tuning().ToText(), leftText);
    EXPECT_EQ(second.Tuning().tuningType, 27);
    EXPECT_FALSE(second.Tuning().IsRightHanded());
}

TEST_F(AppSettingsTest, EveryTuningIsWrittenRightHandedAndComesBackAsItWas) {
    struct Case {
        const char* what;
        int predefined;      // -1: the custom text below
        const char* custom;  // right-handed order
        bool leftHanded;
    };
    const std::vector<Case> cases = {
        {"standard", 0, nullptr, false},
        {"standard, left-handed", 0, nullptr, true},
        {"drop D, left-handed", 13, nullptr, true},
        {"open G", 8, nullptr, false},
        {"standard Eb, left-handed", 3, nullptr, true},
        {"custom", -1, "C3,G3,D4,G4,A4,D5", false},
        {"custom, left-handed", -1, "C3,G3,D4,G4,A4,D5", true},
        {"custom with a muted string, left-handed", -1, "D3,MUTED,D4,G4,B4,E5", true},
    };
    for (const Case& c : cases) {
        CTuning tuning;
        if (c.predefined >= 0) {
            tuning.BuildPredefined(c.predefined);
        } else {
            ASSERT_TRUE(tuning.FromText(c.custom));
        }
        const std::string rightText = tuning.ToText();
        if (c.leftHanded) {
            tuning.SetLeftHanded();
        }
        const MemorySettingsStore empty;
        CAppSettings first(empty);
        first.SetTuning(tuning);
        MemorySettingsStore store;
        first.Write(store);
        EXPECT_EQ(store.ReadText(kTuningSection, "Tuning", ""), rightText) << c.what;
        EXPECT_EQ(store.ReadInt(kTuningSection, "RightHanded", -1), c.leftHanded ? 0 : 1) << c.what;
        EXPECT_EQ(store.ReadInt(kTuningSection, "Type", -1), tuning.tuningType) << c.what;

        const CAppSettings second(store);
        EXPECT_EQ(second.Tuning().ToText(), tuning.ToText()) << c.what;
        EXPECT_EQ(second.Tuning().tuningType, tuning.tuningType) << c.what;
        EXPECT_EQ(second.Tuning().IsRightHanded(), !c.leftHanded) << c.what;
    }
}

// Every member set away from its default, within its range.
CAppSettings Unusual() {
    const MemorySettingsStore empty;
    CAppSettings s(empty);
    int next = 2;
    s.plotMode = static_cast<ProgramMode>(1000 + next++);
    for (int* member : {&s.view,
                        &s.noteOverlay,
                        &s.mutedOverlayType,
                        &s.openOverlayType,
                        &s.chordLoop,
                        &s.chordProgLoop,
                        &s.scaleLoop,
                        &s.modeLoop,
                        &s.crc,
                        &s.progMgrBpm,
                        &s.chordNote,
                        &s.chordType,
                        &s.showSymbol,
                        &s.chordEnsureVisible,
                        &s.strum,
                        &s.chordBpm,
                        &s.playShowOverlay,
                        &s.stopPlayingNote,
                        &s.scaleNote,
                        &s.scaleType,
                        &s.scaleEnsureVisible,
                        &s.useStartNoteOverlay,
                        &s.useAllFretboard,
                        &s.noOpenNotes,
                        &s.scaleBpm,
                        &s.scalePlayShowOverlay,
                        &s.scaleStopPlayingNote,
                        &s.scalePattern,
                        &s.modeNote,
                        &s.modeType}) {
        *member = 1000 + next++;
    }
    s.crc = -123456789;
    s.progMgrBpm = 97;
    s.chordBpm = 101;
    s.scaleBpm = 319;
    s.currentTip = 65020;
    s.chordVariant = 37;
    s.chordMaxSpan = 5;
    s.scaleVariant = 3;
    s.scaleMaxSpan = 6;
    s.modeVariant = 4;
    s.spkDirs = "/a/;/b/";
    s.soundPack = "/a/x.spk";
    s.currentPattern = "1R3";
    s.patterns = "123,654";
    s.SetTuning(CTuning(13));
    return s;
}

TEST_F(AppSettingsTest, EveryEntryIsWrittenAndReadBackUnchanged) {
    MemorySettingsStore first;
    Unusual().Write(first);
    EXPECT_EQ(first.Size(), 45u);
    EXPECT_TRUE(first.Find(kSettingsSection, "Chord\\ProgLoop").has_value());

    MemorySettingsStore second;
    CAppSettings(first).Write(second);
    EXPECT_EQ(second.Entries(), first.Entries());
}

TEST_F(AppSettingsTest, TemposAreKeptWithinTheirRangeWhenRead) {
    const std::vector<std::pair<int, int>> cases = {{59, 60}, {60, 60}, {100, 100}, {320, 320},
                                                    {321, 320}, {-5, 60}, {33554524, 320}};
    for (const auto& [stored, read] : cases) {
        MemorySettingsStore store;
        store.WriteInt(kSettingsSection, "ProgMgrBPM", stored);
        store.WriteInt(kChordSection, "ChordBPM", stored);
        store.WriteInt(kScaleSection, "ScaleBPM", stored);
        const CAppSettings s(store);
        EXPECT_EQ(s.progMgrBpm, read) << stored;
        EXPECT_EQ(s.chordBpm, read) << stored;
        EXPECT_EQ(s.scaleBpm, read) << stored;
    }
}

TEST_F(AppSettingsTest, EntriesAreReadInTheEstablishedOrder) {
    RecordingStore store;
    store.WriteInt(kTuningSection, "Type", 27);
    const CAppSettings s(store);
    const std::vector<std::string> expected = {"Settings\\Chord/Strum",
                                               "Settings\\Chord/CurrentPattern",
                                               "Settings\\Chord/Patterns",
                                               "Settings\\Chord/ChordBPM",
                                               "Settings\\Chord/PlayShowOverlay",
                                               "Settings\\Chord/StopPlayingNote",
                                               "Settings\\Scale/ScaleBPM",
                                               "Settings\\Scale/ScalePlayShowOverlay",
                                               "Settings\\Scale/ScaleStopPlayingNote",
                                               "Settings\\Scale/Pattern",
                                               "Settings/SPKDirs",
                                               "Settings/SoundPack",
                                               "Settings/CurrentTip",
                                               "Settings/CRC",
                                               "Settings/ProgMgrBPM",
                                               "Settings\\Chord/Dynamic",
                                               "Settings/Chord\\Loop",
                                               "Settings/Chord\\ProgLoop",
                                               "Settings/Scale\\Loop",
                                               "Settings/Mode\\Loop",
                                               "Settings\\Tuning/Type",
                                               "Settings\\Tuning/Tuning",
                                               "Settings\\Tuning/RightHanded",
                                               "Settings\\Chord/Note",
                                               "Settings\\Scale/Note",
                                               "Settings\\Mode/Note",
                                               "Settings/PlotMode",
                                               "Settings/View",
                                               "Settings\\Chord/Type",
                                               "Settings\\Scale/Type",
                                               "Settings\\Mode/Type",
                                               "Settings/NoteOverlay",
                                               "Settings\\Chord/EnsureVisible",
                                               "Settings\\Scale/EnsureVisible",
                                               "Settings\\Scale/UseStartNoteOverlay",
                                               "Settings\\Scale/UseAllFretboard",
                                               "Settings\\Scale/NoOpenNotes",
                                               "Settings/MutedOverlayType",
                                               "Settings/OpenOverlayType",
                                               "Settings\\Chord/ShowSymbol",
                                               "Settings\\Chord/MaxSpan",
                                               "Settings\\Scale/MaxSpan",
                                               "Settings\\Chord/Variant",
                                               "Settings\\Scale/Variant",
                                               "Settings\\Mode/Variant"};
    EXPECT_EQ(store.reads, expected);
}

TEST_F(AppSettingsTest, NoteAndVariantFollowTheProgramMode) {
    const MemorySettingsStore empty;
    CAppSettings s(empty);
    struct Case {
        int mode;
        int* note;
        int* variant;
    };
    const std::vector<Case> cases = {{0, &s.chordNote, &s.chordVariant},
                                     {2, &s.scaleNote, &s.scaleVariant},
                                     {3, &s.modeNote, &s.modeVariant},
                                     {1, nullptr, nullptr},
                                     {4, nullptr, nullptr},
                                     {-1, nullptr, nullptr}};
    for (const Case& c : cases) {
        s.SetNote(c.mode, 10 + c.mode);
        s.SetVariant(c.mode, 3 + c.mode);
        if (c.note != nullptr) {
            EXPECT_EQ(*c.note, 10 + c.mode);
            EXPECT_EQ(*c.variant, 3 + c.mode);
            EXPECT_EQ(s.GetNote(c.mode), 10 + c.mode);
            EXPECT_EQ(s.GetVariant(c.mode), 3 + c.mode);
        } else {
            EXPECT_EQ(s.GetNote(c.mode), 6) << c.mode;
            EXPECT_EQ(s.GetVariant(c.mode), 1) << c.mode;
        }
    }
    // Modes without their own members leave the others alone.
    EXPECT_EQ(s.chordNote, 10);
    EXPECT_EQ(s.scaleNote, 12);
    EXPECT_EQ(s.modeNote, 13);
}

TEST_F(AppSettingsTest, OtherTuningsForceDynamicChordsWhichStayOnAfterReturning) {
    const MemorySettingsStore empty;
    CAppSettings s(empty);
    EXPECT_FALSE(s.SetDynamic(1));
    EXPECT_TRUE(s.IsDynamic());
    EXPECT_FALSE(s.SetDynamic(0));
    EXPECT_FALSE(s.IsDynamic());

    s.SetTuning(CTuning(13));
    EXPECT_TRUE(s.IsDynamic());
    EXPECT_TRUE(s.SetDynamic(0));  // overridden
    EXPECT_TRUE(s.IsDynamic());

    s.SetTuning(CTuning());
    EXPECT_TRUE(s.IsDynamic());
    EXPECT_FALSE(s.SetDynamic(0));
    EXPECT_FALSE(s.IsDynamic());

    // Outside standard tuning the stored flag reads as on whatever the store says.
    MemorySettingsStore store;
    store.WriteInt(kTuningSection, "Type", 8);
    store.WriteInt(kChordSection, "Dynamic", 0);
    EXPECT_TRUE(CAppSettings(store).IsDynamic());
}

TEST_F(AppSettingsTest, OneSharedObjectOverTheStoreSetBeforeItsFirstUse) {
    auto store = std::make_unique<MemorySettingsStore>();
    store->WriteInt(kChordSection, "ChordBPM", 90);
    ASSERT_TRUE(CAppSettings::UseStore(std::move(store)));

    CAppSettings& settings = CAppSettings::Instance();
    EXPECT_EQ(&settings, &CAppSettings::Instance());
    EXPECT_EQ(settings.chordBpm, 90);
    EXPECT_FALSE(CAppSettings::UseStore(std::make_unique<MemorySettingsStore>()));
    settings.chordBpm = 75;

    std::unique_ptr<SettingsStore> written = CAppSettings::Close();
    ASSERT_NE(written, nullptr);
    EXPECT_EQ(written->ReadInt(kChordSection, "ChordBPM", 0), 75);
    EXPECT_EQ(written->ReadInt(kSettingsSection, "CurrentTip", 0), 65016);
    EXPECT_EQ(CAppSettings::Close(), nullptr);

    // Without a store the settings start from defaults and keep nothing.
    EXPECT_EQ(CAppSettings::Instance().chordBpm, 120);
}

// Hands what it holds to a file when it is destroyed, which for the settings' own store
// happens only after they have been written at program exit.
class StoreThatReportsAtItsEnd : public MemorySettingsStore {
public:
    explicit StoreThatReportsAtItsEnd(std::string path) : path_(std::move(path)) {}
    ~StoreThatReportsAtItsEnd() override {
        std::ofstream out(path_);
        out << ReadInt(kChordSection, "ChordBPM", -1) << " " << Size();
    }

private:
    std::string path_;
};

TEST_F(AppSettingsTest, SettingsNobodyClosedAreWrittenAtProgramExit) {
    const TempDir dir;
    const std::string path = (dir / "report").string();
    EXPECT_EXIT(
        {
            CAppSettings::UseStore(std::make_unique<StoreThatReportsAtItsEnd>(path));
            CAppSettings::Instance().chordBpm = 77;
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
    std::ifstream in(path);
    std::string report;
    std::getline(in, report);
    EXPECT_EQ(report, "77 45");
}

}  // namespace
