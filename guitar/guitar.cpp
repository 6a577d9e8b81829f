#include "guitar/guitar.h"

#include <filesystem>
#include <system_error>

CGuitar& CGuitar::Instance() {
    static CGuitar guitar;
    return guitar;
}

bool CGuitar::ChordFilesPresent() {
    return ChordDatabaseFiles::InAppDirectory().AnyPresent();
}

bool CGuitar::LoadStaticChords(std::uint32_t& storedCrc, ProgressReporter& progress,
                               Prompter& prompter) {
    loadError.clear();
    chordFiles_ = ChordDatabaseFiles::InAppDirectory();
    staticChords = 0;
    if (!chordFiles_.AnyPresent()) {
        loadError = kMissingChordFilesText;
        chordList.RemoveAll();
        chordList.loaded = 1;
        return false;
    }
    const ChordDatabaseLoad load =
        LoadChordDatabase(chordFiles_, storedCrc, chordList, progress, prompter);
    staticChords = load.available ? 1 : 0;
    loadError = load.available.Message();
    if (load.available) {
        const std::string missing =
            MissingChordsMessage(chordList, load.parsed ? chordFiles_.source : chordFiles_.cache);
        if (!missing.empty()) {
            prompter.Show(PromptKind::Information, kChordDatabaseTitle, missing);
        }
    }
    if (load.parsed) {
        // The old cache no longer matches the stored CRC. Should writing the new one fail
        // at exit, the next start must not take the old one for the current database.
        std::error_code ignored;
        std::filesystem::remove(chordFiles_.cache, ignored);
    }
    return load.available.Ok();
}

Result<> CGuitar::SaveChordCache() {
    if (staticChords != 1) {
        return Result<>::Fail("No chord database was loaded, so none was saved.");
    }
    return ::SaveChordCache(chordFiles_.cache, chordList);
}

bool CGuitar::GenerateVoicings(CTuning forTuning, NoteValue chordRoot, int type, int span) {
    tuning = forTuning;
    root = chordRoot;
    chordType = type;
    voicings_.Generate(forTuning, chordRoot, type, span);
    return true;
}

bool CGuitar::BuildVariation(int v, CChord& chord) const {
    chord.SetChordTuning(tuning);
    const bool known = v >= 1 && v <= voicings_.Found();
    for (int s = 1; s <= kStringCount; ++s) {
        const int fret = known ? voicings_.Slots()[static_cast<size_t>(v - 1)].frets[s - 1] : -1;
        const CNote note = tuning.NoteAt(s, fret);
        chord.SetStringNote(s, note.note, note.octave);
    }
    chord.root = root;
    chord.chordType = chordType;
    chord.variation = v;
    chord.dynamic = 1;
    return known;
}
