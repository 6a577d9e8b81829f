#include "settings/memory_settings_store.h"

#include <charconv>

namespace {

std::pair<std::string, std::string> Key(std::string_view section, std::string_view entry) {
    return {std::string(section), std::string(entry)};
}

}  // namespace

std::optional<MemorySettingsStore::Value> MemorySettingsStore::Find(std::string_view section,
                                                                    std::string_view entry) const {
    const auto found = entries_.find(Key(section, entry));
    if (found == entries_.end()) {
        return std::nullopt;
    }
    return found->second;
}

int MemorySettingsStore::ReadInt(std::string_view section, std::string_view entry,
                                 int defaultValue) const {
    const std::optional<Value> value = Find(section, entry);
    if (!value) {
        return defaultValue;
    }
    if (const int* number = std::get_if<int>(&*value)) {
        return *number;
    }
    const std::string& text = std::get<std::string>(*value);
    int parsed = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, parsed);
    return (error == std::errc() && ptr == end && !text.empty()) ? parsed : defaultValue;
}

std::string MemorySettingsStore::ReadText(std::string_view section, std::string_view entry,
                                          std::string_view defaultValue) const {
    const std::optional<Value> value = Find(section, entry);
    if (!value) {
        return std::string(defaultValue);
    }
    if (const int* number = std::get_if<int>(&*value)) {
        return std::to_string(*number);
    }
    return std::get<std::string>(*value);
}

void MemorySettingsStore::WriteInt(std::string_view section, std::string_view entry, int value) {
    entries_.insert_or_assign(Key(section, entry), Value(value));
}

void MemorySettingsStore::WriteText(std::string_view section, std::string_view entry,
                                    std::string_view value) {
    entries_.insert_or_assign(Key(section, entry), Value(std::string(value)));
}

void MemorySettingsStore::Erase(std::string_view section, std::string_view entry) {
    entries_.erase(Key(section, entry));
}
