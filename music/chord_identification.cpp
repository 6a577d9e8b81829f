#include "music/chord_identification.h"

#include <algorithm>
#include <bitset>

namespace {

constexpr int kNone = -1;

constexpr std::array<const char*, 12> kRootNames = {"C",  "C#", "D",  "D#", "E",  "F",
                                                    "F#", "G",  "G#", "A",  "A#", "B"};

// The interval (in semitones above the root) chosen for each degree, or kNone.
struct Degrees {
    int third = kNone;
    int fifth = kNone;
    int seventh = kNone;
    int ninth = kNone;
    int eleventh = kNone;
    int thirteenth = kNone;

    int Count() const {
        int count = 0;
        for (int degree : {third, fifth, seventh, ninth, eleventh, thirteenth}) {
            count += degree != kNone ? 1 : 0;
        }
        return count;
    }
};

// Each degree takes the first interval that applies; an interval already used as a lower
// degree is not counted twice.
Degrees Classify(const std::bitset<12>& pitches, int root) {
    const auto has = [&](int k) { return pitches.test(static_cast<std::size_t>((root + k) % 12)); };
    Degrees d;
    if (has(4)) {
        d.third = 4;
    } else if (has(3)) {
        d.third = 3;
    } else if (has(5)) {
        d.third = 5;
    } else if (has(2)) {
        d.third = 2;
    }
    if (has(7)) {
        d.fifth = 7;
    } else if (has(6)) {
        d.fifth = 6;
    } else if (has(8)) {
        d.fifth = 8;
    }
    if (has(10)) {
        d.seventh = 10;
    } else if (has(11)) {
        d.seventh = 11;
    } else if (has(9)) {
        d.seventh = 9;
    }
    if (has(2) && d.third != 2) {
        d.ninth = 2;
    } else if (has(3) && d.third != 3) {
        d.ninth = 3;
    } else if (has(1)) {
        d.ninth = 1;
    }
    if (has(5) && d.third != 5) {
        d.eleventh = 5;
    } else if (has(6) && d.fifth != 6) {
        d.eleventh = 6;
    }
    if (has(9) && d.seventh != 9) {
        d.thirteenth = 9;
    } else if (has(8) && d.fifth != 8) {
        d.thirteenth = 8;
    }
    return d;
}

enum class Stage { kQuality, kFifth, kSeventh, kNinth, kEleventh, kEnd, kDone };

// Writes a name stage by stage; each stage appends its part and says which stage follows.
// `open` stays set while nothing has closed the name yet (no 13th, no "add", no ending).
class NameBuilder {
public:
    NameBuilder(int root, const Degrees& degrees)
        : d(degrees),
          text(kRootNames[static_cast<std::size_t>(root)]),
          open(degrees.thirteenth == kNone),
          seventh(degrees.seventh != kNone),
          ninth(degrees.ninth != kNone),
          eleventh(degrees.eleventh != kNone) {}

    std::string Build() {
        Stage stage = Stage::kQuality;
        while (stage != Stage::kDone) {
            stage = Run(stage);
        }
        return text;
    }

private:
    Stage Run(Stage stage) {
        switch (stage) {
            case Stage::kQuality:
                return Quality();
            case Stage::kFifth:
                return Fifth();
            case Stage::kSeventh:
                return Seventh();
            case Stage::kNinth:
                return Ninth();
            case Stage::kEleventh:
                return Eleventh();
            case Stage::kEnd:
                return End();
            case Stage::kDone:
                break;
        }
        return Stage::kDone;
    }

    // The chord's quality from its third: power chord, aug, m, dim, or major/suspended.
    Stage Quality() {
        if (d.third == kNone) {
            return QualityWithoutThird();
        }
        if (d.third == 4) {
            if (d.fifth == 8 && !seventh && !ninth && !eleventh && d.thirteenth == kNone) {
                text += "aug";
                return Stage::kDone;
            }
            return Stage::kFifth;
        }
        if (d.third == 3) {
            if (d.fifth == 6 && d.seventh == 9) {
                text += "dim";
                return Stage::kNinth;
            }
            text += "m";
        }
        return Stage::kFifth;
    }

    // Without a third: a plain fifth alone is a power chord; otherwise the first degree
    // present is written as an added one.
    Stage QualityWithoutThird() {
        if (d.fifth != 7) {
            return Stage::kFifth;
        }
        if (seventh) {
            return Stage::kSeventh;
        }
        if (ninth) {
            text += "add";
            return Stage::kNinth;
        }
        if (eleventh) {
            text += "add";
            return Stage::kEleventh;
        }
        if (open) {
            text += "5";
            return Stage::kDone;
        }
        text += "add";
        open = false;
        return Stage::kEnd;
    }

    // An altered fifth is written "/5-" or "/5+".
    Stage Fifth() {
        if (d.fifth != 6 && d.fifth != 8) {
            return Stage::kSeventh;
        }
        text += "/5";
        text += d.fifth == 6 ? "-" : "+";
        if (!seventh && !ninth && !eleventh && open) {
            open = false;
            return Stage::kEnd;
        }
        text += "/";
        return Stage::kSeventh;
    }

    // The minor seventh is "7" unless a ninth names the chord; major seventh "7M", sixth "6".
    Stage Seventh() {
        if (d.seventh == 10 && !ninth) {
            text += "7";
            if (eleventh) {
                text += "add";
            }
            return Stage::kEleventh;
        }
        if (d.seventh == 10) {
            return Stage::kNinth;
        }
        if (d.seventh == 11) {
            text += "7M";
        } else if (d.seventh == 9) {
            text += "6";
        }
        if ((d.seventh == 11 || d.seventh == 9) && (ninth || eleventh || !open)) {
            text += "/";
        }
        if (!seventh && ninth) {
            text += "add";
        }
        return Stage::kNinth;
    }

