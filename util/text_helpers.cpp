#include "util/text_helpers.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

std::string AppDirectory() {
    std::string dir;
    if (const char* overridden = std::getenv("FRETQUILL_APPDIR");
        overridden != nullptr && *overridden != '\0') {
        dir = overridden;
    } else {
        std::error_code error;
        const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
        dir = error ? std::string() : program.parent_path().string();
        if (dir.empty()) {
            dir = "/";
        }
    }
    if (dir.back() != '/') {
        dir += '/';
    }
    return dir;
}

std::string ToMultiByte(std::string_view text) { return std::string(text); }

std::vector<std::string> SplitList(std::string_view text, char separator, char quote,
                                   bool collapse) {
    std::vector<std::string> parts;
    if (text.empty()) {
        return parts;
    }
    std::string current;
    bool quoted = false;
    bool partOpen = false;  // something (even an empty quoted stretch) belongs to `current`
    bool lastWasSeparator = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == quote) {
                // Two quotes in a row are one literal quote and the stretch goes on.
                if (i + 1 < text.size() && text[i + 1] == quote) {
                    current += quote;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                current += c;
            }
            continue;
        }
        if (c == quote) {
            quoted = true;
            partOpen = true;
            lastWasSeparator = false;
            continue;
        }
        if (c == separator) {
            if (!(collapse && lastWasSeparator)) {
                parts.push_back(current);
            }
            current.clear();
            partOpen = false;
            lastWasSeparator = true;
            continue;
        }
        current += c;
        partOpen = true;
        lastWasSeparator = false;
    }
    if (partOpen) {
        parts.push_back(current);
    }
    return parts;
}

bool CanOpenFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    return file.is_open();
}
