#include "library/stored_ranges.h"

#include "library/favorites_list.h"
#include "library/progression_list.h"

namespace {

std::string Join(const std::string& path, const char* field) {
    return path.empty() ? std::string(field) : path + "." + field;
}

std::string Index(const char* list, std::size_t i) {
    return std::string(list) + "[" + std::to_string(i) + "]";
}

}  // namespace

void CheckPatternRanges(CPattern& pattern, const std::string& path, CRangeCheck& check) {
    check.Field(Join(path, "NumTimesToPlay"), pattern.NumTimesToPlay, kStoredTimesToPlay);
    check.Field(Join(path, "letRing"), pattern.letRing, kStoredFlags);
    CheckChordRanges(pattern.chord, Join(path, "chord"), check);
}

void CheckProgressionRanges(CProgression& progression, const std::string& path,
                            CRangeCheck& check) {
    check.Field(Join(path, "BPM"), progression.BPM, kStoredTempos);
    const auto& patterns = progression.patterns.patterns;
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        CheckPatternRanges(*patterns[i], Join(path, Index("patterns", i).c_str()), check);
    }
}

void CheckFavoriteRanges(CFavorite& favorite, const std::string& path, CRangeCheck& check) {
    check.Field(Join(path, "rootNote"), favorite.rootNote, kStoredRoots);
    CheckChordRanges(favorite.chord, Join(path, "chord"), check);
}

void CheckProgressionListRanges(CProgressionList& list, CRangeCheck& check) {
    for (std::size_t i = 0; i < list.progressions.size(); ++i) {
        CheckProgressionRanges(*list.progressions[i], Index("progressions", i), check);
    }
}

void CheckFavoritesListRanges(CFavoritesList& list, CRangeCheck& check) {
    for (std::size_t i = 0; i < list.favorites.size(); ++i) {
        CheckFavoriteRanges(*list.favorites[i], Index("favorites", i), check);
    }
}
