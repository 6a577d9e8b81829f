#pragma once

// One registration function per command file. Each adds its commands to the application,
// with their options and the callback that runs them; main() calls them all.

namespace CLI {
class App;
}

// note_commands.cpp: note, tones, name, tunings.
void AddNoteCommands(CLI::App& app);
// chord_commands.cpp: chord.
void AddChordCommands(CLI::App& app);
// scale_commands.cpp: scale.
void AddScaleCommands(CLI::App& app);
// file_commands.cpp: dump, write.
void AddFileCommands(CLI::App& app);
// play_commands.cpp: play chord, play scale, play progression, soundpack info.
void AddPlayCommands(CLI::App& app);
