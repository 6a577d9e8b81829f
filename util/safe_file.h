#pragma once

// Files that survive crashes and damage. A save writes a temporary file beside the
// target, flushes it to the disk and renames it over the target, so a crash or a full
// disk leaves the old file whole. A load that fails keeps the file aside as
// "<name>.damaged" (numbered when an older one is there), so the next save cannot
// overwrite what the player may still want.
//
//   FileLoadResult loaded = LoadObjectFile(dir + "progs.dat", progressions);
//   if (loaded.outcome == LoadOutcome::Damaged) prompter.Show(..., loaded.failure->message);
//   Result<> saved = SaveObjectFile(dir + "progs.dat", progressions);
//   if (!saved) prompter.Show(..., saved.Error().message);

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "util/byte_stream.h"
#include "util/class_registry.h"
#include "util/result.h"

class CObject;

enum class LoadOutcome {
    Loaded,   // the whole file was read
    Absent,   // no file, or it cannot be opened for reading: nothing was read
    Empty,    // a file of size 0: nothing was read
    Damaged,  // the file could not be read and was kept aside
};

// A load has more outcomes than success and failure, so the outcome is kept beside the
// failure rather than folded into a Result.
struct FileLoadResult {
    LoadOutcome outcome = LoadOutcome::Loaded;
    // Absent: why it could not be opened (none when there is no file); Damaged: the
    // fault, its byte offset and where the file was kept, in sentences for the player,
    // with the fault's offset also as a number.
    std::optional<Failure> failure;
    // Damaged: the file's new name; empty when it could not be renamed, in which case
    // the owner must not save over it.
    std::filesystem::path keptAs;

    explicit operator bool() const { return outcome == LoadOutcome::Loaded; }
    // The failure's message, "" when there is none.
    std::string Message() const { return failure ? failure->message : std::string(); }
};

// Writes a file through a temporary file beside it. `write` fills the sink and returns
// a failure of its own, if any. A symbolic link is kept, and the file
// it points to replaced. The replaced file's permissions carry over.
// The failure message says which file and what went wrong.
Result<> WriteFileSafely(const std::filesystem::path& path,
                         const std::function<Result<>(ByteSink&)>& write);
Result<> WriteBytesSafely(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// Stores an archive root as a file, safely.
Result<> SaveObjectFile(const std::filesystem::path& path, CObject& root);

// Reads an archive root from a file. On Damaged the root holds what was read before the
// fault; an owner that wants all or nothing loads into a fresh object.
FileLoadResult LoadObjectFile(const std::filesystem::path& path, CObject& root,
                              const CClassRegistry& registry = CClassRegistry::Global());

// Removes the temporary files "<name>.tmp-PID-N" that saves of this file left beside it
// when their process was killed, once that process no longer runs. Every save and load of
// a file through this unit does it first.
void RemoveStaleTemporaries(const std::filesystem::path& path);

// True when the file exists and its mode gives nobody the right to write it: a file the
// player marked read-only, which a save must not replace behind their back. The mode is
// looked at rather than access(), which lets root write anything.
bool IsReadOnlyFile(const std::filesystem::path& path);

// Renames a file to "<name>.damaged", or, when an older damaged copy has that name, to
// "<name>.damaged.2", ".3" and so on; an older copy is never replaced. The new name, or
// why it cannot.
Result<std::filesystem::path> KeepDamagedFile(const std::filesystem::path& path);

// The directory for the files the program writes, ending with '/': the application
// directory when it is writable, else $XDG_DATA_HOME/fretquill/ (an absolute
// XDG_DATA_HOME only), else ~/.local/share/fretquill/. The fallback is created.
std::string UserDataDirectory();

// The rule itself, for a given environment (either variable may be null).
std::string ChooseUserDataDirectory(const std::string& appDirectory, bool appDirectoryWritable,
                                    const char* xdgDataHome, const char* home);
