#pragma once

// The damaged archive files of tests/data/bad_archives and what each must say.

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

struct BadArchiveCase {
    std::string file;
    // chords, progressions, favorites or exchange.
    std::string kind;
    std::uint64_t offset = 0;
    std::string message;
    // The file reads, with one value outside its stored range ("repaired" in place of the
    // offset); the message is that field as DescribeFault names it.
    bool repaired = false;
};

inline std::string BadArchiveFolder() {
    return std::string(FRETQUILL_TEST_DATA_DIR) + "/bad_archives";
}

// The cases listed in the folder's cases.txt ("file | kind | offset | message", or
// "file | kind | repaired | field").
inline std::vector<BadArchiveCase> ReadBadArchiveCases() {
    std::vector<BadArchiveCase> cases;
    std::ifstream in(BadArchiveFolder() + "/cases.txt");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::vector<std::string> parts;
        std::size_t start = 0;
        for (int i = 0; i < 3; ++i) {
            const std::size_t bar = line.find(" | ", start);
            if (bar == std::string::npos) {
                break;
            }
            parts.push_back(line.substr(start, bar - start));
            start = bar + 3;
        }
        parts.push_back(line.substr(start));
        if (parts.size() == 4 && parts[2] == "repaired") {
            cases.push_back({parts[0], parts[1], 0, parts[3], true});
        } else if (parts.size() == 4) {
            cases.push_back({parts[0], parts[1], std::stoull(parts[2]), parts[3]});
        }
    }
    return cases;
}
