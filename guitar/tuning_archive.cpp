// The stored form of CTuning: the base of every stored chord and of the tunings inside
// patterns and favorites.

#include <string>

#include "guitar/stored_ranges.h"
#include "guitar/tuning.h"
#include "util/object_archive.h"

namespace {

// Octaves the program can produce are 0..11; anything far outside is a damaged file,
// and would overflow the octave arithmetic further on.
constexpr int kMaxStoredOctave = 99;

}  // namespace

void CTuning::Serialize(CArchive& ar) {
    for (std::size_t i = 0; i < strings.size(); ++i) {
        const std::uint64_t at = ar.Offset();
        ar.Io(strings[i].note).Io(strings[i].octave);
        if (ar.IsLoading()) {
            if (strings[i].note < kNoteMuted || strings[i].note > kNoteRest) {
                ar.Fail("string " + std::to_string(i + 1) + " has the note value " +
                            std::to_string(strings[i].note),
                        at);
            }
            if (strings[i].octave < -kMaxStoredOctave || strings[i].octave > kMaxStoredOctave) {
                ar.Fail("string " + std::to_string(i + 1) + " has the octave " +
                            std::to_string(strings[i].octave),
                        at + 4);
            }
        }
    }
    ar.Io(tuningType);
    IoStored(ar, loopPattern, kStoredFlags);
    IoStored(ar, strum, kStoredFlags);
    ar.Io(pickPattern);
    IoStored(ar, rightHanded, kStoredFlags);
    if (ar.IsLoading()) {
        channels.fill(-1);
        patternPos = 0;
    }
}
