#pragma once

// Shared helpers of the library tests: patterns built in one line, a chord player that
// writes down what sounded, byte searches and a private application directory.

#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "library/chord_player.h"
#include "library/favorites_list.h"
#include "library/pattern.h"
#include "library/progression_list.h"
#include "tests/util/temp_dir.h"

using Bytes = std::vector<std::uint8_t>;

// A pattern: strummed when pick is empty, else picked with that text; the strings listed
// in muted are muted.
inline std::unique_ptr<CPattern> MakePattern(const std::string& name, const std::string& pick,
                                             int times = 1,
                                             std::initializer_list<int> muted = {}) {
    auto pattern = std::make_unique<CPattern>();
    pattern->name = name;
    pattern->NumTimesToPlay = times;
    pattern->chord.strum = pick.empty() ? 1 : 0;
    pattern->chord.pickPattern = pick;
    for (int s : muted) {
        pattern->chord.SetStringNote(s, kNoteMuted, 0);
    }
    return pattern;
}

// Writes down "strum" and "s1".."s6"; a rest sounds nothing, so it calls nothing.
class RecordingChordPlayer : public ChordPlayer {
public:
    std::vector<std::string> events;

    bool SoundString(CTuning&, int s) override {
        events.push_back("s" + std::to_string(s));
        return true;
    }
    bool StrumStrings(const CTuning&) override {
        events.push_back("strum");
        return true;
    }
};

inline std::size_t CountOccurrences(const Bytes& bytes, std::string_view text) {
    std::size_t count = 0;
    auto at = bytes.begin();
    const auto same = [](std::uint8_t byte, char c) {
        return byte == static_cast<std::uint8_t>(c);
    };
    while ((at = std::search(at, bytes.end(), text.begin(), text.end(), same)) != bytes.end()) {
        ++count;
        ++at;
    }
    return count;
}

inline Bytes ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFileBytes(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// Points the application directory at a fresh folder for the life of the object, and
// leaves no library instance behind.
class PrivateAppDirectory {
public:
    PrivateAppDirectory() {
        const char* old = getenv("FRETQUILL_APPDIR");
        hadOld_ = old != nullptr;
        old_ = hadOld_ ? old : "";
        setenv("FRETQUILL_APPDIR", (dir_.Path().string() + "/").c_str(), 1);
        CProgressionList::DiscardInstance();
        CFavoritesList::DiscardInstance();
    }
    PrivateAppDirectory(const PrivateAppDirectory&) = delete;
    PrivateAppDirectory& operator=(const PrivateAppDirectory&) = delete;
    ~PrivateAppDirectory() {
        CProgressionList::DiscardInstance();
        CFavoritesList::DiscardInstance();
        if (hadOld_) {
            setenv("FRETQUILL_APPDIR", old_.c_str(), 1);
        } else {
            unsetenv("FRETQUILL_APPDIR");
        }
    }
    std::filesystem::path operator/(const std::string& name) const { return dir_ / name; }
    const std::filesystem::path& Path() const { return dir_.Path(); }

private:
    TempDir dir_;
    bool hadOld_ = false;
    std::string old_;
};
