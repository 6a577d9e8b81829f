#pragma once

// Byte forms of the stored guitar records, spelled out by hand so that the tests compare
// the writer against the file format rather than against itself.

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

inline Bytes Int(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    return {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
            static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
}

// The wide string form of ASCII text shorter than 255 characters.
inline Bytes Wide(std::string_view ascii) {
    Bytes out = {0xFF, 0xFE, 0xFF, static_cast<std::uint8_t>(ascii.size())};
    for (const char c : ascii) {
        out.push_back(static_cast<std::uint8_t>(c));
        out.push_back(0);
    }
    return out;
}

inline Bytes Ascii(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

inline Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& part : parts) {
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

// A tuning's stored form: six note/octave pairs, then its trailing fields in stored order.
inline Bytes TuningBytes(const std::vector<std::pair<int, int>>& strings, int type, int loop,
                         int strum, std::string_view pick, int rightHanded) {
    Bytes out;
    for (const auto& [note, octave] : strings) {
        out = Concat({out, Int(note), Int(octave)});
    }
    return Concat({out, Int(type), Int(loop), Int(strum), Wide(pick), Int(rightHanded)});
}
