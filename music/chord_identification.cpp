#include "music/chord_identification.h"

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

// Builds a name one stage at a time; each stage appends its part and says which stage
// follows. kDone returns the text without the endings of the last stage.
class CNameBuilder {
public:
    CNameBuilder(int root, const Degrees& degrees)
        : text(kRootNames[static_cast<std::size_t>(root)]), d(degrees) {}

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
                return Ending();
            case Stage::kDone:
                break;
        }
        return Stage::kDone;
    }

    // The quality after the root: power chord, aug, dim, minor, or nothing for major.
    Stage Quality() {
        if (d.third == kNone) {
            if (d.fifth != 7) {
                return Stage::kFifth;
            } else if (seventh) {
                return Stage::kSeventh;
            } else if (ninth) {
                text += "add";
                return Stage::kNinth;
            } else if (eleventh) {
                text += "add";
                return Stage::kEleventh;
            } else if (open) {
                text += "5";
                return Stage::kDone;
            } else {
                text += "add";
                open = false;
                return Stage::kEnd;
            }
        } else if (d.third == 4) {
            if (d.fifth == 8 && !seventh && !ninth && !eleventh && d.thirteenth == kNone) {
                text += "aug";
                return Stage::kDone;
            } else {
                return Stage::kFifth;
            }
        } else if (d.third == 3) {
            if (d.fifth == 6 && d.seventh == 9) {
                text += "dim";
                return Stage::kNinth;
            } else {
                text += "m";
                return Stage::kFifth;
            }
        } else {
            return Stage::kFifth;
        }
    }

    // An altered fifth (/5- or /5+), which may close a plain triad.
    Stage Fifth() {
        if (d.fifth == 6 || d.fifth == 8) {
            text += "/5";
            text += d.fifth == 6 ? "-" : "+";
            if (!seventh && !ninth && !eleventh && open) {
                open = false;
                return Stage::kEnd;
            } else {
                text += "/";
                return Stage::kSeventh;
            }
        } else {
            return Stage::kSeventh;
        }
    }

    // The seventh: 7, 7M or 6, and whether a ninth is added rather than stacked.
    Stage Seventh() {
        if (d.seventh == 10 && !ninth) {
            text += "7";
            if (eleventh) {
                text += "add";
            }
            return Stage::kEleventh;
        } else if (d.seventh == 10) {
            return Stage::kNinth;
        } else {
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
    }

    // The ninth: 9, or an altered 9- or 9+.
    Stage Ninth() {
        if (d.ninth == 2 && !eleventh) {
            text += "9";
            if (!open) {
                text += "add";
            }
            open = false;
            return Stage::kEnd;
        } else if (d.ninth == 2) {
            return Stage::kEleventh;
        } else {
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
    }

    // An augmented eleventh, and whether the name is closed before the ending.
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

    // The ending: 11 or 13 for a name left open, suspensions and missing degrees.
    Stage Ending() {
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

    std::string text;
    const Degrees& d;
    // Set while nothing has closed the name yet.
    bool open = d.thirteenth == kNone;
    const bool seventh = d.seventh != kNone;
    const bool ninth = d.ninth != kNone;
    const bool eleventh = d.eleventh != kNone;
};

std::string BuildName(int root, const Degrees& d) {
    return CNameBuilder(root, d).Build();
}

// How far a root's reading is from a plain chord: one for each of a third that is neither
// minor nor major (or none), a fifth that is not perfect (or none), a minor third with an
// augmented fifth (a major chord read from its third), a ninth, an eleventh, a thirteenth.
int RootCost(const Degrees& d) {
    return (d.third != 3 && d.third != 4 ? 1 : 0) + (d.fifth != 7 ? 1 : 0) +
           (d.third == 3 && d.fifth == 8 ? 1 : 0) + (d.ninth != kNone ? 1 : 0) +
           (d.eleventh != kNone ? 1 : 0) + (d.thirteenth != kNone ? 1 : 0);
}

// The pitches heard, and the name over the bass's pitch class (-1 when none sounds).
std::string NameOverBass(const std::bitset<12>& pitches, int bass) {
    const int n = static_cast<int>(pitches.count());
    std::array<int, 12> cost{};
    std::array<Degrees, 12> degrees{};
    int least = -1;
    for (int root = 0; root < 12; ++root) {
        cost[static_cast<std::size_t>(root)] = -1;
        if (!pitches.test(static_cast<std::size_t>(root))) {
            continue;
        }
        const Degrees d = Classify(pitches, root);
        if (1 + d.Count() != n) {
            continue;
        }
        degrees[static_cast<std::size_t>(root)] = d;
        cost[static_cast<std::size_t>(root)] = RootCost(d);
        if (least < 0 || RootCost(d) < least) {
            least = RootCost(d);
        }
    }
    if (least < 0) {
        return "";
    }
    // The bass is the root unless another root reads as a plainer chord by two or more.
    if (bass >= 0 && cost[static_cast<std::size_t>(bass)] >= 0 &&
        cost[static_cast<std::size_t>(bass)] <= least + 1) {
        return BuildName(bass, degrees[static_cast<std::size_t>(bass)]);
    }
    for (int root = 0; root < 12; ++root) {
        if (cost[static_cast<std::size_t>(root)] == least) {
            return BuildName(root, degrees[static_cast<std::size_t>(root)]);
        }
    }
    return "";
}

std::bitset<12> PitchClasses(std::span<const CNote> notes) {
    std::bitset<12> pitches;
    for (const CNote& note : notes) {
        const int pitchClass = PitchClass(note.note);
        if (pitchClass >= 0) {
            pitches.set(static_cast<std::size_t>(pitchClass));
        }
    }
    return pitches;
}

}  // namespace

std::string IdentifyChord(const std::array<CNote, 6>& strings) {
    return IdentifyChord(std::span<const CNote>(strings));
}

std::string IdentifyChord(std::span<const CNote> notes) {
    const CNote* bass = nullptr;
    for (const CNote& note : notes) {
        if (PitchClass(note.note) >= 0 && (bass == nullptr || IsLowerNote(note, *bass))) {
            bass = &note;
        }
    }
    return NameOverBass(PitchClasses(notes), bass != nullptr ? PitchClass(bass->note) : -1);
}

std::string IdentifyChordOverFirst(std::span<const CNote> notes) {
    for (const CNote& note : notes) {
        if (PitchClass(note.note) >= 0) {
            return NameOverBass(PitchClasses(notes), PitchClass(note.note));
        }
    }
    return "";
}
