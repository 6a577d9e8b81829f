#pragma once

// The standard CRC-32 (as in IEEE 802.3 and zlib: polynomial 0x04C11DB7 processed
// bit-reversed, initial value all ones, final complement). The chord database's cache is
// trusted while the CRC of "chords.xml" matches the one stored with the settings.
//
//   Crc32(bytes)                      // "123456789" -> 0xcbf43926
//   Result<std::uint32_t> r = FileCrc32(dir + "chords.xml");
//   if (!r) prompter.Show(PromptKind::Error, "Fretquill", r.Error().message);

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "util/result.h"

// The CRC of the bytes; pass the result of an earlier call to continue over more bytes.
std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t previous = 0);
std::uint32_t Crc32(std::string_view bytes, std::uint32_t previous = 0);

// Eight lower-case hexadecimal digits.
std::string Crc32Text(std::uint32_t crc);

// The CRC of a file's bytes. Failures: "Could not open source file: " with the system's
// reason, or "Failed to read the entire file.\n\n" with the path.
Result<std::uint32_t> FileCrc32(const std::string& path);
