#include "guitar/stored_ranges.h"

#include "guitar/chord.h"
#include "guitar/chord_list.h"
#include "util/object_archive.h"

namespace {

// Enough to see what happened; a badly damaged file would otherwise fill the screen.
constexpr std::size_t kFaultsNamed = 5;

std::string Join(const std::string& path, const char* field) {
    return path.empty() ? std::string(field) : path + "." + field;
}

}  // namespace

void CRangeCheck::Field(const std::string& path, int& value, StoredRange range) {
    if (range.Holds(value)) {
        return;
    }
    faults_.push_back(RangeFault{path, value, range});
    if (action_ == Action::Repair) {
        value = range.Nearest(value);
    }
}

void CheckChordRanges(CChord& chord, const std::string& path, CRangeCheck& check) {
    check.Field(Join(path, "loopPattern"), chord.loopPattern, kStoredFlags);
    check.Field(Join(path, "strum"), chord.strum, kStoredFlags);
    check.Field(Join(path, "rightHanded"), chord.rightHanded, kStoredFlags);
    check.Field(Join(path, "root"), chord.root, kStoredRoots);
    check.Field(Join(path, "variation"), chord.variation, kStoredVariations);
    check.Field(Join(path, "chordType"), chord.chordType, kStoredChordTypes);
    check.Field(Join(path, "dynamic"), chord.dynamic, kStoredFlags);
}

void CheckChordListRanges(CChordList& list, CRangeCheck& check) {
    for (std::size_t i = 0; i < list.chords.size(); ++i) {
        CheckChordRanges(*list.chords[i], "chords[" + std::to_string(i) + "]", check);
    }
}

void IoStored(CArchive& ar, int& value, StoredRange range) {
    if (ar.IsStoring()) {
        int stored = range.Nearest(value);
        ar.Io(stored);
    } else {
        ar.Io(value);
    }
}

std::string DescribeFault(const RangeFault& fault) {
    return fault.field + " " + std::to_string(fault.stored) + " (" +
           std::to_string(fault.range.low) + " to " + std::to_string(fault.range.high) + ")";
}

std::string RepairedValuesMessage(const std::string& file, const std::vector<RangeFault>& faults) {
    std::string text = file +
                       " held values outside the ranges the program uses; each was "
                       "changed to the nearest value it uses:";
    for (std::size_t i = 0; i < faults.size() && i < kFaultsNamed; ++i) {
        const RangeFault& fault = faults[i];
        text += (i == 0 ? " " : ", ") + fault.field + " " + std::to_string(fault.stored) +
                " became " + std::to_string(fault.range.Nearest(fault.stored));
    }
    if (faults.size() > kFaultsNamed) {
        text += " and " + std::to_string(faults.size() - kFaultsNamed) + " more";
    }
    return text + ".";
}
