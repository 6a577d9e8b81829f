#include "app/command_line.h"

#include <charconv>

namespace {

bool ParseZoom(const std::string& text, int& zoom) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || rest != end || value < kMinZoom || value > kMaxZoom) {
        return false;
    }
    zoom = value;
    return true;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            line.help = true;
        } else if (argument == "--version") {
            line.version = true;
        } else if (argument == "--zoom" || argument.starts_with("--zoom=")) {
            std::string value;
            if (argument == "--zoom") {
                if (i + 1 >= arguments.size()) {
                    line.error = "--zoom needs a number from 1 to 4";
                    return line;
                }
                value = arguments[++i];
            } else {
                value = argument.substr(7);
            }
            if (!ParseZoom(value, line.zoom)) {
                line.error = "--zoom takes a number from 1 to 4, not \"" + value + "\"";
                return line;
            }
        } else {
            line.error = "unknown argument \"" + argument + "\"";
            return line;
        }
    }
    return line;
}

std::string UsageText() {
    return "Usage: fretquill [--zoom N] [--help] [--version]\n"
           "\n"
           "Fretquill shows a guitar neck with chords, scales and modes, names the chords you\n"
           "fret and plays them.\n"
           "\n"
           "  --zoom N    show every pixel of the neck N times larger, N from 1 to 4\n"
           "              (default: the largest that shows frets 0 to 12 on the screen)\n"
           "  --help      show this text and exit\n"
           "  --version   show the version and exit\n"
           "\n"
           "Without a display, the command-line tool fretquill-cli does the same work in a\n"
           "terminal.\n";
}

int FittingZoom(int availableHeight, int logicalHeight, int frameHeight) {
    for (int zoom = kMaxZoom; zoom > kMinZoom; --zoom) {
        if (logicalHeight * zoom + frameHeight <= availableHeight) {
            return zoom;
        }
    }
    return kMinZoom;
}
