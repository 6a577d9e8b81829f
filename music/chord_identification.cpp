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

// Runs the naming stages in the order each one hands on to; kDone returns the text without
// the endings of the last stage.
std::string BuildName(int root, const Degrees& d) {
    std::string text = kRootNames[static_cast<std::size_t>(root)];
    // Set while nothing has closed the name yet.
    bool open = d.thirteenth == kNone;
    const bool seventh = d.seventh != kNone;
    const bool ninth = d.ninth != kNone;
    const bool eleventh = d.eleventh != kNone;

    Stage stage = Stage::kQuality;
    while (stage != Stage::kDone) {
        switch (stage) {
            case Stage::kQuality:
                if (d.third == kNone) {
                    if (d.fifth != 7) {
                        stage = Stage::kFifth;
                    } else if (seventh) {
                        stage = Stage::kSeventh;
                    } else if (ninth) {
                        text += "add";
                        stage = Stage::kNinth;
                    } else if (eleventh) {
                        text += "add";
                        stage = Stage::kEleventh;
                    } else if (open) {
                        text += "5";
                        stage = Stage::kDone;
                    } else {
                        text += "add";
                        open = false;
                        stage = Stage::kEnd;
                    }
                } else if (d.third == 4) {
                    if (d.fifth == 8 && !seventh && !ninth && !eleventh && d.thirteenth == kNone) {
                        text += "aug";
                        stage = Stage::kDone;
                    } else {
                        stage = Stage::kFifth;
                    }
                } else if (d.third == 3) {
                    if (d.fifth == 6 && d.seventh == 9) {
                        text += "dim";
                        stage = Stage::kNinth;
                    } else {
                        text += "m";
                        stage = Stage::kFifth;
                    }
                } else {
                    stage = Stage::kFifth;
                }
                break;

            case Stage::kFifth:
                if (d.fifth == 6 || d.fifth == 8) {
                    text += "/5";
                    text += d.fifth == 6 ? "-" : "+";
                    if (!seventh && !ninth && !eleventh && open) {
                        open = false;
                        stage = Stage::kEnd;
                    } else {
                        text += "/";
                        stage = Stage::kSeventh;
                    }
                } else {
                    stage = Stage::kSeventh;
                }
                break;

            case Stage::kSeventh:
                if (d.seventh == 10 && !ninth) {
                    text += "7";
                    if (eleventh) {
                        text += "add";
                    }
                    stage = Stage::kEleventh;
                } else if (d.seventh == 10) {
                    stage = Stage::kNinth;
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
                    stage = Stage::kNinth;
                }
                break;

            case Stage::kNinth:
                if (d.ninth == 2 && !eleventh) {
                    text += "9";
                    if (!open) {
                        text += "add";
                    }
                    open = false;
                    stage = Stage::kEnd;
                } else if (d.ninth == 2) {
                    stage = Stage::kEleventh;
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
                    stage = Stage::kEleventh;
                }
                break;

            case Stage::kEleventh:
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
                stage = Stage::kEnd;
                break;

            case Stage::kEnd:
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
                    return text;
                } else if (d.third == kNone) {
                    text += " (no3)";
                }
                if (d.fifth == kNone) {
                    text += " (no5)";
                }
                stage = Stage::kDone;
                break;

            case Stage::kDone:
                break;
        }
    }
    return text;
}

}  // namespace

std::string IdentifyChord(const std::array<CNote, 6>& strings) {
    return IdentifyChord(std::span<const CNote>(strings));
}

std::string IdentifyChord(std::span<const CNote> notes) {
    std::bitset<12> pitches;
    for (const CNote& note : notes) {
        const int pitchClass = PitchClass(note.note);
        if (pitchClass >= 0) {
            pitches.set(static_cast<std::size_t>(pitchClass));
        }
    }
    const int n = static_cast<int>(pitches.count());
    for (int root = 0; root < 12; ++root) {
        if (!pitches.test(static_cast<std::size_t>(root))) {
            continue;
        }
        const Degrees degrees = Classify(pitches, root);
        if (1 + degrees.Count() == n) {
            return BuildName(root, degrees);
        }
    }
    return "";
}
