#include "cli/chord_box.h"

#include <algorithm>

namespace {

constexpr int kBoxRows = 4;

}  // namespace

std::string ChordBoxText(const std::array<int, kStringCount>& frets) {
    int lowest = kFretCount + 1;
    int highest = 0;
    for (int fret : frets) {
        if (fret > 0) {
            lowest = std::min(lowest, fret);
            highest = std::max(highest, fret);
        }
    }
    // At the nut when every fretted note lies in the first frets; otherwise from the lowest
    // fretted fret, which is labelled.
    const bool atNut = highest <= kBoxRows;
    const int base = atNut ? 1 : lowest;
    const int rows = std::max(kBoxRows, highest - base + 1);

    std::string text;
    std::string marks;
    for (int fret : frets) {
        marks += fret < 0 ? 'x' : fret == 0 ? 'o' : ' ';
        marks += ' ';
    }
    marks.erase(marks.find_last_not_of(' ') + 1);
    text += marks + '\n';
    text += atNut ? std::string(2 * kStringCount - 1, '=') + '\n' : "";
    for (int row = 0; row < rows; ++row) {
        const int fret = base + row;
        std::string line;
        for (int s = 0; s < kStringCount; ++s) {
            line += frets[static_cast<size_t>(s)] == fret ? '*' : '|';
            line += s + 1 < kStringCount ? " " : "";
        }
        if (!atNut && row == 0) {
            line += "  " + std::to_string(base) + "fr";
        }
        text += line + '\n';
    }
    return text;
}
