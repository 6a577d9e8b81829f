#pragma once

// The program's modes, stored (settings, favorites) as their numbers.
enum class ProgramMode { ChordPlotter = 0, ChordDiscoverer = 1, Scale = 2, Mode = 3, Progression = 4 };

// The mode stored as this number; a number no mode has gives Chord Plotter.
constexpr ProgramMode ProgramModeFromNumber(int number) {
    return number >= static_cast<int>(ProgramMode::ChordPlotter) &&
                   number <= static_cast<int>(ProgramMode::Progression)
               ? static_cast<ProgramMode>(number)
               : ProgramMode::ChordPlotter;
}
