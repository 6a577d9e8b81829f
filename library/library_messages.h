#pragma once

// The texts the library's flows show, word for word as the program's string table has
// them (the numbered ones) or as the dialogs write them. "%s" and "%i" are filled in by
// FormatMessage.

#include <initializer_list>
#include <string>
#include <string_view>

namespace library_messages {

// 65008, with the limit.
inline constexpr const char* kFavoritesFull =
    "The maximum allowed favorites for this mode has been reached (%i).  You will need to "
    "first delete one or more favorites to be able to add more.  Would you like to organize "
    "your favorites now?";
inline constexpr const char* kDuplicateFavorite =
    "There's already a favorite with this name.  Overwrite?";
inline constexpr const char* kDuplicateFavoriteTitle = "Duplicate Favorite";
// 65037
inline constexpr const char* kNoProgressionToAddTo =
    "There are currently no progressions to add a pattern to.  Proceeding to the Add "
    "Progression dialog...";
// 65038
inline constexpr const char* kSelectProgression =
    "Please select a progression to add this pattern to.";
// 65041
inline constexpr const char* kProgressionNameTaken =
    "A progression with this new name already exists.  Please choose another name.";
// 65042, with the name.
inline constexpr const char* kProgressionNameInTuning =
    "A progression with the name '%s' already exists in this tuning.  Please choose another "
    "name.";
// 65043, with the name and the folder.
inline constexpr const char* kExportOverwrite =
    "There is already a file called '%s' in directory '%s'.  Overwrite?";
// 65045, with the name.
inline constexpr const char* kConfirmDelete = "Are you sure you want to delete '%s'?";
// 65046
inline constexpr const char* kPatternNameTaken =
    "A pattern with this name already exists.  Please choose another name.";
inline constexpr const char* kEnterPatternName =
    "Please enter a name for this pattern before clicking OK";
inline constexpr const char* kEnterProgressionName =
    "Please enter a name for this new progression before clicking OK";
inline constexpr const char* kEnterExportName = "Please enter a name for this progression.";
inline constexpr const char* kExportSuccessful = "Export successful.";
inline constexpr const char* kChooseImportFile = "Please choose a progression to import.";
inline constexpr const char* kImportSuccessful = "Progression imported successfully.";
inline constexpr const char* kRenameIntro =
    "There is already a progression in the specified tuning with the same name.  Please "
    "choose a new name below.";

}  // namespace library_messages

// Fills each "%s" or "%i" of a message, in order, with the next argument ("%%" is a "%"),
// control characters and bytes that are not UTF-8 escaped (EscapedText).
std::string FormatMessage(std::string_view format, std::initializer_list<std::string> args);

// The text without spaces at either end.
std::string TrimSpaces(std::string_view text);
