#include "cli/static_chords.h"

#include <iostream>
#include <stdexcept>

#include "cli/cli_args.h"
#include "guitar/chord.h"
#include "guitar/chord_database.h"

namespace {

// Standard strings in either hand, whatever the tuning was called on the command line.
bool IsStandardTuning(const CTuning& tuning) {
    CTuning standard;
    if (!tuning.IsRightHanded()) {
        standard.SetLeftHanded();
    }
    for (int s = 1; s <= kStringCount; ++s) {
        if (!(tuning.StringNote(s) == standard.StringNote(s))) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string DefaultChordSource(const CTuning& tuning) {
    return IsStandardTuning(tuning) && ChordDatabaseFiles::InAppDirectory().AnyPresent()
               ? "static"
               : "dynamic";
}

std::vector<StaticVariation> StaticChordVariations(const CTuning& tuning, NoteValue root,
                                                   int type) {
    if (!IsStandardTuning(tuning)) {
        throw UsageError(
            "the chord database holds chords in standard tuning only; use --source dynamic");
    }
    StaticChordDatabase database;
    ReadStaticChordDatabase(database);
    // What the program would show in a message box while it goes on with the database.
    for (const std::string& message : database.messages) {
        ReportError("warning: " + message, kExitOk);
    }
    if (const Result<>& available = database.load.available; !available) {
        // A file that is there but cannot be understood is bad input, like a damaged
        // library file; a missing or unreadable one is another failure.
        if (database.load.damaged) {
            throw UsageError(available.Error().message);
        }
        throw std::runtime_error(available.Error().message);
    }
    std::vector<StaticVariation> variations;
    for (int v = 1;; ++v) {
        const CChord* stored = database.list.FindStatic(root, type, v);
        if (stored == nullptr) {
            break;
        }
        CChord chord(*stored);
        chord.SetChordTuning(tuning);  // a left hand gets the mirror image
        StaticVariation variation;
        variation.number = v;
        variation.notes = chord.strings;
        for (int s = 1; s <= kStringCount; ++s) {
            variation.frets[static_cast<std::size_t>(s - 1)] =
                chord.IsMutedString(s) ? -1 : chord.chordTuning.FretOf(s, chord.StringNote(s));
        }
        variations.push_back(variation);
    }
    return variations;
}
