#pragma once

// How long an Extended Module (XM 1.04) file says it is: its header, patterns, instrument
// headers, sample headers and sample data added up from the lengths it declares.
// The module loader reads a file cut short without complaint and keeps whatever samples
// it got; comparing this length with the file's size tells a sound pack that lost its
// end from a whole one.
//
//   if (const auto declared = XmDeclaredSize(path); declared && *declared > fileSize) ...

#include <cstdint>
#include <optional>
#include <string>

// The declared length in bytes, or nothing when the file is not an XM 1.04 module (other
// module formats are not measured) or its headers are themselves cut short, which counts
// as longer than any file: the largest uint64.
std::optional<std::uint64_t> XmDeclaredSize(const std::string& path);
