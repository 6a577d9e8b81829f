#pragma once

// CLibraryFile: one of the player's library files ("progs.dat", "fav.dat") in the user
// data directory, read at first use and written at exit, so that nothing is lost without
// a word:
// - a file that does not read is reported, kept as "<name>.damaged", and never written
//   over; the list goes on empty;
// - a file that exists but cannot be opened is reported and not written over either;
// - a save goes through a temporary file and a rename, and a failed save is reported.
//
//   CLibraryFile file("progs.dat");
//   auto list = std::make_unique<CProgressionList>();
//   if (!file.Load(*list, prompter)) list = std::make_unique<CProgressionList>();
//   ...
//   file.Save(*list, prompter);

#include <filesystem>
#include <string>

#include "util/safe_file.h"

class CObject;
class Prompter;

// The title of the library's message boxes.
inline constexpr const char* kLibraryMessageTitle = "Fretquill";

class CLibraryFile {
public:
    // The file of that name in the user data directory, as it is at this moment.
    explicit CLibraryFile(const std::string& fileName);
    // A file at a path of the caller's choosing.
    explicit CLibraryFile(std::filesystem::path path);

    // Reads the root from the file. True when the root holds the file's contents, or
    // nothing because there is no file or it is empty. False when the file could not be
    // read: the player has been told, and the caller goes on with a fresh, empty root.
    bool Load(CObject& root, Prompter& prompter);
    // Writes the root safely; a failure, or a refusal to write over a file that did not
    // read, is told to the player and answered false.
    bool Save(CObject& root, Prompter& prompter);

    const std::filesystem::path& Path() const { return path_; }
    // True when the file could not be read and was not kept aside, so saving is refused.
    bool SaveBlocked() const { return saveBlocked_; }

private:
    std::filesystem::path path_;
    bool saveBlocked_ = false;
    std::string blockedReason_;
};

// The message boxes the library's own files report through (load and save problems of
// the progression and favorites lists). The window sets its own at start-up; until then,
// and after SetLibraryPrompter(nullptr), problems are written to standard error.
void SetLibraryPrompter(Prompter* prompter);
Prompter& LibraryPrompter();
// Reports to standard error; answers Ok, or No to a question.
Prompter& StandardErrorPrompter();

// Makes every class of the library, and the tuning and chord classes it stores, known to
// the archive by name, so a record of one class found where another belongs is reported
// as such.
void RegisterLibraryClasses();
