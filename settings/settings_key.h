#pragma once

// Where an entry lives in a store whose keys are paths of groups split at '/' (and, in
// the window's settings file, at '\' too). The section's levels become groups; the entry
// name becomes one key, with '\', '/' and '%' written as %5C, %2F and %25, so that
// "Chord\Loop" stays a single entry of "Settings" instead of turning into the entry
// "Loop" of "Settings\Chord".
//
//   SettingsKeyPath("Settings\\Chord", "Note");  // "Settings/Chord/Note"
//   SettingsKeyPath("Settings", "Chord\\Loop");  // "Settings/Chord%5CLoop"

#include <string>
#include <string_view>

std::string SettingsKeyPath(std::string_view section, std::string_view entry);
