#include "tools/make_chords/chart_picker.h"

#include <algorithm>
#include <bit>
#include <map>

#include "guitar/tuning.h"
#include "music/chord_type.h"

namespace {

const CTuning& Standard() {
    static const CTuning tuning;
    return tuning;
}

struct Search {
    NoteValue root = kNoteC;
    int type = 0;
    int highestFret = kChartSearchedFret;
    unsigned chordSet = 0;
    int bassClass = -1;
    int rootClass = -1;
    int fifthClass = -1;
    std::array<std::vector<int>, kStringCount> options;
    ChartFrets current{};
    std::vector<CChartCandidate> found;
};

int ClassAt(int s, int fret) {
    return PitchClass(Standard().NoteAt(s + 1, fret).note);
}

// Two notes held at one fret by separate fingers, far apart across the neck with a higher
// fretted note between them: the lower finger has to reach round the higher one.
bool CrossedFingers(const ChartFrets& frets, const CChartFingering& hand) {
    auto underBarre = [&](int s) {
        return hand.barreFret > 0 && frets[s] == hand.barreFret && s >= hand.barreFirst &&
               s <= hand.barreLast;
    };
    for (int a = 0; a < kStringCount; ++a) {
        for (int c = a + 3; c < kStringCount; ++c) {
            if (frets[a] <= 0 || frets[a] != frets[c] || (underBarre(a) && underBarre(c))) {
                continue;
            }
            for (int b = a + 1; b < c; ++b) {
                if (frets[b] > frets[a]) {
                    return true;
                }
            }
        }
    }
    return false;
}

// Three or more fingers side by side on one fret, outside the barre.
bool CrowdedFret(const ChartFrets& frets, const CChartFingering& hand) {
    std::array<int, kFretCount + 1> fingersAt{};
    for (int s = 0; s < kStringCount; ++s) {
        const int f = frets[s];
        const bool barred = f == hand.barreFret && s >= hand.barreFirst && s <= hand.barreLast;
        if (f > 0 && !barred) {
            ++fingersAt[static_cast<size_t>(f)];
        }
    }
    return *std::max_element(fingersAt.begin(), fingersAt.end()) >= 3;
}

// A barre at the lowest fret from the bass string (the low E or A string) to the top
// string, the other notes fretted above it: the movable shapes of the barre chords.
bool IsFullBarre(const ChartFrets& f, int bass, int position) {
    if (bass > 1 || position == 0 || f[bass] != position || f[kStringCount - 1] != position) {
        return false;
    }
    int fingers = 1;
    for (int s = bass; s < kStringCount; ++s) {
        if (f[s] == 0) {
            return false;
        }
        fingers += f[s] > position ? 1 : 0;
    }
    return fingers <= kChartMaxFingers;
}

// How a chart reader rates a fingering, whatever its place on the neck: full chords
// with few fingers and no gaps first.
void Rate(const Search& search, CChartCandidate& c) {
    const ChartFrets& f = c.frets;
    const CChartFingering hand = ChartFingering(f);
    int first = -1;
    int last = -1;
    unsigned present = 0;
    std::array<int, 12> count{};
    for (int s = 0; s < kStringCount; ++s) {
        if (f[s] < 0) {
            continue;
        }
        first = first < 0 ? s : first;
        last = s;
        ++c.sounding;
        c.open += f[s] == 0 ? 1 : 0;
        c.highestFret = std::max(c.highestFret, f[s]);
        present |= 1u << ClassAt(s, f[s]);
        ++count[static_cast<size_t>(ClassAt(s, f[s]))];
    }
    // A chart doubles the root and the fifth; doubling another tone thins the chord.
    int doubledOther = 0;
    for (int pc = 0; pc < 12; ++pc) {
        if (pc != search.rootClass && pc != search.fifthClass &&
            count[static_cast<size_t>(pc)] > 1) {
            doubledOther += count[static_cast<size_t>(pc)] - 1;
        }
    }
    c.innerMuted = 0;
    for (int s = first; s <= last; ++s) {
        c.innerMuted += f[s] < 0 ? 1 : 0;
    }
    const int topMuted = kStringCount - 1 - last;
    c.position = ChartPosition(f);
    c.fingers = hand.fingers;
    c.rootInBass = ClassAt(first, f[first]) == search.bassClass;
    c.fullBarre = IsFullBarre(f, first, c.position);
    const bool fifthMissing =
        (search.chordSet >> search.fifthClass & 1u) && !(present >> search.fifthClass & 1u);

    int q = 10 * c.sounding;
    q -= 14 * c.innerMuted;
    q -= 6 * topMuted;
    q -= 4 * c.fingers;
    q -= fifthMissing ? 5 : 0;
    q -= 6 * doubledOther;
    const int stretch = c.highestFret - std::max(c.position, 1);
    q -= 2 * stretch + (stretch >= kChartMaxStretch ? 6 : 0);
    q -= CrowdedFret(f, hand) ? 12 : 0;
    q += c.fullBarre ? 6 : 0;
    q -= CrossedFingers(f, hand) ? 15 : 0;
    if (hand.barreFret > 0 && hand.barreFret != c.position) {
        q -= 4;
    }
    // Open strings ring on in the open position; higher up a shape that mixes them in is
    // not the movable shape a chart shows.
    if (c.highestFret >= 4) {
        q -= 40 * c.open;
    }
    c.quality = q;
}

void Walk(Search& search, int s, int low, int high, int sounding) {
    if (s == kStringCount) {
        if (sounding < kChartMinSounding) {
            return;
        }
        if (!ChartShapeFault(Standard(), search.current, search.root, search.type).empty()) {
            return;
        }
        CChartCandidate c;
        c.frets = search.current;
        Rate(search, c);
        search.found.push_back(c);
        return;
    }
    for (int fret : search.options[s]) {
        int newLow = low;
        int newHigh = high;
        if (fret > 0) {
            newLow = low == 0 ? fret : std::min(low, fret);
            newHigh = std::max(high, fret);
            if (newHigh - newLow > kChartMaxStretch) {
                continue;
            }
        }
        search.current[s] = fret;
        Walk(search, s + 1, newLow, newHigh, sounding + (fret >= 0 ? 1 : 0));
    }
}

constexpr int kOpenChordBonus = 10;
// How much more the common barre chord is worth as variation 1 than a shape that spreads
// the six better.
constexpr int kBarreFirstBonus = 120;
constexpr size_t kLowFirstTries = 8;
constexpr int kThinnedPenalty = -40;
constexpr int kRootInBassWeight = 200;
constexpr int kPerPosition = 8;

// The open chords a chord chart shows first, by chord type. For a type listed here the
// table is the whole of the chart's open position: a root it lacks takes a movable form.
struct TableChord {
    NoteValue root;
    int type;
    ChartFrets frets;
};

// Chord type numbers of the type table.
constexpr int kMajor = 0;
constexpr int kSus4 = 1;
constexpr int kAdd9 = 3;
constexpr int kMinor = 5;
constexpr int kAugmented = 6;
constexpr int kDiminished = 7;
constexpr int kSixth = 8;
constexpr int kMinorSixth = 11;
constexpr int kSeventh = 12;
constexpr int kMinorSeventh = 14;
constexpr int kMajorSeventh = 18;
constexpr int kNinth = 25;
// A muted string, written as a chart writes it.
constexpr int x = -1;

const std::vector<TableChord>& OpenChordTable() {
    // clang-format off
    static const std::vector<TableChord> table = {
        {kNoteC, kMajor, {x, 3, 2, 0, 1, 0}},
        {kNoteA, kMajor, {x, 0, 2, 2, 2, 0}},
        {kNoteG, kMajor, {3, 2, 0, 0, 0, 3}},
        {kNoteE, kMajor, {0, 2, 2, 1, 0, 0}},
        {kNoteD, kMajor, {x, x, 0, 2, 3, 2}},
        {kNoteA, kMinor, {x, 0, 2, 2, 1, 0}},
        {kNoteE, kMinor, {0, 2, 2, 0, 0, 0}},
        {kNoteD, kMinor, {x, x, 0, 2, 3, 1}},
        {kNoteE, kSeventh, {0, 2, 0, 1, 0, 0}},
        {kNoteA, kSeventh, {x, 0, 2, 0, 2, 0}},
        {kNoteG, kSeventh, {3, 2, 0, 0, 0, 1}},
        {kNoteD, kSeventh, {x, x, 0, 2, 1, 2}},
        {kNoteB, kSeventh, {x, 2, 1, 2, 0, 2}},
        {kNoteC, kSeventh, {x, 3, 2, 3, 1, 0}},
        {kNoteA, kMinorSeventh, {x, 0, 2, 0, 1, 0}},
        {kNoteD, kMinorSeventh, {x, x, 0, 2, 1, 1}},
        {kNoteE, kMinorSeventh, {0, 2, 0, 0, 0, 0}},
        {kNoteB, kMinorSeventh, {x, 2, 0, 2, 0, 2}},
        {kNoteC, kMajorSeventh, {x, 3, 2, 0, 0, 0}},
        {kNoteA, kMajorSeventh, {x, 0, 2, 1, 2, 0}},
        {kNoteD, kMajorSeventh, {x, x, 0, 2, 2, 2}},
        {kNoteE, kMajorSeventh, {0, 2, 1, 1, 0, 0}},
        {kNoteF, kMajorSeventh, {x, x, 3, 2, 1, 0}},
        {kNoteG, kMajorSeventh, {3, 2, 0, 0, 0, 2}},
        {kNoteA, kSus4, {x, 0, 2, 2, 3, 0}},
        {kNoteD, kSus4, {x, x, 0, 2, 3, 3}},
        {kNoteE, kSus4, {0, 2, 2, 2, 0, 0}},
        {kNoteC, kSus4, {x, 3, 3, 0, 1, 1}},
        {kNoteG, kSus4, {3, 3, 0, 0, 1, 3}},
        {kNoteC, kSixth, {x, 3, 2, 2, 1, 0}},
        {kNoteG, kSixth, {3, 2, 0, 0, 0, 0}},
        {kNoteA, kSixth, {x, 0, 2, 2, 2, 2}},
        {kNoteD, kSixth, {x, x, 0, 2, 0, 2}},
        {kNoteE, kSixth, {0, 2, 2, 1, 2, 0}},
        {kNoteA, kMinorSixth, {x, 0, 2, 2, 1, 2}},
        {kNoteE, kMinorSixth, {0, 2, 2, 0, 2, 0}},
        {kNoteD, kMinorSixth, {x, x, 0, 2, 0, 1}},
        {kNoteD, kDiminished, {x, x, 0, 1, 0, 1}},
        {kNoteE, kDiminished, {0, 1, 2, 0, 2, 0}},
        {kNoteA, kDiminished, {x, 0, 1, 2, 1, 2}},
        {kNoteE, kAugmented, {0, 3, 2, 1, 1, 0}},
        {kNoteC, kAugmented, {x, 3, 2, 1, 1, 0}},
        {kNoteA, kAugmented, {x, 0, 3, 2, 2, 1}},
        {kNoteD, kAugmented, {x, x, 0, 3, 3, 2}},
        {kNoteG, kAugmented, {3, 2, 1, 0, 0, 3}},
        {kNoteC, kAdd9, {x, 3, 2, 0, 3, 0}},
        {kNoteA, kAdd9, {x, 0, 2, 4, 2, 0}},
        {kNoteE, kAdd9, {0, 2, 4, 1, 0, 0}},
        {kNoteA, kNinth, {x, 0, 2, 4, 2, 3}},
        {kNoteC, kNinth, {x, 3, 2, 3, 3, 3}},
        {kNoteE, kNinth, {0, 2, 0, 1, 0, 2}},
    };
    // clang-format on
    return table;
}

const CChartCandidate* FindShape(const std::vector<CChartCandidate>& all, const ChartFrets& frets) {
    for (const CChartCandidate& c : all) {
        if (c.frets == frets) {
            return &c;
        }
    }
    return nullptr;
}

// A choice for variation 1 and how much it is worth before the other five are added.
struct FirstChoice {
    const CChartCandidate* candidate;
    int worth;
    const char* from;
};

// Outweighs anything the other five can add, so a table or form choice wins whenever it
// leaves room for them, in the order given.
constexpr int kSureChoice = 1000000;
// Ranks a form with a string left out after the whole forms at its position.
constexpr int kThinnedForm = 10;

// The movable forms of the chart: the open E, A and D shapes of the type carried up the
// neck, the open strings becoming the barre, and any chart shape without open strings
// slid along (C9 x32333 gives Bb9 x10111). Lowest position first; at one position the E
// form, then the A form, then the D form.
std::vector<FirstChoice> FormChoices(NoteValue root, int type,
                                     const std::vector<CChartCandidate>& all) {
    auto formRank = [](const TableChord& t) {
        const NoteValue order[] = {kNoteE, kNoteA, kNoteD};
        for (int i = 0; i < 3; ++i) {
            if (SameNote(t.root, order[i])) {
                return i;
            }
        }
        const bool movable =
            std::none_of(t.frets.begin(), t.frets.end(), [](int fret) { return fret == 0; });
        return movable ? 3 : -1;
    };
    struct Form {
        const CChartCandidate* candidate;
        int rank;
    };
    std::vector<Form> forms;
    for (const TableChord& t : OpenChordTable()) {
        const int rank = formRank(t);
        if (t.type != type || rank < 0 || SameNote(t.root, root)) {
            continue;
        }
        const int up = ((PitchClass(root) - PitchClass(t.root)) % 12 + 12) % 12;
        for (int shift : {up, up - 12}) {
            ChartFrets frets = t.frets;
            bool onNeck = true;
            for (int& fret : frets) {
                if (fret >= 0) {
                    fret += shift;
                    onNeck = onNeck && fret >= 0;
                }
            }
            if (!onNeck) {
                continue;
            }
            if (const CChartCandidate* c = FindShape(all, frets)) {
                forms.push_back({c, rank});
                continue;
            }
            // A form the hand cannot hold whole is played with one inner string left out
            // (E+ 032110 carried to F gives 1x3221).
            const int bass = ChartBassString(frets);
            for (int s = bass + 1; s < kStringCount - 1; ++s) {
                ChartFrets thinned = frets;
                thinned[static_cast<size_t>(s)] = -1;
                if (const CChartCandidate* c = FindShape(all, thinned)) {
                    forms.push_back({c, rank + kThinnedForm});
                }
            }
        }
    }
    std::stable_sort(forms.begin(), forms.end(), [](const Form& a, const Form& b) {
        return a.candidate->position != b.candidate->position
                   ? a.candidate->position < b.candidate->position
                   : a.rank < b.rank;
    });
    std::vector<FirstChoice> choices;
    for (size_t i = 0; i < forms.size(); ++i) {
        choices.push_back(
            {forms[i].candidate, kSureChoice * static_cast<int>(forms.size() - i), "form"});
    }
    return choices;
}

// Variation 1: the open chord a chart shows first; for a type the chart lists open
// chords of, the lowest of its movable forms; else the best open chord; else the common
// barre chord (the lowest E- or A-string barre), unless it leaves the rest of the neck
// too bare; else the best shape low on the neck. Every choice must leave room above it
// for five more shapes with the same bass, where the neck holds that many.
std::vector<FirstChoice> FirstChoices(NoteValue root, int type,
                                      const std::vector<CChartCandidate>& all, bool rootOnly) {
    for (const TableChord& t : OpenChordTable()) {
        if (SameNote(t.root, root) && t.type == type) {
            if (const CChartCandidate* c = FindShape(all, t.frets)) {
                return {{c, 0, "table"}};
            }
        }
    }
    if (std::vector<FirstChoice> forms = FormChoices(root, type, all); !forms.empty()) {
        return forms;
    }
    std::vector<int> bassPositions;
    for (const CChartCandidate& c : all) {
        if (c.rootInBass == rootOnly) {
            bassPositions.push_back(c.position);
        }
    }
    std::sort(bassPositions.begin(), bassPositions.end());
    const long needed =
        std::min<long>(kChartVariations - 1, static_cast<long>(bassPositions.size()) - 1);
    auto leavesRoom = [&](const CChartCandidate& c) {
        const auto at = std::lower_bound(bassPositions.begin(), bassPositions.end(), c.position);
        return bassPositions.end() - at - 1 >= needed;
    };

    const CChartCandidate* open = nullptr;
    int openScore = 0;
    for (const CChartCandidate& c : all) {
        if (c.rootInBass != rootOnly || c.open == 0 || c.highestFret > 3 || c.innerMuted > 0 ||
            !leavesRoom(c)) {
            continue;
        }
        // An open chord is worth its name when open strings carry it: two of them, or the
        // bass, or the top string.
        const int bass = ChartBassString(c.frets);
        if (!(c.open >= 2 || c.frets[bass] == 0 || c.frets[kStringCount - 1] == 0)) {
            continue;
        }
        const int score = c.quality + 4 * c.open + kOpenChordBonus;
        if (open == nullptr || score > openScore) {
            open = &c;
            openScore = score;
        }
    }
    const CChartCandidate* barre = nullptr;
    for (const CChartCandidate& c : all) {
        if (c.rootInBass != rootOnly || !c.fullBarre || c.position > 7 || !leavesRoom(c)) {
            continue;
        }
        if (barre == nullptr || c.position < barre->position ||
            (c.position == barre->position && c.quality > barre->quality)) {
            barre = &c;
        }
    }
    // An open chord that sounds thin or sits awkwardly loses to the barre chord.
    if (open != nullptr && (barre == nullptr || openScore >= barre->quality)) {
        return {{open, 0, "open"}};
    }

    auto lowScore = [](const CChartCandidate& c) { return c.quality - 6 * c.position; };
    std::vector<FirstChoice> choices;
    if (barre != nullptr) {
        choices.push_back({barre, lowScore(*barre) + kBarreFirstBonus, "barre"});
    }
    // A chart draws its common chords without a gap in the strings.
    const bool charted = std::any_of(OpenChordTable().begin(), OpenChordTable().end(),
                                     [&](const TableChord& t) { return t.type == type; });
    std::vector<const CChartCandidate*> low;
    for (const CChartCandidate& c : all) {
        if (c.rootInBass == rootOnly && leavesRoom(c) && !(charted && c.innerMuted > 0)) {
            low.push_back(&c);
        }
    }
    std::sort(low.begin(), low.end(), [&](const CChartCandidate* a, const CChartCandidate* b) {
        return lowScore(*a) > lowScore(*b);
    });
    for (size_t i = 0; i < low.size() && i < kLowFirstTries; ++i) {
        if (low[i] != barre) {
            choices.push_back({low[i], lowScore(*low[i]), "lowest"});
        }
    }
    return choices;
}

// The cost of the step from one variation's position to the next: the six should spread
// over the neck, a few frets apart.
int GapScore(int gap) {
    if (gap <= 0) {
        return -60;
    }
    if (gap == 1) {
        return -25;
    }
    if (gap == 2) {
        return -5;
    }
    return gap <= 5 ? 0 : -4 * (gap - 5);
}

// One shape is the other with strings left out: hardly a variation of its own.
bool SameShapeThinned(const ChartFrets& a, const ChartFrets& b) {
    bool aWithin = true;
    bool bWithin = true;
    for (int s = 0; s < kStringCount; ++s) {
        if (a[s] >= 0 && a[s] != b[s]) {
            aWithin = false;
        }
        if (b[s] >= 0 && b[s] != a[s]) {
            bWithin = false;
        }
    }
    return aWithin || bWithin;
}

int StepScore(const CChartCandidate& from, const CChartCandidate& to) {
    return GapScore(to.position - from.position) +
           (SameShapeThinned(from.frets, to.frets) ? kThinnedPenalty : 0);
}

int Worth(const CChartCandidate& c) {
    return c.quality + (c.rootInBass ? kRootInBassWeight : 0);
}

constexpr int kRest = kChartVariations - 1;

// The best five shapes after the first, their positions never falling; the total worth,
// or false when the neck above the first holds fewer than five.
bool PickRest(const std::vector<CChartCandidate>& all, const CChartCandidate& first,
              std::array<const CChartCandidate*, kRest>& rest, int& total) {
    // The best few shapes at each position from the first's up.
    std::map<int, std::vector<const CChartCandidate*>> byPosition;
    for (const CChartCandidate& c : all) {
        if (&c != &first && c.position >= first.position) {
            byPosition[c.position].push_back(&c);
        }
    }
    std::vector<const CChartCandidate*> pool;
    for (auto& [position, list] : byPosition) {
        std::sort(list.begin(), list.end(), [](const CChartCandidate* a, const CChartCandidate* b) {
            return Worth(*a) > Worth(*b);
        });
        const size_t keep = std::min(list.size(), static_cast<size_t>(kPerPosition));
        pool.insert(pool.end(), list.begin(), list.begin() + static_cast<long>(keep));
    }
    const int n = static_cast<int>(pool.size());
    if (n < kRest) {
        return false;
    }
    // best[i][k]: the best worth of k + 1 shapes ending with pool[i]; pool order within a
    // position keeps each shape to one use.
    constexpr int kNone = -1000000;
    std::vector<std::array<int, kRest>> best(static_cast<size_t>(n));
    std::vector<std::array<int, kRest>> from(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        best[i].fill(kNone);
        from[i].fill(-1);
        best[i][0] = Worth(*pool[i]) + StepScore(first, *pool[i]);
    }
    for (int k = 1; k < kRest; ++k) {
        for (int i = 0; i < n; ++i) {
            const int worth = Worth(*pool[i]);
            for (int j = 0; j < i; ++j) {
                if (best[j][k - 1] == kNone) {
                    continue;
                }
                const int value = best[j][k - 1] + worth + StepScore(*pool[j], *pool[i]);
                if (value > best[i][k]) {
                    best[i][k] = value;
                    from[i][k] = j;
                }
            }
        }
    }
    int end = -1;
    for (int i = 0; i < n; ++i) {
        if (best[i][kRest - 1] != kNone && (end < 0 || best[i][kRest - 1] > best[end][kRest - 1])) {
            end = i;
        }
    }
    if (end < 0) {
        return false;
    }
    total = best[end][kRest - 1];
    for (int k = kRest - 1, i = end; k >= 0; i = from[i][k], --k) {
        rest[k] = pool[i];
    }
    return true;
}

}  // namespace

