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
#include "util/result.h"
#include "util/safe_file.h"

namespace {

// Far beyond any progression a player makes; a larger file is not an exchange file, and
// reading it whole would only waste memory.
constexpr std::uintmax_t kMaxExchangeFileSize = 64u * 1024u * 1024u;

Result<std::vector<std::uint8_t>> ReadWholeFile(const std::filesystem::path& path) {
    using Read = Result<std::vector<std::uint8_t>>;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return Read::Fail(std::filesystem::exists(path, ec) ? "it is not a regular file"
                                                            : "there is no such file");
    }
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec) {
        return Read::Fail(ec.message());
    }
    if (size > kMaxExchangeFileSize) {
        return Read::Fail("it is far too large to be a progression");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return Read::Fail(std::strerror(errno));
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<std::uintmax_t>(in.gcount()) != size) {
        return Read::Fail("it could not be read to its end");
    }
    return bytes;
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
    const Result<std::vector<std::uint8_t>> whole = ReadWholeFile(path);
    if (!whole) {
        prompter.Show(PromptKind::Error, kLibraryMessageTitle,
                      "Could not open " + path.string() + ": " + whole.Error().message + ".");
        return false;
    }
    const std::vector<std::uint8_t>& bytes = whole.Value();
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
