#pragma once

// The values the program stores in its files, one range for each kind of field. A file
// with a value outside its range was damaged or edited by hand: loading moves the value to
// the nearest one inside (the way duplicate ids are given fresh ones), saving never writes
// one, and the command-line tool's `write` refuses a document with one. The library's
// records add their own ranges in library/stored_ranges.h.
//
//   CRangeCheck check(CRangeCheck::Action::Repair);
//   CheckChordListRanges(list, check);
//   if (!check.Faults().empty()) prompter.Show(..., RepairedValuesMessage(path, check.Faults()));
//
// Field paths name fields as the JSON form of the files does: "chords[3].chordType".

#include <string>
#include <vector>

#include "music/chord_type.h"
#include "music/note.h"

class CArchive;
class CChord;
class CChordList;

struct StoredRange {
    int low = 0;
    int high = 0;

    constexpr bool Holds(int value) const { return value >= low && value <= high; }
    constexpr int Nearest(int value) const {
        return value < low ? low : (value > high ? high : value);
    }
};

// -1 for no chord, then the chord types.
inline constexpr StoredRange kStoredChordTypes{-1, kChordTypeCount - 1};
// A spelled note or one of the special values (muted, no note, unsupported, rest).
inline constexpr StoredRange kStoredRoots{kNoteMuted, kNoteRest};
// 0 for a chord that is no variation; 1..6 stored, 1..50 generated.
inline constexpr StoredRange kStoredVariations{0, 50};
// Loop, strum, handedness, dynamic and let-ring flags.
inline constexpr StoredRange kStoredFlags{0, 1};

struct RangeFault {
    std::string field;
    int stored = 0;
    StoredRange range;
};

// Walks the fields of records, noting each value outside its range and, when repairing,
// moving it to the nearest value inside.
class CRangeCheck {
public:
    enum class Action { Report, Repair };

    explicit CRangeCheck(Action action) : action_(action) {}

    void Field(const std::string& path, int& value, StoredRange range);
    const std::vector<RangeFault>& Faults() const { return faults_; }

private:
    Action action_;
    std::vector<RangeFault> faults_;
};

// `path` names the chord itself ("patterns[0].chord"; "" at the top of a path).
void CheckChordRanges(CChord& chord, const std::string& path, CRangeCheck& check);
void CheckChordListRanges(CChordList& list, CRangeCheck& check);

// Stores the value moved into its range, or loads it as it is stored.
void IoStored(CArchive& ar, int& value, StoredRange range);

// "chords[3].chordType 4325391 (-1 to 35)".
std::string DescribeFault(const RangeFault& fault);
// What the player is told once about a file whose values were repaired on loading: the
// file, and the first few fields with what they held and now hold.
std::string RepairedValuesMessage(const std::string& file, const std::vector<RangeFault>& faults);
