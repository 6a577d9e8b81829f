#include "guitar/chord_lookup.h"

#include "guitar/chord_list.h"
#include "guitar/guitar.h"

ChordLookup LookUpChord(const CChordList& list, CGuitar& guitar, NoteValue root, int type,
                        int variation, int span, CChord& into) {
    if (list.LookUpStatic(root, type, variation, into)) {
        return ChordLookup::Stored;
    }
    guitar.GenerateVoicings(into.chordTuning, root, type, span);
    return guitar.BuildVariation(variation, into) ? ChordLookup::Generated : ChordLookup::None;
}
