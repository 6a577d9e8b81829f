// fretquill-cli chord: the fingerings of a chord, from the voicing generator or from the
// chord database.

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>

#include "cli/chord_box.h"
#include "cli/cli_args.h"
#include "cli/commands.h"
#include "cli/static_chords.h"
#include "guitar/chord.h"
#include "guitar/guitar.h"
#include "music/chord_type.h"

namespace {

using nlohmann::json;

struct Variation {
    int number = 0;
    std::array<int, kStringCount> frets{};
    std::array<CNote, kStringCount> notes{};
    std::optional<std::array<int, 7>> scores;  // generated fingerings only
};

struct ChordListing {
    CTuning tuning;
    NoteValue root = kNoteC;
    int type = 0;
    std::optional<int> span;  // generated fingerings only
    std::string source;
    int found = 0;
    std::vector<Variation> variations;
};

std::string ChordTitle(NoteValue root, int type) {
    return NoteName(root) + " " + ChordTypeName(type);
}

std::string FingeringCount(int n) {
    return std::to_string(n) + (n == 1 ? " fingering" : " fingerings");
}

ChordListing GenerateListing(const CTuning& tuning, NoteValue root, int type, int span) {
    CGuitar& guitar = CGuitar::Instance();
    guitar.GenerateVoicings(tuning, root, type, span);
    ChordListing listing{tuning, root, type, span, "dynamic", guitar.Voicings().Found(), {}};
    for (int v = 1; v <= guitar.Voicings().Found(); ++v) {
        CChord chord(tuning);
        guitar.BuildVariation(v, chord);
        const CVoicingSlot& slot = guitar.Voicings().Slots()[static_cast<size_t>(v - 1)];
        Variation variation{v, slot.frets, chord.strings, slot.scores};
        listing.variations.push_back(variation);
    }
    return listing;
}

json ListingJson(const ChordListing& listing) {
    json variations = json::array();
    for (const Variation& v : listing.variations) {
        json notes = json::array();
        for (const CNote& note : v.notes) {
            notes.push_back(note.Format(true));
        }
        json entry = {{"variation", v.number}, {"frets", v.frets}, {"notes", notes}};
        if (v.scores) {
            entry["scores"] = *v.scores;
        }
        variations.push_back(entry);
    }
    return {{"tuning", listing.tuning.ToText()},
            {"root", NoteName(listing.root)},
            {"type", listing.type},
            {"span", listing.span ? json(*listing.span) : json(nullptr)},
            {"source", listing.source},
            {"found", listing.found},
            {"variations", variations}};
}

std::string FretsText(const std::array<int, kStringCount>& frets) {
    std::string text;
    for (int fret : frets) {
        if (!text.empty()) {
            text += ',';
        }
        text += fret < 0 ? std::string("x") : std::to_string(fret);
    }
    return text;
}

std::string ListingText(const ChordListing& listing) {
    std::ostringstream out;
    out << ChordTitle(listing.root, listing.type) << " (" << NoteName(listing.root)
        << ChordTypeSymbol(listing.type) << ") in " << listing.tuning.ToText() << ": "
        << FingeringCount(listing.found);
    if (listing.span) {
        out << " within a span of " << *listing.span << " frets";
    } else {
        out << " in the chord database";
    }
    out << '\n';
    for (const Variation& v : listing.variations) {
        out << "\nVariation " << v.number << ": " << FretsText(v.frets);
        if (v.scores) {
            out << "  (score " << (*v.scores)[0] << ")";
        }
        std::vector<std::string> names;
        for (const CNote& note : v.notes) {
            names.push_back(note.Format(true));
        }
        out << '\n' << ChordBoxText(v.frets) << JoinNames(names) << '\n';
    }
    return out.str();
}

void AddChordCommand(CLI::App& app) {
    struct Options {
        std::string root;
        std::string type;
        TuningOptions tuning;
        int span = 4;
        std::string source;
        int variation = 0;
        int count = 0;
        bool json = false;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command = app.add_subcommand("chord", "The fingerings of a chord in a tuning");
    AddChordArguments(*command, options->root, options->type);
    AddTuningOptions(*command, options->tuning);
    CLI::Option* span = command->add_option(
        "--span", options->span, "Largest distance between fretted frets, 3 to 6 (default 4)");
    command->add_option("--source", options->source,
                        "dynamic (the voicing generator) or static (the chord database)");
    CLI::Option* variation =
        command->add_option("--variation", options->variation, "Only this variation");
    CLI::Option* count =
        command->add_option("--count", options->count, "At most this many variations");
    AddJsonFlag(*command, options->json);
    command->callback([options, span, variation, count] {
        const NoteValue root = ParseRoot(options->root);
        const int type = ParseChordType(options->type);
        const CTuning tuning = ParseTuning(options->tuning.tuning, options->tuning.left);
        if (options->span < 3 || options->span > 6) {
            throw UsageError("--span must be 3 to 6, not " + std::to_string(options->span));
        }
        if (variation->count() > 0 && count->count() > 0) {
            throw UsageError("give --variation or --count, not both");
        }
        if (count->count() > 0 && options->count < 1) {
            throw UsageError("--count must be at least 1");
        }
        std::string source = options->source;
        if (source.empty()) {
            source = DefaultChordSource(tuning);
        }
        ChordListing listing;
        if (source == "dynamic") {
            listing = GenerateListing(tuning, root, type, options->span);
        } else if (source == "static") {
            if (span->count() > 0) {
                throw UsageError("--span applies to --source dynamic only");
            }
            const std::vector<StaticVariation> stored = StaticChordVariations(tuning, root, type);
            if (stored.empty()) {
                // A chord the database lacks is shown generated, as the program shows it.
                ReportError("warning: the chord database has no " + ChordTitle(root, type) +
                                "; these are its generated fingerings",
                            kExitOk);
                listing = GenerateListing(tuning, root, type, options->span);
            } else {
                listing.tuning = tuning;
                listing.root = root;
                listing.type = type;
                listing.source = "static";
                for (const StaticVariation& v : stored) {
                    listing.variations.push_back({v.number, v.frets, v.notes, std::nullopt});
                }
                listing.found = static_cast<int>(listing.variations.size());
            }
        } else {
            throw UsageError("unknown source '" + source + "'; use dynamic or static");
        }

        if (variation->count() > 0) {
            const int v = options->variation;
            if (v < 1 || v > listing.found) {
                const std::string where =
                    listing.span ? " within a span of " + std::to_string(*listing.span) + " frets"
                                 : " in the chord database";
                throw UsageError(ChordTitle(root, type) + " has " + FingeringCount(listing.found) +
                                 where);
            }
            const Variation chosen = listing.variations[static_cast<size_t>(v - 1)];
            listing.variations = {chosen};
        } else if (count->count() > 0 &&
                   static_cast<int>(listing.variations.size()) > options->count) {
            listing.variations.resize(static_cast<size_t>(options->count));
        }

        if (options->json) {
            PrintJson(ListingJson(listing));
        } else {
            std::cout << ListingText(listing);
        }
    });
}

}  // namespace

void AddChordCommands(CLI::App& app) {
    AddChordCommand(app);
}
