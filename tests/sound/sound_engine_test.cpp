#include "sound/sound_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fake_audio_library.h"

namespace {

using Calls = std::vector<std::string>;

struct EngineFixture {
    FakeAudioLibrary audio;
    FakeSoundSettings settings;
    int song = 0;
    CSoundEngine engine{audio, song, settings};

    EngineFixture() {
        audio.packs["/packs/full.spk"] = kSoundPackSampleCount;
        audio.packs["/packs/short.spk"] = 30;
        settings.soundPack = "/packs/full.spk";
    }
};

TEST(SoundEngineTest, SampleIndexFollowsTheSortedSharpNames) {
    // Build the layout the packs are made in: every semitone C3..E7 named with sharps,
    // sorted as text, so '#' comes before any digit.
    const char* names[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
    std::vector<std::pair<std::string, int>> notes;  // name, semitone from C3
    for (int semitone = 0; semitone <= 52; ++semitone) {
        notes.emplace_back(std::string(names[semitone % 12]) + std::to_string(3 + semitone / 12),
                           semitone);
    }
    std::sort(notes.begin(), notes.end());
    for (std::size_t index = 0; index < notes.size(); ++index) {
        const CNote note = CNote::Parse(notes[index].first);
        EXPECT_EQ(CSoundEngine::SampleIndex(note.note, note.octave), static_cast<int>(index))
            << notes[index].first;
    }

    struct Case {
        NoteValue note;
        int octave;
        int index;
    };
    const std::vector<Case> cases = {
        {kNoteE, 3, 32},     {kNoteE, 7, 36},      {kNoteF, 7, -1},           {kNoteB, 2, -1},
        {kNoteDFlat, 4, 13}, {kNoteCSharp, 4, 13}, {kNoteASharp, 3, 0},       {kNoteBFlat, 6, 3},
        {kNoteG, 6, 52},     {kNoteC, 3, 17},      {kNoteC, 8, -1},           {kNoteMuted, 3, -1},
        {kNoteRest, 4, -1},  {kNoteNone, 4, -1},   {kNoteUnsupported, 4, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CSoundEngine::SampleIndex(c.note, c.octave), c.index)
            << NoteName(c.note) << c.octave;
    }
}

TEST(SoundEngineTest, SoundStringResults) {
    struct Case {
        const char* name;
        std::string pack;
        int s;
        NoteValue note;  // given to string s when it exists
        int octave;
        bool stopFirst;
        bool result;
        Calls calls;  // after the load
    };
    const std::vector<Case> cases = {
        {"sounds the string's sample", "/packs/full.spk", 1, kNoteE, 3, false, true, {"play:32"}},
        {"stops everything first when asked",
         "/packs/full.spk",
         2,
         kNoteA,
         3,
         true,
         true,
         {"stop:-3", "play:4"}},
        {"a muted string starts nothing", "/packs/full.spk", 6, kNoteMuted, 0, true, true, {}},
        {"a note below the pack is silent success",
         "/packs/full.spk",
         1,
         kNoteB,
         2,
         false,
         true,
         {}},
        {"a sample the pack lacks fails without stopping",
         "/packs/short.spk",
         1,
         kNoteE,
         3,
         true,
         false,
         {}},
        {"a rest is silent success", "/packs/full.spk", kStepRest, kNoteE, 3, false, true, {}},
        {"no string 7", "/packs/full.spk", 7, kNoteE, 3, false, false, {}},
        {"no string 0", "/packs/full.spk", 0, kNoteE, 3, false, false, {}},
        {"no pack", "", 1, kNoteE, 3, false, false, {}},
    };
    for (const Case& c : cases) {
        EngineFixture f;
        f.settings.soundPack = c.pack;
        f.settings.stopPlayingNote = c.stopFirst;
        CTuning tuning;
        if (c.s >= 1 && c.s <= 6) {
            tuning.SetStringNote(c.s, c.note, c.octave);
        }
        EXPECT_EQ(f.engine.SoundString(tuning, c.s), c.result) << c.name;
        Calls calls = f.audio.Take();
        if (!calls.empty() && calls.front().rfind("load:", 0) == 0) {
            calls.erase(calls.begin());
        }
        EXPECT_EQ(calls, c.calls) << c.name;
    }
}

TEST(SoundEngineTest, StrumStartsEveryStringWithASample) {
    struct Case {
        const char* name;
        bool stopFirst;
        std::string pack;
        bool result;
        int sounding;
        Calls calls;
    };
    const std::vector<Case> cases = {
        // Standard tuning with string 3 muted: E3 A3 - G4 B4 E5.
        {"six strings at once, muted skipped",
         false,
         "/packs/full.spk",
         true,
         5,
         {"play:32", "play:4", "play:50", "play:9", "play:34"}},
        {"with the stop setting only the last rings",
         true,
         "/packs/full.spk",
         true,
         1,
         {"stop:-3", "play:32", "stop:-3", "play:4", "stop:-3", "play:50", "stop:-3", "play:9",
          "stop:-3", "play:34"}},
        // 30 samples: E3 (32), G4 (50) and E5 (34) missing; A3 (4) and B4 (9) still sound.
        {"missing samples fail but the rest sounds",
         false,
         "/packs/short.spk",
         false,
         2,
         {"play:4", "play:9"}},
    };
    for (const Case& c : cases) {
        EngineFixture f;
        f.settings.soundPack = c.pack;
        f.settings.stopPlayingNote = c.stopFirst;
        CTuning chord;
        chord.SetStringNote(3, kNoteMuted, 0);
        EXPECT_EQ(f.engine.StrumStrings(chord), c.result) << c.name;
        Calls calls = f.audio.Take();
        calls.erase(calls.begin());  // the lazy load
        EXPECT_EQ(calls, c.calls) << c.name;
        EXPECT_EQ(f.audio.SoundingVoices(), c.sounding) << c.name;
        // A strum records no voices.
        for (int s = 1; s <= 6; ++s) {
            EXPECT_FALSE(f.engine.IsStringSounding(chord, s)) << c.name;
        }
    }
}

TEST(SoundEngineTest, IsStringSoundingFollowsTheLastSoundString) {
    EngineFixture f;
    CTuning chord;
    EXPECT_FALSE(f.engine.IsStringSounding(chord, 1));
    ASSERT_TRUE(f.engine.SoundString(chord, 1));
    EXPECT_TRUE(f.engine.IsStringSounding(chord, 1));
    EXPECT_FALSE(f.engine.IsStringSounding(chord, 2));
    EXPECT_FALSE(f.engine.IsStringSounding(chord, 0));
    EXPECT_FALSE(f.engine.IsStringSounding(chord, 7));
    f.engine.StrumStrings(chord);
    EXPECT_EQ(chord.channels[0], 0);  // still the voice SoundString started
    f.engine.StopSound(kAllVoices);
    EXPECT_FALSE(f.engine.IsStringSounding(chord, 1));
}

TEST(SoundEngineTest, SoundNoteResults) {
    struct Case {
        const char* name;
        CNote note;
        int stopVoice;
        bool result;
        Calls calls;
    };
    const std::vector<Case> cases = {
        {"a note", CNote(kNoteA, 4), kNoVoice, true, {"play:5"}},
        {"a flat shares the sharp's sample", CNote(kNoteGFlat, 5), kNoVoice, true, {"play:39"}},
        {"stopping first", CNote(kNoteA, 4), kAllVoices, true, {"stop:-3", "play:5"}},
        {"a rest", CNote(kNoteRest, 4), kAllVoices, true, {}},
        {"out of range", CNote(kNoteG, 7), kAllVoices, true, {}},
        {"the highest note", CNote(kNoteE, 7), kNoVoice, true, {"play:36"}},
    };
    for (const Case& c : cases) {
        EngineFixture f;
        EXPECT_EQ(f.engine.SoundNote(c.note, c.stopVoice), c.result) << c.name;
        Calls calls = f.audio.Take();
        calls.erase(calls.begin());
        EXPECT_EQ(calls, c.calls) << c.name;
    }
}

TEST(SoundEngineTest, PackLoadingIsLazyAndRetried) {
    EngineFixture f;
    f.settings.soundPack = "/packs/missing.spk";
    CTuning chord;
    // Every sounding operation tries the pack again and fails.
    EXPECT_FALSE(f.engine.SoundString(chord, 1));
    EXPECT_FALSE(f.engine.StrumStrings(chord));
    EXPECT_FALSE(f.engine.SoundNote(CNote(kNoteE, 3), kNoVoice));
    EXPECT_EQ(f.audio.Take(), (Calls{"load:/packs/missing.spk", "load:/packs/missing.spk",
                                     "load:/packs/missing.spk"}));
    EXPECT_EQ(f.engine.LastErrorText(), "error 11");

    f.settings.soundPack = "/packs/full.spk";
    EXPECT_TRUE(f.engine.SoundString(chord, 1));
    EXPECT_TRUE(f.engine.SoundString(chord, 2));
    EXPECT_EQ(f.audio.Take(), (Calls{"load:/packs/full.spk", "play:32", "play:4"}));
    EXPECT_NE(f.song, 0);
}

TEST(SoundEngineTest, LoadAndUnload) {
    EngineFixture f;
    EXPECT_TRUE(f.engine.UnloadSoundPack());  // nothing loaded: true at once
    EXPECT_TRUE(f.audio.Take().empty());
    EXPECT_FALSE(f.engine.LoadSoundPack(""));
    EXPECT_TRUE(f.engine.LoadSoundPack("/packs/full.spk"));
    const int first = f.song;
    // Loading another unloads the first, even when the new one fails.
    EXPECT_FALSE(f.engine.LoadSoundPack("/packs/missing.spk"));
    EXPECT_EQ(f.song, 0);
    EXPECT_EQ(f.audio.Take(), (Calls{"load:/packs/full.spk", "free:" + std::to_string(first),
                                     "load:/packs/missing.spk"}));
    // A failing free still forgets the song.
    ASSERT_TRUE(f.engine.LoadSoundPack("/packs/full.spk"));
    f.audio.freeSucceeds = false;
    EXPECT_FALSE(f.engine.UnloadSoundPack());
    EXPECT_EQ(f.song, 0);
}

TEST(SoundEngineTest, TheEngineFreesThePackAtExit) {
    FakeAudioLibrary audio;
    audio.packs["/p.spk"] = 53;
    FakeSoundSettings settings;
    int song = 0;
    {
        CSoundEngine engine(audio, song, settings);
        ASSERT_TRUE(engine.LoadSoundPack("/p.spk"));
    }
    EXPECT_EQ(song, 0);
    EXPECT_EQ(audio.calls.back(), "free:1");
}

}  // namespace
