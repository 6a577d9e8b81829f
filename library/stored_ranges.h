#pragma once

// The ranges of the library's stored fields, beside those of the chords they hold
// (guitar/stored_ranges.h), and the checks of whole records and files.
//
//   CRangeCheck check(CRangeCheck::Action::Repair);
//   CheckProgressionRanges(progression, "progression", check);

#include <string>

#include "guitar/stored_ranges.h"

class CFavorite;
class CFavoritesList;
class CPattern;
class CProgression;
class CProgressionList;

// Passes of a pattern, as the pattern dialog offers them.
inline constexpr StoredRange kStoredTimesToPlay{1, 10};
// Beats per minute, as every tempo control offers them.
inline constexpr StoredRange kStoredTempos{60, 320};

void CheckPatternRanges(CPattern& pattern, const std::string& path, CRangeCheck& check);
void CheckProgressionRanges(CProgression& progression, const std::string& path, CRangeCheck& check);
void CheckFavoriteRanges(CFavorite& favorite, const std::string& path, CRangeCheck& check);
// Paths "progressions[i]..." and "favorites[i]...", as the files' JSON form names them.
void CheckProgressionListRanges(CProgressionList& list, CRangeCheck& check);
void CheckFavoritesListRanges(CFavoritesList& list, CRangeCheck& check);
