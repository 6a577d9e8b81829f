#pragma once

// CAppSettings: every preference and remembered selection of the program, in one object.
// It reads every entry from its store when it is created and writes every entry back
// when it is closed at program exit; in between, owners read and change the members
// directly. Range checks apply only when reading.
//
//   CAppSettings::UseStore(std::make_unique<MySettingsFileStore>());  // once, at start
//   CAppSettings& settings = CAppSettings::Instance();                  // created here
//   settings.chordBpm = 90;
//   ...
//   CAppSettings::Close();                                              // at exit
//
// Program modes (ProgramMode's numbers), used as indexes by the note and variant accessors:
// 0 chord plotter, 1 chord discoverer, 2 scale, 3 mode, 4 progression.

#include <memory>
#include <string>

#include "guitar/tuning.h"
#include "settings/settings_store.h"
#include "util/program_mode.h"

class CAppSettings {
public:
    // Section "Settings".
    // As stored, even a number no mode has; the view falls back to Chord Plotter.
    ProgramMode plotMode = ProgramMode::ChordPlotter;
    int view = 0;
    int noteOverlay = 1;
    int mutedOverlayType = 2;  // 0 icon, 1 red string, 2 both
    int openOverlayType = 2;   // 0 icon, 1 blue string, 2 both
    int chordLoop = 0;
    int chordProgLoop = 0;
    int scaleLoop = 0;
    int modeLoop = 0;
    int crc = 0;  // the chord database's CRC-32 when its cache was built, as stored
    int currentTip = kFirstTip;
    int progMgrBpm = 120;
    std::string spkDirs;    // sound pack directories joined by ';'
    std::string soundPack;  // the loaded sound pack's full path, "" for none

    // Section "Settings\Chord".
    int chordNote = 6;
    int chordType = 0;
    int chordVariant = 1;  // 1..50
    int chordMaxSpan = 4;  // 3..6
    int showSymbol = 0;
    int chordEnsureVisible = 1;
    int strum = 1;
    std::string currentPattern = "123456";
    std::string patterns;  // the player's pick patterns joined by ','
    int chordBpm = 120;
    int playShowOverlay = 1;
    int stopPlayingNote = 0;

    // Section "Settings\Scale".
    int scaleNote = 6;
    int scaleType = 1;
    int scaleVariant = 1;  // 1..6
    int scaleMaxSpan = 4;  // 4..6
    int scaleEnsureVisible = 1;
    int useStartNoteOverlay = 1;
    int useAllFretboard = 0;
    int noOpenNotes = 0;
    int scaleBpm = 120;
    int scalePlayShowOverlay = 1;
    int scaleStopPlayingNote = 0;
    int scalePattern = 0;  // loop direction of scale and mode playback

    // Section "Settings\Mode".
    int modeNote = 6;
    int modeType = 1;
    int modeVariant = 1;  // 1..6

    static constexpr int kFirstTip = 65016;
    static constexpr int kLastTip = 65035;

    // Sets the store that backs the settings; only before their first use (false after).
    static bool UseStore(std::unique_ptr<SettingsStore> store);
    // The settings, created from the store at the first call (an empty in-memory store
    // when none was set).
    static CAppSettings& Instance();
    // Writes every entry, ends the settings and hands back their store (nullptr when the
    // settings were never created). The next Instance() starts afresh. Also run at
    // program exit if nobody called it.
    static std::unique_ptr<SettingsStore> Close();

    // Reads every entry, in the program's established order.
    explicit CAppSettings(const SettingsStore& store);
    void Write(SettingsStore& store) const;

    // The Note and Variant members of the chord (0), scale (2) and mode (3) program modes;
    // other modes read 6 and 1 and ignore changes.
    int GetNote(int mode) const;
    void SetNote(int mode, int note);
    int GetVariant(int mode) const;
    void SetVariant(int mode, int variant);

    const CTuning& Tuning() const { return tuning_; }
    // Any tuning but standard turns dynamic chord generation on.
    void SetTuning(const CTuning& tuning);
    // True when the request was overridden: outside standard tuning chords are always
    // generated.
    bool SetDynamic(int dynamic);
    bool IsDynamic() const;

private:
    void ReadTuning(const SettingsStore& store);

    int dynamic_ = 0;
    CTuning tuning_;
};
