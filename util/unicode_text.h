#pragma once

// Conversions between the program's UTF-8 text and the UTF-16 and Latin-1 forms that
// stored files carry. Malformed input never fails: each bad sequence becomes U+FFFD, so
// a damaged name still loads and shows where it went wrong.

#include <string>
#include <string_view>

// UTF-8 to UTF-16. Overlong forms, surrogate code points, values above U+10FFFF and
// truncated sequences each become one U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);

// UTF-16 to UTF-8. An unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

// Appends the UTF-8 bytes of a code point (the caller checks it is a scalar value).
void AppendUtf8(std::string& out, char32_t cp);

// Single-byte text read as Latin-1 (every byte is the code point of the same value).
std::string Latin1ToUtf8(std::string_view text);
