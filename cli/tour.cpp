#include "cli/tour.h"

#include <iostream>
#include <vector>

#include "cli/cli_args.h"
#include "cli/note_commands.h"
#include "music/chord_identification.h"
#include "music/chord_type.h"
#include "music/scale.h"

void PrintTour(std::ostream& out) {
    out << "fretquill-cli: Fretquill's chords, scales and tunings from a terminal.\n\n";

    out << "The tones of a chord (fretquill-cli tones C maj7):\n";
    out << "  " << TonesText(kNoteC, ChordTypeFromName("MAJOR_SEVENTH")) << "\n\n";

    out << "A name for a few notes (fretquill-cli name C E G A#):\n";
    const std::vector<CNote> notes = {CNote(kNoteC, 1), CNote(kNoteE, 1), CNote(kNoteG, 1),
                                      CNote(kNoteASharp, 1)};
    out << "  " << NameText({"C", "E", "G", "A#"}, IdentifyChordFirstAsBass(notes)) << "\n\n";

    CScale scale;
    scale.BuildScale(kScaleMajorDiatonic, CNote(kNoteE, 3));
    std::vector<std::string> scaleNotes;
    for (const CNote& note : scale.Notes()) {
        scaleNotes.push_back(note.Format(true));
    }
    out << "The notes of a scale (" << ScaleName(kScaleMajorDiatonic) << " on E3):\n";
    out << "  " << JoinNames(scaleNotes) << "\n\n";

    out << "The tunings (fretquill-cli tunings):\n";
    out << TuningsText() << '\n';

    out << "Run 'fretquill-cli --help' for every command, 'fretquill-cli COMMAND --help' for "
           "one, and add --json to a command for output to read by script.\n";
}
