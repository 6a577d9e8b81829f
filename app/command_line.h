#pragma once

// The window's command line: fretquill [--zoom N] [--help] [--version].
//
//   const CommandLine line = ParseCommandLine({"--zoom", "2"});
//   line.zoom == 2;   // 0: choose the zoom that fits the screen

#include <string>
#include <vector>

inline constexpr int kMinZoom = 1;
inline constexpr int kMaxZoom = 4;

struct CommandLine {
    int zoom = 0;  // 0 when not given
    bool help = false;
    bool version = false;
    // Why the arguments cannot be used; "" when they can.
    std::string error;
};

// The arguments after the program name. "--zoom N" and "--zoom=N" both work.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

std::string UsageText();

// The largest zoom whose window, showing the neck's frets 0 to 12 (`logicalHeight` rows of
// the neck plus `frameHeight` screen pixels of menus and bars), fits `availableHeight`;
// never below 1.
int FittingZoom(int availableHeight, int logicalHeight, int frameHeight);
