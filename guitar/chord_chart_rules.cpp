#include "guitar/chord_chart_rules.h"

#include <algorithm>
#include <bit>
#include <vector>

#include "music/chord_type.h"

namespace {

constexpr int kPerfectFifth = 7;

std::string Plural(int n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

CChartFingering ChartFingering(const ChartFrets& frets) {
    int fretted = 0;
    for (int fret : frets) {
        fretted += fret > 0 ? 1 : 0;
    }
    CChartFingering best;
    best.fingers = fretted;
    // A barre at fret f covers a run of strings that are fretted at f or higher, or muted;
    // it saves a finger for every string of the run fretted at exactly f beyond the first.
    for (int s = 0; s < kStringCount; ++s) {
        const int f = frets[s];
        if (f <= 0) {
            continue;
        }
        int last = s;
        int atFret = 0;
        int lastAtFret = s;
        while (last < kStringCount && (frets[last] < 0 || frets[last] >= f)) {
            if (frets[last] == f) {
                ++atFret;
                lastAtFret = last;
            }
            ++last;
        }
        // Only a barre starting at its first string at f is tried; runs are scanned from
        // every start, so every barre is seen.
        if (atFret >= 2) {
            const int fingers = fretted - atFret + 1;
            // Of two barres that save as much, the lower one: the first finger lies flat.
            if (fingers < best.fingers ||
                (fingers == best.fingers && (best.barreFret < 0 || f < best.barreFret))) {
                best.fingers = fingers;
                best.barreFret = f;
                best.barreFirst = s;
                best.barreLast = lastAtFret;
            }
        }
    }
    return best;
}

bool ChartHandHolds(const ChartFrets& frets) {
    return ChartFingering(frets).fingers <= kChartMaxFingers;
}

int ChartPosition(const ChartFrets& frets) {
    int lowest = 0;
    for (int fret : frets) {
        if (fret > 0 && (lowest == 0 || fret < lowest)) {
            lowest = fret;
        }
    }
    return lowest;
}

int ChartBassString(const ChartFrets& frets) {
    for (int s = 0; s < kStringCount; ++s) {
        if (frets[s] >= 0) {
            return s;
        }
    }
    return -1;
}

std::string ChartShapeFault(const CTuning& tuning, const ChartFrets& frets, NoteValue root,
                            int type) {
    const std::vector<NoteValue> tones = ChordTones(root, type);
    unsigned chordSet = 0;
    for (NoteValue tone : tones) {
        if (PitchClass(tone) >= 0) {
            chordSet |= 1u << PitchClass(tone);
        }
    }

    int sounding = 0;
    int first = -1;
    int last = -1;
    int low = 0;
    int high = 0;
    unsigned present = 0;
    for (int s = 0; s < kStringCount; ++s) {
        const int fret = frets[s];
        if (fret < -1 || fret > kFretCount) {
            return "string " + std::to_string(s + 1) + " has no fret " + std::to_string(fret);
        }
        if (fret < 0) {
            continue;
        }
        ++sounding;
        first = first < 0 ? s : first;
        last = s;
        const CNote note = tuning.NoteAt(s + 1, fret);
        const int pc = PitchClass(note.note);
        if (pc < 0 || !(chordSet >> pc & 1u)) {
            return "plays " + note.Format(false) + " on string " + std::to_string(s + 1) +
                   ", not a tone of the chord";
        }
        present |= 1u << pc;
        if (fret > 0) {
            low = low == 0 ? fret : std::min(low, fret);
            high = std::max(high, fret);
        }
    }
    if (sounding < kChartMinSounding) {
        return "only " + Plural(sounding, "string sounds", "strings sound");
    }

    const int count = static_cast<int>(std::popcount(chordSet));
    const int fifth = PitchClass(Transpose(root, kPerfectFifth));
    for (NoteValue tone : tones) {
        const int pc = PitchClass(tone);
        if (pc < 0 || (present >> pc & 1u)) {
            continue;
        }
        if (!(count >= 4 && pc == fifth)) {
            return "leaves out " + NoteName(tone);
        }
    }

    if (high - low > kChartMaxStretch) {
        return "fretted notes reach over " + std::to_string(high - low + 1) + " frets";
    }
    int innerMuted = 0;
    for (int s = first; s <= last; ++s) {
        innerMuted += frets[s] < 0 ? 1 : 0;
    }
    if (innerMuted > 1) {
        return "mutes " + std::to_string(innerMuted) + " strings between sounding ones";
    }
    if (!ChartHandHolds(frets)) {
        return "needs " + std::to_string(ChartFingering(frets).fingers) + " fingers";
    }
    return "";
}

std::string ChartFretsText(const ChartFrets& frets) {
    std::string text;
    for (int fret : frets) {
        if (!text.empty()) {
            text += ' ';
        }
        text += fret < 0 ? "x" : std::to_string(fret);
    }
    return text;
}