    // A plain ninth without an eleventh is "9"; altered ninths are "9-" and "9+".
    Stage Ninth() {
        if (d.ninth == 2 && !eleventh) {
            text += "9";
            if (!open) {
                text += "add";
            }
            open = false;
            return Stage::kEnd;
        }
        if (d.ninth == 2) {
            return Stage::kEleventh;
        }
        if (d.ninth == 1 || d.ninth == 3) {
            text += "9";
            text += d.ninth == 1 ? "-" : "+";
            if (eleventh || !open) {
                text += "/";
            }
        }
        if (!ninth && eleventh) {
            text += "add";
        }
        return Stage::kEleventh;
    }

    // A sharp eleventh is "11+"; a plain eleventh is left to the ending.
    Stage Eleventh() {
        if (d.eleventh != 5) {
            if (d.eleventh == 6) {
                text += "11+";
                if (!open) {
                    text += "/";
                }
            }
            if (!eleventh && !open) {
                text += "add";
            }
            open = false;
        }
        return Stage::kEnd;
    }

    // The ending: "11" for a name still open, the thirteenth, the suspension, and what is
    // missing of the third and the fifth.
    Stage End() {
        if (open) {
            text += "11";
        } else if (d.thirteenth == 9) {
            text += "13";
        } else if (d.thirteenth == 8) {
            text += "13-";
        }
        if (d.third == 2) {
            text += "sus2";
        } else if (d.third == 5) {
            text += "sus4";
        } else if (d.third == kNone && d.fifth == kNone) {
            text += " (no3no5)";
            return Stage::kDone;
        } else if (d.third == kNone) {
            text += " (no3)";
        }
        if (d.fifth == kNone) {
            text += " (no5)";
        }
        return Stage::kDone;
    }

    const Degrees& d;
    std::string text;
    bool open;
    const bool seventh;
    const bool ninth;
    const bool eleventh;
};

std::string BuildName(int root, const Degrees& degrees) {
    return NameBuilder(root, degrees).Build();
}

// How far a root's reading is from a plain chord: one point each for a third that is not
// minor or major (or none), a fifth that is not perfect (or none), a minor third with a
// minor sixth (a major chord's first inversion read from its bass), and each of a ninth,
// an eleventh and a thirteenth.
int RootCost(const Degrees& d) {
    int cost = 0;
    cost += d.third != 3 && d.third != 4 ? 1 : 0;
    cost += d.fifth != 7 ? 1 : 0;
    cost += d.third == 3 && d.fifth == 8 ? 1 : 0;
    cost += d.ninth != kNone ? 1 : 0;
    cost += d.eleventh != kNone ? 1 : 0;
    cost += d.thirteenth != kNone ? 1 : 0;
    return cost;
}

// The bass names the chord when it reads within one point of the plainest reading, so
// inversions and sixth chords keep the root a player hears; otherwise the plainest root
// from C upward does.
std::string NameOverBass(std::span<const CNote> notes, int bassPitchClass) {
    std::bitset<12> pitches;
    for (const CNote& note : notes) {
        const int pitchClass = PitchClass(note.note);
        if (pitchClass >= 0) {
            pitches.set(static_cast<std::size_t>(pitchClass));
        }
    }
    const int n = static_cast<int>(pitches.count());
    constexpr int kNoCost = 1000;
    std::array<int, 12> costs;
    costs.fill(kNoCost);
    std::array<Degrees, 12> readings{};
    int least = kNoCost;
    for (int root = 0; root < 12; ++root) {
        if (!pitches.test(static_cast<std::size_t>(root))) {
            continue;
        }
        const Degrees degrees = Classify(pitches, root);
        if (1 + degrees.Count() == n) {
            const auto r = static_cast<std::size_t>(root);
            readings[r] = degrees;
            costs[r] = RootCost(degrees);
            least = std::min(least, costs[r]);
        }
    }
    if (least == kNoCost) {
        return "";
    }
    if (bassPitchClass >= 0 && costs[static_cast<std::size_t>(bassPitchClass)] <= least + 1) {
        return BuildName(bassPitchClass, readings[static_cast<std::size_t>(bassPitchClass)]);
    }
    for (int root = 0; root < 12; ++root) {
        if (costs[static_cast<std::size_t>(root)] == least) {
            return BuildName(root, readings[static_cast<std::size_t>(root)]);
        }
    }
    return "";
}

bool Sounds(const CNote& note) {
    return PitchClass(note.note) >= 0;
}

}  // namespace

std::string IdentifyChord(const std::array<CNote, 6>& strings) {
    return IdentifyChord(std::span<const CNote>(strings));
}

std::string IdentifyChord(std::span<const CNote> notes) {
    const CNote* bass = nullptr;
    for (const CNote& note : notes) {
        if (Sounds(note) && (bass == nullptr || note.octave * 12 + PitchClass(note.note) <
                                                    bass->octave * 12 + PitchClass(bass->note))) {
            bass = &note;
        }
    }
    return NameOverBass(notes, bass != nullptr ? PitchClass(bass->note) : -1);
}

std::string IdentifyChordFirstAsBass(std::span<const CNote> notes) {
    const auto bass = std::find_if(notes.begin(), notes.end(), Sounds);
    return NameOverBass(notes, bass != notes.end() ? PitchClass(bass->note) : -1);
}
