#include "library/exchange_file.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "library/library_file.h"
#include "library/progression.h"
#include "library/stored_ranges.h"
#include "util/object_archive.h"
#include "util/prompter.h"
#include "util/safe_file.h"

namespace {

// Far beyond any progression a player makes; a larger file is not an exchange file, and
// reading it whole would only waste memory.
constexpr std::uintmax_t kMaxExchangeFileSize = 64u * 1024u * 1024u;

bool ReadWholeFile(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes,
                   std::string& error) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        error = std::filesystem::exists(path, ec) ? "it is not a regular file"
                                                  : "there is no such file";
        return false;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec) {
        error = ec.message();
        return false;
    }
    if (size > kMaxExchangeFileSize) {
        error = "it is far too large to be a progression";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = std::strerror(errno);
        return false;
    }
    bytes.resize(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<std::uintmax_t>(in.gcount()) != size) {
        error = "it could not be read to its end";
        return false;
    }
    return true;
}

}  // namespace

bool ExportTo(CProgression& progression, const std::filesystem::path& path, Prompter& prompter) {
    if (IsReadOnlyFile(path)) {
        prompter.Show(
            PromptKind::Error, kLibraryMessageTitle,
            "Could not save " + path.string() + ": it is read-only, and is left as it is.");
        return false;
    }
    const Result<> saved = SaveObjectFile(path, progression);
    if (!saved) {
        prompter.Show(PromptKind::Error, kLibraryMessageTitle, saved.Error().message);
        return false;
    }
    return true;
}

bool ImportFrom(CProgression& progression, const std::filesystem::path& path, Prompter& prompter) {
    RegisterLibraryClasses();
    RemoveStaleTemporaries(path);
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!ReadWholeFile(path, bytes, error)) {
        prompter.Show(PromptKind::Error, kLibraryMessageTitle,
                      "Could not open " + path.string() + ": " + error + ".");
        return false;
    }
    if (bytes.empty()) {
        prompter.Show(
            PromptKind::Error, kLibraryMessageTitle,
            "Could not read " + path.string() + ": the file is empty. Nothing was imported.");
        return false;
    }
    CProgression read;
    const Result<> loaded = LoadFromBytes(read, bytes);
    if (!loaded) {
        prompter.Show(PromptKind::Error, kLibraryMessageTitle,
                      "Could not read " + path.string() + " (" + loaded.Error().Describe() +
                          "). Nothing was imported.");
        return false;
    }
    CRangeCheck check(CRangeCheck::Action::Repair);
    CheckProgressionRanges(read, "progression", check);
    if (!check.Faults().empty()) {
        prompter.Show(PromptKind::Information, kLibraryMessageTitle,
                      RepairedValuesMessage(path.string(), check.Faults()));
    }
    progression = read;
    return true;
}
