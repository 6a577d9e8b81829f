#include "sound/sound_pack_library.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <system_error>

#include "sound/sound_engine.h"
#include "sound/sound_settings.h"
#include "util/display_format.h"
#include "util/prompter.h"
#include "util/text_helpers.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kNoPackText = "<none>";
constexpr const char* kMessageTitle = "Fretquill";

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(first, last - first + 1));
}

bool HasPackExtension(const std::string& name) {
    if (name.size() < 4) {
        return false;
    }
    std::string ext = name.substr(name.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".spk";
}

// The order of a sorted list box: letter case ignored, exact text breaking ties.
bool ListOrder(const std::string& a, const std::string& b) {
    const auto lower = [](unsigned char c) { return std::tolower(c); };
    const bool less =
        std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) {
            return lower(static_cast<unsigned char>(x)) < lower(static_cast<unsigned char>(y));
        });
    const bool greater =
        std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), [&](char x, char y) {
            return lower(static_cast<unsigned char>(x)) < lower(static_cast<unsigned char>(y));
        });
    if (less || greater) {
        return less;
    }
    return a < b;
}

}  // namespace

std::vector<std::string> SplitSearchDirectories(std::string_view spkDirs) {
    return SplitList(spkDirs, ';', '"', true);
}

std::string JoinSearchDirectories(const std::vector<std::string>& directories) {
    std::string joined;
    for (std::size_t i = 0; i < directories.size(); ++i) {
        if (i > 0) {
            joined += ';';
        }
        const std::string& directory = directories[i];
        // Folder names may hold ';' or '"'; quoted (quotes doubled inside), such a
        // directory splits back whole. An empty one is quoted so it is not lost either.
        if (!directory.empty() && directory.find_first_of(";\"") == std::string::npos) {
            joined += directory;
            continue;
        }
        joined += '"';
        for (const char c : directory) {
            joined += c;
            if (c == '"') {
                joined += '"';
            }
        }
        joined += '"';
    }
    return joined;
}

std::vector<SoundPackEntry> DiscoverSoundPacks(const std::vector<std::string>& directories) {
    std::vector<SoundPackEntry> found;
    std::set<std::string> searched;
    for (std::string directory : directories) {
        if (directory.empty() || directory.back() != '/') {
            directory += '/';
        }
        if (!searched.insert(directory).second) {
            continue;
        }
        std::error_code error;
        fs::directory_iterator it(directory, error);
        if (error) {
            continue;  // a directory that does not exist contributes nothing
        }
        std::vector<SoundPackEntry> here;
        // Stepped by hand: a directory that fails while being read (removed, unreadable)
        // ends its own listing instead of throwing.
        for (; !error && it != fs::directory_iterator(); it.increment(error)) {
            const fs::directory_entry& file = *it;
            std::error_code fileError;
            const std::string name = file.path().filename().string();
            if (!HasPackExtension(name) || !file.is_regular_file(fileError)) {
                continue;
            }
            const std::uintmax_t size = file.file_size(fileError);
            if (fileError) {
                continue;
            }
            SoundPackEntry entry;
            entry.name = name;
            entry.path = directory;
            entry.size = static_cast<std::uint32_t>(std::min<std::uintmax_t>(size, UINT32_MAX));
            here.push_back(std::move(entry));
        }
        // Directory order is whatever the file system keeps; names make it repeatable.
        std::sort(here.begin(), here.end(),
                  [](const SoundPackEntry& a, const SoundPackEntry& b) { return a.name < b.name; });
        for (SoundPackEntry& entry : here) {
            entry.index = static_cast<int>(found.size());
            found.push_back(std::move(entry));
        }
    }
    return found;
}

void CSoundPackLibrary::Open(std::string_view spkDirs) {
    directories = SplitSearchDirectories(spkDirs);
    SortDirectories();
    Discover();
}

std::string CSoundPackLibrary::CurrentText() const {
    const std::string current = Trimmed(settings.SoundPack());
    return current.empty() ? kNoPackText : current;
}

bool CSoundPackLibrary::CanUnload() const {
    return !Trimmed(settings.SoundPack()).empty();
}

void CSoundPackLibrary::SortDirectories() {
    std::stable_sort(directories.begin(), directories.end(), ListOrder);
}

void CSoundPackLibrary::Discover() {
    entries = DiscoverSoundPacks(directories);
    rows.clear();
    const std::string current = settings.SoundPack();
    // Each pack found goes in at the top of the list, so the last found shows first.
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        SoundPackRow row;
        row.index = it->index;
        row.name = it->name;
        row.path = it->path;
        row.sizeText = SizeText(it->size);
        row.loaded = (it->path + it->name) == current;
        rows.push_back(std::move(row));
    }
}

void CSoundPackLibrary::AddDirectory(const std::string& directory) {
    directories.push_back(directory);
    SortDirectories();
    Discover();
}

bool CSoundPackLibrary::DeleteDirectory(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= directories.size()) {
        return false;
    }
    directories.erase(directories.begin() + row);
    Discover();
    return true;
}

bool CSoundPackLibrary::Load(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size()) {
        return false;
    }
    const int index = rows[static_cast<std::size_t>(row)].index;
    const auto entry = std::find_if(entries.begin(), entries.end(),
                                    [&](const SoundPackEntry& e) { return e.index == index; });
    if (entry == entries.end()) {
        return false;
    }
    const std::string fullPath = entry->path + entry->name;
    if (!engine.LoadSoundPack(fullPath)) {
        prompter.Show(PromptKind::Error, kMessageTitle, engine.LastErrorText());
        return false;
    }
    settings.SetSoundPack(fullPath);
    Discover();
    return true;
}

bool CSoundPackLibrary::Unload() {
    if (!engine.UnloadSoundPack()) {
        return false;
    }
    settings.SetSoundPack("");
    Discover();
    return true;
}