std::vector<CChartCandidate> ChartCandidates(NoteValue root, int type, int highestFret) {
    Search search;
    search.root = root;
    search.type = type;
    search.highestFret = highestFret;
    const std::vector<NoteValue> tones = ChordTones(root, type);
    for (NoteValue tone : tones) {
        search.chordSet |= 1u << PitchClass(tone);
    }
    search.bassClass = PitchClass(tones.front());
    search.rootClass = PitchClass(root);
    search.fifthClass = PitchClass(Transpose(root, 7));
    for (int s = 0; s < kStringCount; ++s) {
        search.options[s].push_back(-1);
        for (int fret = 0; fret <= highestFret; ++fret) {
            if (search.chordSet >> ClassAt(s, fret) & 1u) {
                search.options[s].push_back(fret);
            }
        }
    }
    Walk(search, 0, 0, 0, 0);
    return std::move(search.found);
}

bool PickChart(NoteValue root, int type, CChartPick& pick) {
    std::vector<CChartCandidate> all = ChartCandidates(root, type, kChartSearchedFret);
    auto rootShapes = [](const std::vector<CChartCandidate>& list) {
        return std::count_if(list.begin(), list.end(),
                             [](const CChartCandidate& c) { return c.rootInBass; });
    };
    pick.usedHighFrets = false;
    if (rootShapes(all) < kChartVariations) {
        std::vector<CChartCandidate> more = ChartCandidates(root, type, kChartHighestFret);
        if (rootShapes(more) > rootShapes(all)) {
            all = std::move(more);
            pick.usedHighFrets = true;
        }
    }
    if (all.size() < static_cast<size_t>(kChartVariations)) {
        return false;
    }
    const bool anyRoot = rootShapes(all) > 0;
    bool found = false;
    int bestTotal = 0;
    for (const FirstChoice& choice : FirstChoices(root, type, all, anyRoot)) {
        std::array<const CChartCandidate*, kRest> rest{};
        int total = 0;
        if (!PickRest(all, *choice.candidate, rest, total)) {
            continue;
        }
        total += choice.worth;
        if (found && total <= bestTotal) {
            continue;
        }
        found = true;
        bestTotal = total;
        pick.firstFrom = choice.from;
        pick.frets[0] = choice.candidate->frets;
        pick.rootInBass = choice.candidate->rootInBass ? 1 : 0;
        for (int k = 0; k < kRest; ++k) {
            pick.frets[static_cast<size_t>(k + 1)] = rest[static_cast<size_t>(k)]->frets;
            pick.rootInBass += rest[static_cast<size_t>(k)]->rootInBass ? 1 : 0;
        }
    }
    return found;
}
