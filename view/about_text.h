#pragma once
// The About panel's lines: each text split at its line breaks, long lines wrapped at their
// last space within the line's width, and a word longer than a line cut at the width.
//
//   WrapAboutText({"Version 1.2", "Release Build", credit, "", site, ""});

#include <cstddef>
#include <string>
#include <vector>

// The panel is 196 pixels wide at about 6 pixels a character.
inline constexpr std::size_t kAboutLineWidth = 32;

std::vector<std::string> WrapAboutText(const std::vector<std::string>& texts,
                                       std::size_t width = kAboutLineWidth);
