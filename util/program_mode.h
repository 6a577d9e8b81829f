#pragma once

enum class ProgramMode { ChordPlotter = 0, ChordDiscoverer = 1, Scale = 2, Mode = 3, Progression = 4 };
