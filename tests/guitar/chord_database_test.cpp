#include "guitar/chord_database.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../util/recording_prompter.h"
#include "../util/temp_dir.h"
#include "guitar/chord_lookup.h"
#include "guitar/guitar.h"
#include "music/chord_type.h"
#include "recording_progress.h"
#include "util/crc32.h"

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;
using Frets = std::array<int, kStringCount>;

const fs::path kFixture = fs::path(FRETQUILL_TEST_DATA_DIR) / "chords_fixture.xml";
const Lines kFixtureLoading = {"Loading C chords...", "Loading F# chords..."};

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteAll(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

Frets FretsOf(const CChord& chord) {
    Frets frets{};
    for (int s = 1; s <= kStringCount; ++s) {
        frets[static_cast<std::size_t>(s - 1)] =
            chord.IsMutedString(s) ? -1 : chord.chordTuning.FretOf(s, chord.StringNote(s));
    }
    return frets;
}

struct Identity {
    NoteValue root;
    int type;
    int variation;
    Frets frets;
    bool operator==(const Identity&) const = default;
};

std::vector<Identity> Contents(const CChordList& list) {
    std::vector<Identity> out;
    for (const auto& c : list.chords) {
        out.push_back({c->root, c->chordType, c->variation, FretsOf(*c)});
    }
    return out;
}

const std::vector<Identity> kFixtureChords = {
    {kNoteC, 0, 1, {-1, 3, 2, 0, 1, 0}},
    {kNoteC, 0, 2, {-1, 3, 5, 5, 5, 3}},
    {kNoteC, ChordTypeFromName("MINOR_SEVENTH"), 1, {-1, 3, 1, 3, 4, -1}},
    {kNoteFSharp, 0, 1, {2, 4, 4, 3, 2, 2}},
};

Lines Concat(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// One run of the loading task over a directory, as the program starts.
struct LoadRun {
    RecordingProgress progress;
    RecordingPrompter prompter;
    CChordList list;
    ChordDatabaseLoad load;

    LoadRun(const TempDir& dir, std::uint32_t& crc) {
        load = LoadChordDatabase(ChordDatabaseFiles::In(dir.Path().string() + "/"), crc, list,
                                 progress, prompter);
    }
};

class ChordDatabaseTest : public ::testing::Test {
protected:
    TempDir dir;
    fs::path source = dir / "chords.xml";
    fs::path cache = dir / "chords.dat";

    void PlaceFixture() { fs::copy_file(kFixture, source, fs::copy_options::overwrite_existing); }
    void WriteCache(CChordList& list) { ASSERT_TRUE(SaveChordCache(cache.string(), list)); }
    // A cache holding only the given chord, so tests can tell it from the source.
    void WriteMarkerCache() {
        CChordList list;
        auto chord = std::make_unique<CChord>();
        chord->root = kNoteG;
        chord->chordType = 0;
        chord->variation = 1;
        list.Add(std::move(chord));
        WriteCache(list);
    }
};

TEST_F(ChordDatabaseTest, FirstStartParsesSecondStartUsesTheCacheAnEditReloads) {
    PlaceFixture();
    std::uint32_t crc = 0;
    {
        LoadRun first(dir, crc);
        EXPECT_TRUE(first.load.available);
        EXPECT_EQ(first.progress.lines, Concat({"No cache, loading data..."}, kFixtureLoading));
        EXPECT_EQ(crc, Crc32(ReadAll(source)));
        EXPECT_EQ(Contents(first.list), kFixtureChords);
        EXPECT_EQ(first.list.loaded, 1);
        EXPECT_TRUE(first.prompter.shown.empty());
        WriteCache(first.list);  // what the exit does
    }
    const std::uint32_t firstCrc = crc;
    {
        LoadRun second(dir, crc);
        EXPECT_TRUE(second.load.available);
        EXPECT_EQ(second.progress.lines,
                  (Lines{"Cache found...checking CRC...", "CRC passed, loading cache...",
                         "Cache loaded, starting..."}));
        EXPECT_EQ(Contents(second.list), kFixtureChords);
        EXPECT_EQ(second.list.loaded, 1);
        EXPECT_EQ(crc, firstCrc);
    }
    // One byte changed: the cache is stale, and the source is read again.
    std::string edited = ReadAll(source);
    edited.replace(edited.find("<note>G5</note>"), 15, "<note>C6</note>");
    WriteAll(source, edited);
    {
        LoadRun third(dir, crc);
        EXPECT_TRUE(third.load.available);
        EXPECT_EQ(third.progress.lines,
                  Concat({"Cache found...checking CRC...", "Change detected, reloading..."},
                         kFixtureLoading));
        EXPECT_EQ(crc, Crc32(edited));
        EXPECT_NE(crc, firstCrc);
        ASSERT_EQ(third.list.Count(), 4);
        EXPECT_EQ(FretsOf(*third.list.chords[1]), (Frets{-1, 3, 5, 5, 5, 8}));
        EXPECT_TRUE(third.load.parsed);
    }
}

TEST_F(ChordDatabaseTest, AnEmptyCacheWithAMatchingCrcLoadsAsAnEmptyList) {
    PlaceFixture();
    WriteAll(cache, "");
    std::uint32_t crc = Crc32(ReadAll(source));
    LoadRun run(dir, crc);
    EXPECT_TRUE(run.load.available);
    EXPECT_EQ(run.list.Count(), 0);
    EXPECT_EQ(run.progress.lines.back(), "Cache loaded, starting...");
}

TEST_F(ChordDatabaseTest, ProgressAfterEveryTypeOfTheFullDatabase) {
    std::string text = "<chords>";
    for (int root = 0; root < 12; ++root) {
        text += "<basenote note=\"" + NoteName(static_cast<NoteValue>(root)) + "\">";
        for (int type = 0; type < kChordTypeCount; ++type) {
            text += "<type name=\"" + ChordTypeKey(type) + "\"/>";
        }
        text += "</basenote>";
    }
    text += "</chords>";
    CXmlReader xml;
    ASSERT_TRUE(xml.SetText(text));
    CChordList list;
    RecordingProgress progress;
    ReadChordDocument(xml, list, progress);
    ASSERT_EQ(progress.percents.size(), 432u);
    EXPECT_EQ(progress.lines.size(), 12u);
    // The integer part of (k - 1) x 100/432 as a double: 49 at k = 217, where exact
    // arithmetic would give 50.
    const std::vector<std::pair<int, int>> expected = {{1, 0},    {5, 0},    {6, 1},    {109, 24},
                                                       {217, 49}, {218, 50}, {325, 74}, {432, 99}};
    for (const auto& [k, percent] : expected) {
        EXPECT_EQ(progress.percents[static_cast<std::size_t>(k - 1)], percent) << k;
    }
}

TEST(ChordDocumentTest, ChordsFromMissingOrOddElements) {
    CXmlReader xml;
    ASSERT_TRUE(xml.SetText(
        "<db><basenote note=\"Bb\"><type name=\"MINOR\">"
        "<chord><note>A3</note><note>MUTED</note></chord>"  // strings 3 to 6 stay open
        "<chord><note>MUTED</note><note>C4</note><note>E4</note><note>G4</note>"
        "<note>C5</note><note>E5</note><note>A5</note></chord>"  // a seventh note is ignored
        "</type><type name=\"NO_SUCH\"><chord/></type></basenote>"
        "<basenote><type name=\"MAJOR\"><chord/></type></basenote>"
        "<other><basenote note=\"C\"/></other></db>"));
    CChordList list;
    RecordingProgress progress;
    ReadChordDocument(xml, list, progress);
    const int kMinor = ChordTypeFromName("MINOR");
    EXPECT_EQ(Contents(list), (std::vector<Identity>{
                                  {kNoteBFlat, kMinor, 1, {5, -1, 0, 0, 0, 0}},
                                  {kNoteBFlat, kMinor, 2, {-1, 3, 2, 0, 1, 0}},
                                  {kNoteBFlat, -1, 1, {0, 0, 0, 0, 0, 0}},
                                  {kNoteNone, 0, 1, {0, 0, 0, 0, 0, 0}},
                              }));
    EXPECT_EQ(progress.lines, (Lines{"Loading Bb chords...", "Loading  chords..."}));
    for (const auto& chord : list.chords) {
        EXPECT_EQ(chord->dynamic, 0);
    }
}

// The mended cases: the last good database is never lost, a broken source is reported
// once, and the CRC of a source that did not parse is never stored.
TEST_F(ChordDatabaseTest, MissingOrBrokenFiles) {
    struct Case {
        const char* what;
        const char* source;  // nullptr: no chords.xml; "fixture": the good one
        const char* cache;   // nullptr: none; "marker": a good one; otherwise its bytes
        bool crcMatchesCache;
        bool ok;
        Lines lines;
        int chords;            // -1: the marker chord alone
        std::string prompted;  // part of the one message shown, "" for none
        std::string error;     // part of the error, "" when ok
        bool crcStored;
        bool damagedKept;
    };
    const std::string broken =
        "<chords><basenote note=\"C\"><type name=\"MAJOR\"></basenote></chords>";
    const std::string brokenError = "End tag does not correspond to type";
    const Case cases[] = {
        {"no source: the cache as it is, no message",
         nullptr,
         "marker",
         false,
         true,
         {"Cache loaded, starting..."},
         -1,
         "",
         "",
         false,
         false},
        {"broken source with a cache: reported, the cache used",
         broken.c_str(),
         "marker",
         false,
         true,
         {"Cache found...checking CRC...", "Change detected, reloading...",
          "Cache loaded, starting..."},
         -1,
         brokenError,
         "",
         false,
         false},
        {"broken source, no cache: dynamic chords only",
         broken.c_str(),
         nullptr,
         false,
         false,
         {"No cache, loading data..."},
         0,
         "",
         brokenError,
         false,
         false},
        {"neither file", nullptr, nullptr, false, false, {}, 0, "", "do not exist", false, false},
        {"damaged cache with a matching CRC: rebuilt from the source", "fixture", "\x01\x02\x03",
         true, true,
         Concat({"Cache found...checking CRC...", "CRC passed, loading cache..."}, kFixtureLoading),
         4, "", "", true, true},
        {"damaged cache, no source",
         nullptr,
         "\x01\x02\x03",
         false,
         false,
         {},
         0,
         "",
         "chords.dat.damaged",
         false,
         true},
        {"broken source, damaged cache",
         broken.c_str(),
         "\x01\x02\x03",
         false,
         false,
         {"Cache found...checking CRC...", "Change detected, reloading..."},
         0,
         "",
         brokenError,
         false,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(source);
        fs::remove(cache);
        fs::remove(dir / "chords.dat.damaged");
        if (c.source != nullptr && std::string(c.source) == "fixture") {
            PlaceFixture();
        } else if (c.source != nullptr) {
            WriteAll(source, c.source);
        }
        if (c.cache != nullptr && std::string(c.cache) == "marker") {
            WriteMarkerCache();
        } else if (c.cache != nullptr) {
            WriteAll(cache, c.cache);
        }
        const std::uint32_t before = c.crcMatchesCache ? Crc32(ReadAll(source)) : 0x5eed;
        std::uint32_t crc = before;
        LoadRun run(dir, crc);
        EXPECT_EQ(run.load.available.Ok(), c.ok);
        EXPECT_EQ(run.progress.lines, c.lines);
        EXPECT_EQ(run.list.loaded, 1);
        if (c.chords == -1) {
            ASSERT_EQ(run.list.Count(), 1);
            EXPECT_EQ(run.list.chords[0]->root, kNoteG);
        } else {
            EXPECT_EQ(run.list.Count(), c.chords);
        }
        if (c.prompted.empty()) {
            EXPECT_TRUE(run.prompter.shown.empty());
        } else {
            ASSERT_EQ(run.prompter.shown.size(), 1u);
            EXPECT_NE(run.prompter.shown[0].text.find(c.prompted), std::string::npos)
                << run.prompter.shown[0].text;
            EXPECT_NE(run.prompter.shown[0].text.find(source.string()), std::string::npos);
        }
        if (c.error.empty()) {
            EXPECT_EQ(run.load.available.Message(), "");
        } else {
            EXPECT_NE(run.load.available.Message().find(c.error), std::string::npos)
                << run.load.available.Message();
        }
        if (c.ok && c.source == nullptr) {
            EXPECT_EQ(run.load.available.Message(), "");
        }
        EXPECT_EQ(crc, c.crcStored ? Crc32(ReadAll(source)) : before);
        EXPECT_EQ(fs::exists(dir / "chords.dat.damaged"), c.damagedKept);
    }
}

// The program's guitar object: the cache is written at shutdown (SaveChordCache) after a
// good load and never after a failed one.
class GuitarChordDatabaseTest : public ChordDatabaseTest {
protected:
    void SetUp() override { setenv("FRETQUILL_APPDIR", dir.Path().c_str(), 1); }
    void TearDown() override { unsetenv("FRETQUILL_APPDIR"); }
};

TEST_F(GuitarChordDatabaseTest, ExitWritesTheCacheTheNextStartReadsIt) {
    PlaceFixture();
    std::uint32_t crc = 0;
    {
        CGuitar guitar;
        RecordingProgress progress;
        RecordingPrompter prompter;
        EXPECT_TRUE(guitar.LoadStaticChords(crc, progress, prompter));
        EXPECT_EQ(guitar.staticChords, 1);
        EXPECT_EQ(guitar.loadError, "");
        EXPECT_FALSE(fs::exists(cache));
        EXPECT_TRUE(guitar.SaveChordCache());
    }
    ASSERT_TRUE(fs::exists(cache));
    {
        CGuitar guitar;
        RecordingProgress progress;
        RecordingPrompter prompter;
        EXPECT_TRUE(guitar.LoadStaticChords(crc, progress, prompter));
        EXPECT_EQ(progress.lines.back(), "Cache loaded, starting...");
        EXPECT_EQ(Contents(guitar.chordList), kFixtureChords);
        EXPECT_TRUE(guitar.SaveChordCache());
    }
    // An edit makes the cache stale; it is gone at once, so a failed write at exit cannot
    // leave it to be trusted under the new CRC.
    WriteAll(source, ReadAll(source) + "\n");
    {
        CGuitar guitar;
        RecordingProgress progress;
        RecordingPrompter prompter;
        EXPECT_TRUE(guitar.LoadStaticChords(crc, progress, prompter));
        EXPECT_EQ(progress.lines[1], "Change detected, reloading...");
        EXPECT_FALSE(fs::exists(cache));
        EXPECT_TRUE(guitar.SaveChordCache());
    }
    ASSERT_TRUE(fs::exists(cache));
    // The cache alone: loaded, and written back whole at exit.
    fs::remove(source);
    {
        CGuitar guitar;
        RecordingProgress progress;
        RecordingPrompter prompter;
        EXPECT_TRUE(guitar.LoadStaticChords(crc, progress, prompter));
        EXPECT_EQ(guitar.chordList.Count(), 4);
        EXPECT_TRUE(guitar.SaveChordCache());
    }
    CChordList back;
    ASSERT_TRUE(LoadObjectFile(cache, back));
    EXPECT_EQ(Contents(back), kFixtureChords);
}

TEST_F(GuitarChordDatabaseTest, AFailedLoadWritesNoCache) {
    WriteAll(source, "<chords><basenote note=\"C\">");
    std::uint32_t crc = 0;
    {
        CGuitar guitar;
        RecordingProgress progress;
        RecordingPrompter prompter;
        EXPECT_FALSE(guitar.LoadStaticChords(crc, progress, prompter));
        EXPECT_EQ(guitar.staticChords, 0);
        EXPECT_NE(guitar.loadError.find("Element tag not found"), std::string::npos);
        EXPECT_FALSE(guitar.SaveChordCache());
    }
    EXPECT_FALSE(fs::exists(cache));
    EXPECT_EQ(crc, 0u);

    fs::remove(source);
    CGuitar guitar;
    RecordingProgress progress;
    RecordingPrompter prompter;
    EXPECT_FALSE(CGuitar::ChordFilesPresent());
    EXPECT_FALSE(guitar.LoadStaticChords(crc, progress, prompter));
    EXPECT_EQ(guitar.loadError, kMissingChordFilesText);
    EXPECT_TRUE(progress.lines.empty());
    EXPECT_EQ(guitar.chordList.loaded, 1);
}

}  // namespace

namespace {

TEST_F(GuitarChordDatabaseTest, ToolsWithoutSettingsReadTheSourceAndWriteNothing) {
    PlaceFixture();
    WriteMarkerCache();
    const std::string cacheBytes = ReadAll(cache);
    {
        StaticChordDatabase db;
        ReadStaticChordDatabase(db);
        EXPECT_TRUE(db.load.available);
        EXPECT_EQ(Contents(db.list), kFixtureChords);  // the source, not the marker cache
        ASSERT_EQ(db.messages.size(), 1u);
        EXPECT_NE(db.messages[0].find(source.string() + " lacks 2,588 of its 2,592 chords"),
                  std::string::npos)
            << db.messages[0];
    }
    EXPECT_EQ(ReadAll(cache), cacheBytes);

    WriteAll(source, "<chords>");
    {
        StaticChordDatabase db;
        ReadStaticChordDatabase(db);
        EXPECT_TRUE(db.load.available);
        ASSERT_EQ(db.list.Count(), 1);
        ASSERT_EQ(db.messages.size(), 2u);
        EXPECT_NE(db.messages[0].find("chords.xml: Element tag not found"), std::string::npos)
            << db.messages[0];
        EXPECT_NE(db.messages[1].find("chords.dat lacks 2,591 of"), std::string::npos)
            << db.messages[1];
    }
    fs::remove(cache);
    StaticChordDatabase db;
    ReadStaticChordDatabase(db);
    EXPECT_FALSE(db.load.available);
    EXPECT_NE(db.load.available.Message().find("Element tag not found"), std::string::npos);
    EXPECT_FALSE(fs::exists(cache));
}

}  // namespace

namespace {

TEST_F(ChordDatabaseTest, TheShippedDatabaseLoadsWholeAndRoundTripsThroughTheCache) {
    fs::copy_file(fs::path(FRETQUILL_SOURCE_DIR) / "data" / "chords.xml", source);
    std::uint32_t crc = 0;
    {
        LoadRun run(dir, crc);
        ASSERT_TRUE(run.load.available) << run.load.available.Message();
        EXPECT_TRUE(run.prompter.shown.empty());
        EXPECT_EQ(run.list.Count(), 12 * 36 * 6);
        ASSERT_EQ(run.progress.lines.size(), 13u);
        EXPECT_EQ(run.progress.lines[1], "Loading Ab chords...");
        EXPECT_EQ(run.progress.lines[12], "Loading G chords...");
        ASSERT_EQ(run.progress.percents.size(), 432u);
        EXPECT_EQ(run.progress.percents.back(), 99);
        const CChord* c = run.list.FindStatic(kNoteC, 0, 1);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(FretsOf(*c), (Frets{-1, 3, 2, 0, 1, 0}));
        WriteCache(run.list);
    }
    LoadRun again(dir, crc);
    ASSERT_TRUE(again.load.available);
    EXPECT_EQ(again.progress.lines.back(), "Cache loaded, starting...");
    EXPECT_EQ(again.list.Count(), 12 * 36 * 6);
}

// A chords.xml that parses but lacks chords (a damaged type name) is told once at load, and
// a chord it lacks is shown generated rather than empty or muted.
TEST_F(GuitarChordDatabaseTest, MissingChordsAreToldOnceAndShownGenerated) {
    std::string xml = ReadAll(fs::path(FRETQUILL_SOURCE_DIR) / "data" / "chords.xml");
    const std::size_t at = xml.find("<type name=\"MAJOR\">");
    ASSERT_NE(at, std::string::npos);
    xml.replace(at, 18, "<type name=\"MAJ0R\">");
    WriteAll(source, xml);
    std::uint32_t crc = 0;
    CGuitar guitar;
    RecordingProgress progress;
    RecordingPrompter prompter;
    ASSERT_TRUE(guitar.LoadStaticChords(crc, progress, prompter));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text,
              "The chord database " + source.string() +
                  " lacks 6 of its 2,592 chords (Ab Major 1, Ab Major 2, Ab Major 3, Ab Major 4, "
                  "Ab Major 5 and 1 more); the generated fingerings are shown for them.");

    CGuitar generator;
    generator.GenerateVoicings(CTuning(), kNoteAFlat, 0, 4);
    struct Case {
        NoteValue root;
        int type;
        int variation;
        ChordLookup found;
        Frets frets;
    };
    const Case cases[] = {
        {kNoteC, 0, 1, ChordLookup::Stored, {-1, 3, 2, 0, 1, 0}},
        {kNoteAFlat, 0, 1, ChordLookup::Generated, generator.Voicings().Slots()[0].frets},
        {kNoteAFlat, 0, 6, ChordLookup::Generated, generator.Voicings().Slots()[5].frets},
        {kNoteAFlat, 5, 1, ChordLookup::Stored, {}},
    };
    for (const Case& c : cases) {
        CChord chord;
        EXPECT_EQ(LookUpChord(guitar.chordList, guitar, c.root, c.type, c.variation, 4, chord),
                  c.found);
        EXPECT_EQ(chord.chordType, c.type);
        EXPECT_EQ(chord.variation, c.variation);
        if (c.found == ChordLookup::Generated) {
            EXPECT_EQ(FretsOf(chord), c.frets) << c.variation;
        } else if (c.type == 0) {
            EXPECT_EQ(FretsOf(chord), c.frets);
        }
    }
}

}  // namespace
