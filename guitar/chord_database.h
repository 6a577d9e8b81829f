#pragma once

// The static chord database: its source "chords.xml" beside the program, parsed with
// CXmlReader, and its cache "chords.dat" (the stored CChordList), reused while the CRC-32
// of the source equals the one the settings keep. Settings sit above this layer, so the
// caller hands the stored CRC in and stores it back when the task changed it.
//
//   std::uint32_t crc = settings.crc;
//   ChordDatabaseLoad load = LoadChordDatabase(ChordDatabaseFiles::InAppDirectory(), crc,
//                                              list, splash, prompter);
//   settings.crc = crc;
//   if (!load.available) show(load.available.Error().message);   // dynamic chords only
//
// The task never throws and never leaves the player without the last good database: a
// source that cannot be read is reported and the cache used as it is; a cache that cannot
// be read is kept aside and rebuilt from the source.

#include <cstdint>
#include <string>
#include <vector>

#include "guitar/chord_list.h"
#include "guitar/progress_reporter.h"
#include "guitar/xml_reader.h"
#include "util/prompter.h"
#include "util/result.h"
#include "util/safe_file.h"

inline constexpr const char* kChordSourceName = "chords.xml";
inline constexpr const char* kChordCacheName = "chords.dat";
inline constexpr const char* kChordDatabaseTitle = "Fretquill";
// Both files missing.
inline constexpr const char* kMissingChordFilesText =
    "'chords.xml' and 'chords.dat' do not exist in application directory.  Only dynamic "
    "chord gen will be available.";

struct ChordDatabaseFiles {
    std::string source;  // chords.xml
    std::string cache;   // chords.dat

    // The files in a directory ending with '/'.
    static ChordDatabaseFiles In(const std::string& directory);
    // chords.xml in the application directory; the cache beside it, or in the user's data
    // directory when the application directory cannot be written.
    static ChordDatabaseFiles InAppDirectory();
    // True when either file can be opened for reading.
    bool AnyPresent() const;
};

struct ChordDatabaseLoad {
    // Static chords are available, or why not, for the player. Not available until a load
    // says so.
    Result<> available = Failure{};
    // The list was read from the source and its CRC stored: a cache present is stale.
    bool parsed = false;
    // Not available because a file is there but its content cannot be understood (a
    // source that does not parse, a damaged cache), rather than missing or unreadable.
    bool damaged = false;
};

// The loading task. Fills `list` (emptied first) from the cache when its CRC matches
// `storedCrc`, else from the source, storing the source's CRC in `storedCrc` after a
// successful parse. Status lines and progress go to `progress`; problems the player must
// know about while static chords stay available go to `prompter` (once each); when they
// do not, the failure says why. `list.loaded` is 1 when the task returns, whatever happened.
// Runs on the caller's thread; the window runs it on a worker and reads the list after.
ChordDatabaseLoad LoadChordDatabase(const ChordDatabaseFiles& files, std::uint32_t& storedCrc,
                                    CChordList& list, ProgressReporter& progress,
                                    Prompter& prompter);

// Adds the chords of a parsed document to the list: basenote, type and chord elements, each
// chord's note elements giving strings 1 to 6. One status line per basenote, and the
// progress after each type element (432 of them in the full database).
void ReadChordDocument(CXmlReader& xml, CChordList& list, ProgressReporter& progress);

// The full database: every chord type on 12 roots, six variations each (2,592 chords).
inline constexpr int kStoredVariationsPerChord = 6;

// What the player is told once at load when the list lacks chords of the full database:
// how many, and the first few ("C Major 1"); "" when it lacks none. Those chords are shown
// generated instead (LookUpChord).
std::string MissingChordsMessage(const CChordList& list, const std::string& source);

// Writes the list as the cache, safely: a failed write leaves the old file whole.
Result<> SaveChordCache(const std::string& path, CChordList& list);

// The database as a tool without settings sees it (the command-line tool): the loading task
// over the application directory's files with no progress shown and the messages collected.
// With no stored CRC to trust the cache by, chords.xml is read whenever it is there and
// chords.dat used only without it. Nothing is written, except that a damaged cache is kept
// aside as the program does.
struct StaticChordDatabase {
    // Whether there are static chords, why not, and whether a file's content was at fault.
    ChordDatabaseLoad load;
    // What the program would have shown in message boxes, in order.
    std::vector<std::string> messages;
    CChordList list;
};
void ReadStaticChordDatabase(StaticChordDatabase& database);
