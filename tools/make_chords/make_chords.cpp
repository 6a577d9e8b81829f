// make_chords: writes the chord database, six fingerings of every chord type on every
// root in standard tuning, as the XML file the program reads at start-up.
//
//   make_chords data/chords.xml            # rebuild the file kept in the repository
//   make_chords --report                   # the chosen frets, one chord per line

#include <cstdint>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "guitar/tuning.h"
#include "music/chord_type.h"
#include "tools/make_chords/chart_picker.h"
#include "util/file_size_signal.h"
#include "util/safe_file.h"

namespace {

struct RootEntry {
    const char* text;
    NoteValue note;
};

// The roots in the order the database lists them, spelled as players name the keys.
constexpr RootEntry kRoots[] = {
    {"Ab", kNoteAFlat}, {"A", kNoteA},      {"Bb", kNoteBFlat},  {"B", kNoteB},
    {"C", kNoteC},      {"Db", kNoteDFlat}, {"D", kNoteD},       {"Eb", kNoteEFlat},
    {"E", kNoteE},      {"F", kNoteF},      {"F#", kNoteFSharp}, {"G", kNoteG},
};

// The note a string sounds, spelled as the chord spells that tone.
std::string NoteText(const CTuning& tuning, int s, int fret, const std::vector<NoteValue>& tones) {
    if (fret < 0) {
        return "MUTED";
    }
    CNote note = tuning.NoteAt(s, fret);
    for (NoteValue tone : tones) {
        if (PitchClass(tone) == PitchClass(note.note)) {
            note.note = tone;
            break;
        }
    }
    return note.Format(true);
}

constexpr std::string_view kHeader =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<!-- Fretquill chord database: standard tuning (E3 A3 D4 G4 B4 E5), six fingerings of\n"
    "     every chord type on every root, ordered up the neck.\n"
    "     A chord lists the notes of strings 1 to 6, string 1 the low E string; MUTED is a\n"
    "     string not played. The comment before a chord gives its frets, x for muted.\n"
    "     Written by tools/make_chords; edit the notes by hand or rebuild the file. -->\n";

}  // namespace

int main(int argc, char** argv) {
    IgnoreFileSizeSignal();
    bool report = false;
    std::string output;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--report") {
            report = true;
        } else if (!arg.empty() && arg[0] != '-' && output.empty()) {
            output = arg;
        } else {
            std::cerr << "usage: make_chords [--report] [OUTPUT.xml]\n";
            return 2;
        }
    }
    if (!report && output.empty()) {
        std::cerr << "usage: make_chords [--report] [OUTPUT.xml]\n";
        return 2;
    }

    const CTuning tuning;
    std::string xml(kHeader);
    xml += "<chords>\n";
    int failures = 0;
    for (const RootEntry& root : kRoots) {
        xml += "  <basenote note=\"" + std::string(root.text) + "\">\n";
        for (int type = 0; type < kChordTypeCount; ++type) {
            CChartPick pick;
            if (!PickChart(root.note, type, pick)) {
                std::cerr << "make_chords: no six fingerings for " << root.text << " "
                          << ChordTypeKey(type) << "\n";
                ++failures;
                continue;
            }
            if (report) {
                std::cout << root.text << " " << ChordTypeSymbol(type) << " [" << pick.firstFrom
                          << (pick.usedHighFrets ? ",high" : "") << ",bass " << pick.rootInBass
                          << "]";
                for (const ChartFrets& frets : pick.frets) {
                    std::cout << " | " << ChartFretsText(frets);
                }
                std::cout << "\n";
            }
            const std::vector<NoteValue> tones = ChordTones(root.note, type);
            xml += "    <type name=\"" + ChordTypeKey(type) + "\">\n";
            for (int v = 0; v < kChartVariations; ++v) {
                const ChartFrets& frets = pick.frets[static_cast<size_t>(v)];
                xml += "      <!-- " + std::to_string(v + 1) + ": " + ChartFretsText(frets) +
                       " -->\n      <chord>";
                for (int s = 1; s <= kStringCount; ++s) {
                    xml += "<note>" +
                           NoteText(tuning, s, frets[static_cast<size_t>(s - 1)], tones) +
                           "</note>";
                }
                xml += "</chord>\n";
            }
            xml += "    </type>\n";
        }
        xml += "  </basenote>\n";
    }
    xml += "</chords>\n";
    if (failures > 0) {
        return 1;
    }
    if (!output.empty()) {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(xml.data());
        const Result<> saved = WriteBytesSafely(output, {bytes, xml.size()});
        if (!saved) {
            std::cerr << "make_chords: " << saved.Error().message << "\n";
            return 1;
        }
    }
    return 0;
}
