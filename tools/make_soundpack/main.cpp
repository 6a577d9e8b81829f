// make_soundpack OUT.spk: writes the program's default sound pack.

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "tools/make_soundpack/default_pack.h"
#include "util/file_size_signal.h"
#include "util/safe_file.h"

int main(int argc, char** argv) {
    IgnoreFileSizeSignal();
    if (argc != 2) {
        std::cerr << "usage: make_soundpack OUT.spk\n";
        return 2;
    }
    const std::filesystem::path out = argv[1];
    const Result<std::vector<std::uint8_t>> bytes = WriteXmModule(MakeDefaultSoundPack());
    if (!bytes) {
        std::cerr << "make_soundpack: " << bytes.Error().message << "\n";
        return 1;
    }
    std::error_code ec;
    if (out.has_parent_path()) {
        std::filesystem::create_directories(out.parent_path(), ec);
    }
    const Result<> saved = WriteBytesSafely(out, bytes.Value());
    if (!saved) {
        std::cerr << "make_soundpack: " << saved.Error().message << "\n";
        return 1;
    }
    return 0;
}
