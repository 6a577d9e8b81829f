// fretquill-cli dump and write: the program's data files as JSON and back, so players can
// back up, edit and version their library as text, and the formats can be checked from
// outside.

#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <system_error>

#include "cli/cli_args.h"
#include "cli/commands.h"
#include "cli/library_json.h"
#include "guitar/stored_ranges.h"
#include "library/library_file.h"
#include "util/byte_stream.h"
#include "util/object_archive.h"
#include "util/safe_file.h"

namespace {

constexpr const char* kKinds = "chords|progressions|favorites|exchange";

// Reads a file as it is read by the program, a buffer at a time.
class StreamSource : public ByteSource {
public:
    StreamSource(std::istream& in, std::uint64_t size) : in_(in), size_(size) {}

    std::size_t Read(std::span<std::uint8_t> into) override {
        in_.read(reinterpret_cast<char*>(into.data()), static_cast<std::streamsize>(into.size()));
        return static_cast<std::size_t>(in_.gcount());
    }
    std::uint64_t Size() const override { return size_; }

private:
    std::istream& in_;
    std::uint64_t size_;
};

LibraryFileKind ParseKind(const std::string& text) {
    const std::optional<LibraryFileKind> kind = KindFromName(text);
    if (!kind) {
        throw UsageError("unknown kind '" + text + "'; the kinds are " + kKinds);
    }
    return *kind;
}

std::string ErrnoText() {
    return std::strerror(errno);
}

void AddDumpCommand(CLI::App& app) {
    struct Options {
        std::string file;
        std::string kind;
        bool json = false;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command = app.add_subcommand(
        "dump",
        "Print one of the program's data files (chords.dat, progs.dat, fav.dat, a .fqp "
        "exchange file) as JSON");
    command->add_option("FILE", options->file, "The file to print")->required();
    command->add_option(
        "--kind", options->kind,
        std::string("What the file holds: ") + kKinds + "; by default taken from the file name");
    AddJsonFlag(*command, options->json);
    command->callback([options] {
        const bool fromInput = options->file == "-";
        std::optional<LibraryFileKind> kind;
        if (!options->kind.empty()) {
            kind = ParseKind(options->kind);
        } else if (fromInput) {
            throw UsageError(std::string("give --kind ") + kKinds + " to read standard input");
        } else {
            kind = KindFromFileName(options->file);
            if (!kind) {
                throw UsageError("cannot tell what '" + options->file +
                                 "' holds from its name; give --kind " + kKinds);
            }
        }
        std::string bytes;
        if (fromInput) {
            bytes.assign(std::istreambuf_iterator<char>(std::cin),
                         std::istreambuf_iterator<char>());
        } else {
            // A FIFO or device would block or never end; only a plain file is read.
            std::error_code ec;
            if (!std::filesystem::is_regular_file(options->file, ec)) {
                if (!std::filesystem::exists(options->file, ec)) {
                    throw std::runtime_error("cannot open " + options->file + ": " +
                                             "No such file or directory");
                }
                throw UsageError("cannot read " + options->file + ": it is not a regular file");
            }
            std::ifstream file(options->file, std::ios::binary);
            if (!file) {
                throw std::runtime_error("cannot open " + options->file + ": " + ErrnoText());
            }
            bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
            if (file.bad()) {
                throw std::runtime_error("cannot read " + options->file + ": " + ErrnoText());
            }
        }
        std::istringstream in(bytes);
        const std::uintmax_t size = bytes.size();
        RegisterLibraryClasses();
        std::unique_ptr<CObject> root = MakeFileRoot(*kind);
        // The lists are read as empty from an empty file, as the program does; an exchange
        // file holds one progression, so an empty one does not read.
        if (size > 0 || *kind == LibraryFileKind::Exchange) {
            StreamSource source(in, size);
            const Result<> loaded = LoadArchive(*root, source);
            if (!loaded) {
                throw UsageError("cannot read " + options->file + " as " +
                                 std::string(KindName(*kind)) + ": " + loaded.Error().Describe());
            }
        }
        // The dump shows what is stored; values the program would repair on loading are
        // named beside it.
        for (const RangeFault& fault : FileRangeFaults(*kind, *root)) {
            ReportError("warning: " + options->file + ": " + DescribeFault(fault) +
                            " is outside the range the program uses",
                        kExitOk);
        }
        std::cout << FileToJson(*kind, *root)
                         .dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
                  << '\n';
    });
}

void AddWriteCommand(CLI::App& app) {
    struct Options {
        std::string kind;
        std::string json;
        std::string out;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command = app.add_subcommand(
        "write",
        "Write one of the program's data files from a JSON document of the form dump "
        "prints, byte for byte as the program writes it");
    command->add_option("KIND", options->kind, std::string("The file to write: ") + kKinds)
        ->required();
    command->add_option("JSON", options->json, "The JSON document; - for standard input")
        ->required();
    command->add_option("OUT", options->out, "The file to write; left as it was on any error")
        ->required();
    command->callback([options] {
        const LibraryFileKind kind = ParseKind(options->kind);
        std::string text;
        if (options->json == "-") {
            text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        } else {
            std::ifstream in(options->json, std::ios::binary);
            if (!in) {
                throw std::runtime_error("cannot open " + options->json + ": " + ErrnoText());
            }
            text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
        nlohmann::json document;
        try {
            document = nlohmann::json::parse(text);
        } catch (const nlohmann::json::parse_error& error) {
            const std::string source =
                options->json == "-" ? std::string("standard input") : options->json;
            throw UsageError(source + " is not JSON: " + error.what());
        }
        RegisterLibraryClasses();
        std::unique_ptr<CObject> root = MakeFileRoot(kind);
        FileFromJson(kind, document, *root);

        std::vector<std::uint8_t> bytes;
        const Result<> stored = StoreToBytes(*root, bytes);
        if (!stored) {
            throw UsageError("cannot write " + options->out + ": " + stored.Error().Describe());
        }
        // Whatever is written must read back as the program reads it.
        std::unique_ptr<CObject> check = MakeFileRoot(kind);
        const Result<> loaded = LoadFromBytes(*check, bytes);
        if (!loaded) {
            throw UsageError("the document would make a file the program cannot read: " +
                             loaded.Error().Describe());
        }
        // A file the player marked read-only is not replaced behind their back (root could,
        // so the mode decides, not the permission check).
        if (IsReadOnlyFile(options->out)) {
            throw std::runtime_error("cannot write " + options->out +
                                     ": it is read-only; make it writable first to replace it");
        }
        const Result<> saved = WriteBytesSafely(options->out, bytes);
        if (!saved) {
            throw std::runtime_error(saved.Error().message);
        }
    });
}

}  // namespace

void AddFileCommands(CLI::App& app) {
    AddDumpCommand(app);
    AddWriteCommand(app);
}
