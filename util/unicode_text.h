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

// The text as a message can quote it: control characters (U+0000..U+001F, U+007F and the
// C1 controls U+0080..U+009F) and bytes that are not UTF-8 appear as "\x07", "\xff", one
// escape per byte, so text from a damaged file cannot drive the terminal or garble the
// message. Everything else, other scripts included, is kept as it is.
std::string EscapedText(std::string_view text);
