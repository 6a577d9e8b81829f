#pragma once

// A settings store held in memory: for tests, and for runs that must not keep settings.
// An integer entry read as text gives its decimal form; a text entry read as an integer
// gives its value when the whole text is a decimal 32-bit number, else the default.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "settings/settings_store.h"

class MemorySettingsStore : public SettingsStore {
public:
    using Value = std::variant<int, std::string>;

    int ReadInt(std::string_view section, std::string_view entry, int defaultValue) const override;
    std::string ReadText(std::string_view section, std::string_view entry,
                         std::string_view defaultValue) const override;
    void WriteInt(std::string_view section, std::string_view entry, int value) override;
    void WriteText(std::string_view section, std::string_view entry,
                   std::string_view value) override;

    // The stored value, if any.
    std::optional<Value> Find(std::string_view section, std::string_view entry) const;
    void Erase(std::string_view section, std::string_view entry);
    std::size_t Size() const { return entries_.size(); }
    const std::map<std::pair<std::string, std::string>, Value>& Entries() const { return entries_; }

private:
    std::map<std::pair<std::string, std::string>, Value> entries_;
};
