#pragma once

// The sound packs page as the core sees it: the search directories (the settings entry
// SPKDirs, joined by ';'), the packs found in them, and loading or unloading one. The page
// shows Directories() in its directory list and Rows() in its pack list.
//
//   CSoundPackLibrary library(engine, settings, prompter);
//   library.Open(spkDirs);          // splits, sorts and runs the discovery
//   library.Load(row);              // the loaded pack then shows as loaded
//   settings.spkDirs = library.JoinedDirectories();   // on OK only
//
// Paths use '/'. A search directory is searched with a trailing '/'; the same text is
// searched once per discovery (exact comparison, so directories differing in letter case
// are both searched). Packs are the files "*.spk" (extension in any letter case) directly
// in a directory, taken in file-name order; the pack list shows the last found first.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CSoundEngine;
class Prompter;
class SoundSettings;

struct SoundPackEntry {
    int index = 0;           // running number in the order found
    std::string name;        // file name with extension
    std::string path;        // directory, ending with '/'
    std::uint32_t size = 0;  // file length in bytes
};

struct SoundPackRow {
    int index = 0;  // the entry's running number (the row's item data)
    std::string name;
    std::string path;
    std::string sizeText;  // as SizeText writes it: "1024", "2K", "3M"
    bool loaded = false;   // its full path is the SoundPack entry, exactly
};

// SPKDirs split as the page reads it: runs of ';' count as one, double quotes group text,
// a leading ';' gives an empty first directory.
std::vector<std::string> SplitSearchDirectories(std::string_view spkDirs);
// The directories joined by ';', with no separator before the first. A directory holding
// ';' or '"', or an empty one, is written in quotes, so the split gives it back exactly.
std::string JoinSearchDirectories(const std::vector<std::string>& directories);

// The discovery alone: every pack of the directories, in the order found.
std::vector<SoundPackEntry> DiscoverSoundPacks(const std::vector<std::string>& directories);

class CSoundPackLibrary {
public:
    CSoundPackLibrary(CSoundEngine& engine, SoundSettings& settings, Prompter& prompter)
        : engine(engine), settings(settings), prompter(prompter) {}

    // The page opening: the directories of spkDirs, sorted, and a discovery.
    void Open(std::string_view spkDirs);

    // "Current:" field: the SoundPack entry trimmed, or "<none>".
    std::string CurrentText() const;
    // "Unload" is enabled while a pack is chosen.
    bool CanUnload() const;

    const std::vector<std::string>& Directories() const { return directories; }
    const std::vector<SoundPackRow>& Rows() const { return rows; }
    const std::vector<SoundPackEntry>& Entries() const { return entries; }

    // Runs the discovery again ("Refresh", and after every change below).
    void Discover();
    // Adds a directory (kept sorted) and runs the discovery.
    void AddDirectory(const std::string& directory);
    // Removes the directory at a row of Directories(); false for a row that does not exist.
    // The page has asked the player first.
    bool DeleteDirectory(int row);
    // Loads the pack of a row of Rows(). On success SoundPack becomes its path; on failure
    // the player is shown the audio error text and SoundPack keeps its former value
    // (although the former pack has been unloaded by the attempt).
    bool Load(int row);
    // Unloads the pack; when that succeeds SoundPack becomes "". False, with SoundPack
    // unchanged, when the audio output reports a failure.
    bool Unload();

    // SPKDirs as the page stores it on OK.
    std::string JoinedDirectories() const { return JoinSearchDirectories(directories); }

private:
    void SortDirectories();

    CSoundEngine& engine;
    SoundSettings& settings;
    Prompter& prompter;
    std::vector<std::string> directories;
    std::vector<SoundPackEntry> entries;
    std::vector<SoundPackRow> rows;
};
