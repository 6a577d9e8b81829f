#pragma once

// Progression exchange files (".fqp"): one progression each, written as the root object
// of an archive, so players can pass progressions around.
//
//   ExportTo(progression, "/home/me/Blues.fqp", prompter);
//   CProgression imported;
//   if (ImportFrom(imported, "/home/me/Blues.fqp", prompter)) ...
//
// Both report their failures through the prompter. An export is written through a
// temporary file and a rename; an import reads the whole file or changes nothing, and
// never touches the file it read.

#include <filesystem>

class CProgression;
class Prompter;

inline constexpr const char* kExchangeExtension = ".fqp";

// Writes the progression as an exchange file; false, after telling the player why, when
// it could not be written.
bool ExportTo(CProgression& progression, const std::filesystem::path& path, Prompter& prompter);
// Reads an exchange file into the progression; false, after telling the player why and
// with the progression unchanged, when the file cannot be opened or does not read. Values
// outside their stored ranges are repaired, and the player told once.
bool ImportFrom(CProgression& progression, const std::filesystem::path& path, Prompter& prompter);
