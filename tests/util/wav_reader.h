#pragma once

// Reads back the mono 16-bit PCM WAV files the program writes, for tests.

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

struct WavData {
    bool ok = false;
    int rate = 0;
    int channels = 0;
    int bits = 0;
    std::uint32_t declaredBytes = 0;  // the data chunk's size field
    std::vector<std::int16_t> frames;
};

inline WavData ReadWav(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)),
                                       std::istreambuf_iterator<char>());
    WavData wav;
    const auto u16 = [&b](std::size_t at) { return unsigned(b[at]) | unsigned(b[at + 1]) << 8; };
    const auto u32 = [&](std::size_t at) { return u16(at) | std::uint32_t(u16(at + 2)) << 16; };
    if (b.size() < 44 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
        std::string(b.begin() + 8, b.begin() + 16) != "WAVEfmt " ||
        std::string(b.begin() + 36, b.begin() + 40) != "data") {
        return wav;
    }
    wav.channels = static_cast<int>(u16(22));
    wav.rate = static_cast<int>(u32(24));
    wav.bits = static_cast<int>(u16(34));
    wav.declaredBytes = u32(40);
    for (std::size_t at = 44; at + 1 < b.size(); at += 2) {
        wav.frames.push_back(static_cast<std::int16_t>(u16(at)));
    }
    wav.ok = u32(4) == b.size() - 8 && wav.declaredBytes == b.size() - 44;
    return wav;
}
