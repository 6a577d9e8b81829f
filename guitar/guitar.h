#pragma once

// CGuitar: the program's single guitar object. It holds the tuning of the last voicing
// generation (CVoicingGenerator does the search), the static chord database and the
// handle of the loaded sound pack.
//
//   CGuitar& guitar = CGuitar::Instance();
//   guitar.GenerateVoicings(CTuning(), kNoteC, 0, 4);   // every C major within 4 frets
//   CChord chord;
//   guitar.BuildVariation(1, chord);                    // x32010

#include <cstdint>
#include <string>

#include "guitar/chord.h"
#include "guitar/chord_database.h"
#include "guitar/chord_list.h"
#include "guitar/tuning.h"
#include "guitar/voicing_generator.h"

class CGuitar {
public:
    static CGuitar& Instance();

    // The loaded sound pack's handle at the audio boundary, 0 when none.
    int song = 0;
    CChordList chordList;
    // Why the chord database could not be loaded, "" when it could.
    std::string loadError;
    // The tuning, chord and span of the last generation.
    CTuning tuning;
    int staticChords = 0;
    int chordType = -1;
    NoteValue root = kNoteUnsupported;

    CGuitar() = default;
    CGuitar(const CGuitar&) = delete;
    CGuitar& operator=(const CGuitar&) = delete;

    // Loads the static chord database of the application directory into chordList
    // (LoadChordDatabase). With neither file there, loadError gets the missing-files text
    // and nothing runs: the window shows no splash for it (ChordFilesPresent tells first).
    // staticChords and the result say whether static chords are available; otherwise
    // loadError says why. `storedCrc` is the settings entry CRC, updated after a parse.
    bool LoadStaticChords(std::uint32_t& storedCrc, ProgressReporter& progress, Prompter& prompter);
    static bool ChordFilesPresent();
    // Writes chordList as the cache beside the database it came from. The window program
    // calls it once at shutdown after every successful load; never after a failed one, so
    // the last good cache survives. The command-line tool never writes the cache.
    Result<> SaveChordCache();

    // Finds and ranks the fingerings of a chord (CVoicingGenerator::Generate). Always true.
    bool GenerateVoicings(CTuning forTuning, NoteValue chordRoot, int type, int span);
    // The fingerings of the last generation.
    const CVoicingGenerator& Voicings() const { return voicings_; }

    // Writes variation v (1..50) of the last generation into the chord. A variation the
    // last generation did not find gives the chord with every string muted, and false.
    bool BuildVariation(int v, CChord& chord) const;

private:
    CVoicingGenerator voicings_;
    ChordDatabaseFiles chordFiles_;
};
