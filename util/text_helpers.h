#pragma once

// Text and file helpers used throughout the program.

#include <string>
#include <string_view>
#include <vector>

// The directory of the program file, ending with '/'. FRETQUILL_APPDIR overrides it
// (tests and portable installs); a value without a trailing '/' gets one.
std::string AppDirectory();

// Text is UTF-8 throughout the program, so this hands the text on unchanged.
std::string ToMultiByte(std::string_view text);

// Splits a text at a separator. Quote characters start and end quoted stretches in which
// separators are ordinary characters (two quotes in a row inside one give a literal quote);
// with `collapse`, a run of separators counts as one. A separator at the very start gives
// an empty first part; separators at the end give no empty last part.
std::vector<std::string> SplitList(std::string_view text, char separator, char quote,
                                   bool collapse);

// True when the file exists and can be opened for reading.
bool CanOpenFile(const std::string& path);
