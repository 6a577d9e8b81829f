// The generator's pruned search must find exactly what the plain odometer over every
// combination finds, in the same order. The reference below is that odometer, written for
// clarity: string 1 (in pitch order) turns fastest; string 1 muted, and strings 1 and 2
// muted, are tried under every combination of the strings above them.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "guitar/chord_chart_rules.h"
#include "guitar/guitar.h"
#include "music/chord_type.h"

namespace {

struct Candidate {
    int fret;
    NoteValue note;
};

class ReferenceSearch {
public:
    std::vector<CVoicingSlot> Run(const CTuning& tuning, NoteValue root, int type, int span) {
        maxSpan_ = span;
        tones_ = ChordTones(root, type);
        if (tones_.empty()) {
            return {};
        }
        const bool mirrored = !tuning.IsRightHanded();
        std::vector<std::vector<Candidate>> candidates(kStringCount);
        for (int s = 0; s < kStringCount; ++s) {
            NoteValue note = tuning.StringNote(mirrored ? kStringCount - s : s + 1).note;
            for (int fret = 0; fret <= kHighestSearchedFret; ++fret) {
                if (IsTone(note)) {
                    candidates[s].push_back({fret, note});
                }
                note = StepUp(note, true);
            }
            if (candidates[s].empty()) {
                return {};
            }
        }
        std::array<size_t, kStringCount> pos{};
        while (true) {
            for (size_t p1 = 0; p1 < candidates[1].size(); ++p1) {
                pos[1] = p1;
                for (size_t p0 = 0; p0 < candidates[0].size(); ++p0) {
                    pos[0] = p0;
                    Evaluate(candidates, pos, 0);
                }
                Evaluate(candidates, pos, 1);
            }
            Evaluate(candidates, pos, 2);
            int i = 2;
            while (i < kStringCount && ++pos[i] == candidates[i].size()) {
                pos[i++] = 0;
            }
            if (i == kStringCount) {
                break;
            }
        }
        for (CVoicingSlot& slot : slots_) {
            if (mirrored) {
                std::reverse(slot.frets.begin(), slot.frets.end());
                std::reverse(slot.notes.begin(), slot.notes.end());
            }
        }
        return slots_;
    }

private:
    bool IsTone(NoteValue note) const {
        return std::any_of(tones_.begin(), tones_.end(),
                           [note](NoteValue t) { return SameNote(note, t); });
    }

    void Evaluate(const std::vector<std::vector<Candidate>>& candidates,
                  const std::array<size_t, kStringCount>& pos, int mutedBelow) {
        CVoicingSlot v;
        for (int s = 0; s < kStringCount; ++s) {
            const bool muted = s < mutedBelow;
            v.frets[s] = muted ? -1 : candidates[s][pos[s]].fret;
            v.notes[s] = muted ? kNoteMuted : candidates[s][pos[s]].note;
        }
        int lowFretted = 99;
        int highFretted = 0;
        int lowSounding = 99;
        int highSounding = 0;
        int fretted = 0;
        int sum = 0;
        int open = 0;
        for (int fret : v.frets) {
            if (fret > 0) {
                lowFretted = std::min(lowFretted, fret);
                highFretted = std::max(highFretted, fret);
                sum += fret;
                ++fretted;
            }
            if (fret >= 0) {
                lowSounding = std::min(lowSounding, fret);
                highSounding = std::max(highSounding, fret);
                open += fret == 0 ? 1 : 0;
            }
        }
        const int span = fretted == 0 ? 0 : highFretted - lowFretted;
        if (span >= maxSpan_ || !ChartHandHolds(v.frets)) {
            return;
        }
        for (NoteValue tone : tones_) {
            if (std::none_of(v.notes.begin(), v.notes.end(),
                             [tone](NoteValue n) { return n >= 0 && SameNote(n, tone); })) {
                return;
            }
        }
        int doubled = 0;
        for (int s = 0; s + 1 < kStringCount; ++s) {
            doubled += v.frets[s] >= 0 && v.notes[s] == v.notes[s + 1] ? 1 : 0;
        }
        v.scores[1] = (maxSpan_ - span) * 12;
        v.scores[2] = (15 - (highSounding - lowSounding)) * 3;
        v.scores[3] = 10 * open;
        v.scores[4] = SameNote(v.notes[mutedBelow], tones_.front()) ? 50 : 0;
        v.scores[5] =
            fretted == 0 ? 30 : 2 * static_cast<int>(15.0 - static_cast<double>(sum) / fretted);
        v.scores[6] = 45 - 9 * doubled;
        v.scores[0] =
            v.scores[1] + v.scores[2] + v.scores[3] + v.scores[4] + v.scores[5] + v.scores[6];
        const auto at = std::find_if(slots_.begin(), slots_.end(), [&](const CVoicingSlot& s) {
            return s.scores[0] < v.scores[0];
        });
        if (at - slots_.begin() < kVoicingSlots) {
            slots_.insert(at, v);
            if (slots_.size() > static_cast<size_t>(kVoicingSlots)) {
                slots_.pop_back();
            }
        }
    }

    int maxSpan_ = 4;
    std::vector<NoteValue> tones_;
    std::vector<CVoicingSlot> slots_;
};

CTuning LeftHanded(int n) {
    CTuning t(n);
    t.SetLeftHanded();
    return t;
}

CTuning Custom(const char* text) {
    CTuning t;
    t.FromText(text);
    return t;
}

TEST(VoicingSearchTest, FindsWhatTheFullOdometerFindsInTheSameOrder) {
    constexpr NoteValue kRoots[] = {kNoteC,     kNoteFSharp, kNoteBFlat, kNoteE,
                                    kNoteAFlat, kNoteD,      kNoteDFlat, kNoteG,
                                    kNoteEFlat, kNoteA,      kNoteF,     kNoteB};
    const std::vector<CTuning> tunings = {CTuning(0), CTuning(13), CTuning(20), LeftHanded(0),
                                          Custom("C2,G2,D3,A3,E4,B4")};
    CGuitar guitar;  // one generator throughout, as the program uses it
    for (size_t t = 0; t < tunings.size(); ++t) {
        // Every type in the first tuning, every fourth in the others.
        for (int type = static_cast<int>(t); type < kChordTypeCount; type += t == 0 ? 1 : 4) {
            const NoteValue root = kRoots[static_cast<size_t>(type + static_cast<int>(t)) % 12];
            const int span = 3 + (type + static_cast<int>(t)) % 4;
            guitar.GenerateVoicings(tunings[t], root, type, span);
            const std::vector<CVoicingSlot> expected =
                ReferenceSearch().Run(tunings[t], root, type, span);
            ASSERT_EQ(guitar.Voicings().Found(), static_cast<int>(expected.size()))
                << "tuning " << t << " type " << type;
            for (size_t v = 0; v < expected.size(); ++v) {
                const CVoicingSlot& got = guitar.Voicings().Slots()[v];
                ASSERT_EQ(got.frets, expected[v].frets)
                    << "tuning " << t << " type " << type << " variation " << v + 1;
                ASSERT_EQ(got.notes, expected[v].notes) << v;
                ASSERT_EQ(got.scores, expected[v].scores) << v;
            }
        }
    }
}

}  // namespace
