#include "settings/settings_key.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "settings/app_settings.h"
#include "settings/memory_settings_store.h"
#include "tests/settings/settings_entries.h"
#include "util/text_helpers.h"

namespace {

TEST(SettingsKeyTest, SectionsBecomeGroupsAndEntryNamesOneKey) {
    struct Case {
        const char* section;
        const char* entry;
        const char* path;
    };
    const std::vector<Case> cases = {
        {"Settings", "PlotMode", "Settings/PlotMode"},
        {"Settings\\Chord", "Note", "Settings/Chord/Note"},
        {"Settings", "Chord\\Loop", "Settings/Chord%5CLoop"},
        {"Settings", "Chord/Loop", "Settings/Chord%2FLoop"},
        {"Settings", "Chord%5CLoop", "Settings/Chord%255CLoop"},
        {"", "Top", "Top"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SettingsKeyPath(c.section, c.entry), c.path) << c.section << " " << c.entry;
    }
}

// A store with the key syntax of the window's settings file: keys are paths whose groups
// are split at '/' and '\' alike, so a name is a single key only if it holds neither.
class PathKeyedStore : public SettingsStore {
public:
    int ReadInt(std::string_view section, std::string_view entry, int fallback) const override {
        const auto found = values_.find(Normal(SettingsKeyPath(section, entry)));
        return found == values_.end() ? fallback : std::stoi(found->second);
    }
    std::string ReadText(std::string_view section, std::string_view entry,
                         std::string_view fallback) const override {
        const auto found = values_.find(Normal(SettingsKeyPath(section, entry)));
        return found == values_.end() ? std::string(fallback) : found->second;
    }
    void WriteInt(std::string_view section, std::string_view entry, int value) override {
        values_[Normal(SettingsKeyPath(section, entry))] = std::to_string(value);
    }
    void WriteText(std::string_view section, std::string_view entry,
                   std::string_view value) override {
        values_[Normal(SettingsKeyPath(section, entry))] = std::string(value);
    }

    // The keys held directly in a group ("Settings/Chord"), not in its subgroups.
    std::set<std::string> KeysOf(const std::string& group) const {
        std::set<std::string> keys;
        const std::string prefix = group + "/";
        for (const auto& [path, value] : values_) {
            if (path.rfind(prefix, 0) == 0 && path.find('/', prefix.size()) == std::string::npos) {
                keys.insert(path.substr(prefix.size()));
            }
        }
        return keys;
    }

private:
    static std::string Normal(std::string path) {
        for (char& c : path) {
            if (c == '\\') {
                c = '/';
            }
        }
        return path;
    }
    std::map<std::string, std::string> values_;
};

TEST(SettingsKeyTest, EveryEntryStaysInItsOwnSectionThroughAPathKeyedStore) {
    ::setenv("FRETQUILL_APPDIR", "/nonexistent/fretquill-app/", 1);
    const EntryMap entries = FirstStartEntries(AppDirectory());
    std::map<std::string, std::set<std::string>> expected;
    for (const auto& [key, value] : entries) {
        expected[SettingsKeyPath(key.first, "")].insert(SettingsKeyPath("", key.second));
    }

    const MemorySettingsStore empty;
    CAppSettings settings(empty);
    settings.chordLoop = 1;
    settings.scaleLoop = 2;
    settings.modeLoop = 3;
    settings.chordProgLoop = 4;
    PathKeyedStore store;
    settings.Write(store);
    for (const auto& [group, keys] : expected) {
        const std::string name = group.substr(0, group.size() - 1);
        EXPECT_EQ(store.KeysOf(name), keys) << name;
    }

    const CAppSettings back(store);
    EXPECT_EQ(back.chordLoop, 1);
    EXPECT_EQ(back.scaleLoop, 2);
    EXPECT_EQ(back.modeLoop, 3);
    EXPECT_EQ(back.chordProgLoop, 4);
    MemorySettingsStore again;
    back.Write(again);
    MemorySettingsStore direct;
    settings.Write(direct);
    EXPECT_EQ(again.Entries(), direct.Entries());
}

}  // namespace
