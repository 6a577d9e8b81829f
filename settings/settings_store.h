#pragma once

// The per-user settings store as the core sees it: integer and text entries addressed by
// section and entry name. The window backs it with its settings file; tests with
// MemorySettingsStore. A missing or unreadable entry reads as the default given; a
// failed write is not reported.
//
// Sections are named with '\' between levels ("Settings\Chord"). Entry names may hold a
// backslash too ("Chord\Loop" is one entry of the section "Settings", not a
// subsection): a store must keep such a name as a single entry. A store whose keys are
// paths of groups (the window's settings file) takes them from SettingsKeyPath.

#include <string>
#include <string_view>

inline constexpr std::string_view kSettingsSection = "Settings";
inline constexpr std::string_view kChordSection = "Settings\\Chord";
inline constexpr std::string_view kScaleSection = "Settings\\Scale";
inline constexpr std::string_view kModeSection = "Settings\\Mode";
inline constexpr std::string_view kTuningSection = "Settings\\Tuning";

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual int ReadInt(std::string_view section, std::string_view entry,
                        int defaultValue) const = 0;
    virtual std::string ReadText(std::string_view section, std::string_view entry,
                                 std::string_view defaultValue) const = 0;
    virtual void WriteInt(std::string_view section, std::string_view entry, int value) = 0;
    virtual void WriteText(std::string_view section, std::string_view entry,
                           std::string_view value) = 0;
};
