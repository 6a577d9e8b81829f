#include "guitar/voicing_generator.h"

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

#include "guitar/chord_chart_rules.h"
#include "music/chord_type.h"

namespace {

// How many of the twelve pitch classes a mask holds, by table: the search asks this for
// every partial fingering, and without a popcount instruction the library call shows.
constexpr std::array<unsigned char, 4096> kPitchClassCount = [] {
    std::array<unsigned char, 4096> counts{};
    for (unsigned mask = 0; mask < counts.size(); ++mask) {
        counts[mask] = static_cast<unsigned char>(std::popcount(mask));
    }
    return counts;
}();

}  // namespace

CVoicingGenerator::CVoicingGenerator() {
    tones_.fill(kNoteMuted);
    for (CVoicingSlot& slot : slots_) {
        slot.frets.fill(0);
        slot.scores.fill(-1);
        slot.notes = {kNoteE, kNoteA, kNoteD, kNoteG, kNoteB, kNoteE};
    }
}

void CVoicingGenerator::Generate(const CTuning& tuning, NoteValue root, int type, int span) {
    for (CVoicingSlot& slot : slots_) {
        slot.scores[kScoreTotal] = -1;
    }
    found_ = 0;
    tones_.fill(kNoteMuted);
    maxSpan_ = span;

    const std::vector<NoteValue> chordTones = ChordTones(root, type);
    requiredPitchClasses_ = 0;
    for (size_t i = 0; i < chordTones.size() && i < tones_.size(); ++i) {
        tones_[i] = chordTones[i];
        if (PitchClass(chordTones[i]) >= 0) {
            requiredPitchClasses_ |= 1u << PitchClass(chordTones[i]);
        }
    }
    firstTone_ = chordTones.empty() ? kNoteNone : chordTones.front();
    if (requiredPitchClasses_ == 0) {
        return;
    }

    // Pitch order: the lowest-pitched string first, whichever hand the tuning is for.
    mirrored_ = !tuning.IsRightHanded();
    for (int s = 0; s < kStringCount; ++s) {
        const int stored = mirrored_ ? kStringCount - s : s + 1;
        NoteValue note = tuning.StringNote(stored).note;
        int count = 0;
        for (int fret = 0; fret <= kHighestSearchedFret; ++fret) {
            if (PitchClass(note) >= 0 && (requiredPitchClasses_ >> PitchClass(note) & 1u)) {
                candidateFrets_[s][count] = fret;
                candidateNotes_[s][count] = note;
                candidateBits_[s][count] = 1u << PitchClass(note);
                ++count;
            }
            note = StepUp(note, true);
        }
        candidateCount_[s] = count;
        if (count == 0) {
            return;  // a string that cannot sound a chord tone: nothing qualifies
        }
    }

    for (int s = 0; s < kStringCount; ++s) {
        curFrets_[s] = candidateFrets_[s][0];
        curNotes_[s] = candidateNotes_[s][0];
    }
    SearchUpper(kStringCount - 1, Fingering{});
}

// The search visits combinations in the order of an odometer over the six strings with
// string 0 (the lowest-pitched) turning fastest: for every combination of strings 2..5,
// every position of string 1 with every position of string 0 and then string 0 muted, and
// after those strings 0 and 1 muted. It descends from string 5, adding one string at a
// time to a running summary, and skips a whole subtree when the strings chosen so far
// already span too many frets or leave more tones missing than strings remain; every
// skipped combination would be refused, so what is found, and in which order, is what
// the full odometer finds.

int CVoicingGenerator::FrettedSpan(const Fingering& f) {
    return f.fretted == 0 ? 0 : f.highFretted - f.lowFretted;
}

bool CVoicingGenerator::Accepts(const Fingering& f) const {
    return FrettedSpan(f) < maxSpan_ &&
           (f.present & requiredPitchClasses_) == requiredPitchClasses_;
}

CVoicingGenerator::Fingering CVoicingGenerator::WithString(const Fingering& above, int s,
                                                           int position) const {
    Fingering f = above;
    const int fret = candidateFrets_[s][position];
    const NoteValue note = candidateNotes_[s][position];
    f.present |= candidateBits_[s][position];
    f.lowSounding = std::min(f.lowSounding, fret);
    f.highSounding = std::max(f.highSounding, fret);
    if (fret == 0) {
        ++f.open;
    } else {
        f.lowFretted = std::min(f.lowFretted, fret);
        f.highFretted = std::max(f.highFretted, fret);
        f.fretSum += fret;
        ++f.fretted;
    }
    if (s + 1 < kStringCount && note == curNotes_[s + 1]) {
        ++f.doubled;
    }
    return f;
}

bool CVoicingGenerator::CanComplete(const Fingering& f, int stringsLeft) const {
    if (FrettedSpan(f) >= maxSpan_) {
        return false;
    }
    const unsigned missing = requiredPitchClasses_ & ~f.present;
    return kPitchClassCount[missing & 0xFFFu] <= stringsLeft;
}

void CVoicingGenerator::SearchUpper(int s, const Fingering& above) {
    for (int p = 0; p < candidateCount_[s]; ++p) {
        curFrets_[s] = candidateFrets_[s][p];
        curNotes_[s] = candidateNotes_[s][p];
        const Fingering f = WithString(above, s, p);
        if (!CanComplete(f, s)) {
            continue;
        }
        if (s > 2) {
            SearchUpper(s - 1, f);
        } else {
            SearchLowest(f);
        }
    }
    curFrets_[s] = candidateFrets_[s][0];
    curNotes_[s] = candidateNotes_[s][0];
}

void CVoicingGenerator::SearchLowest(const Fingering& above) {
    for (int p1 = 0; p1 < candidateCount_[1]; ++p1) {
        curFrets_[1] = candidateFrets_[1][p1];
        curNotes_[1] = candidateNotes_[1][p1];
        const Fingering with1 = WithString(above, 1, p1);
        if (!CanComplete(with1, 1)) {
            continue;
        }
        for (int p0 = 0; p0 < candidateCount_[0]; ++p0) {
            curFrets_[0] = candidateFrets_[0][p0];
            curNotes_[0] = candidateNotes_[0][p0];
            Evaluate(WithString(with1, 0, p0), 0);
        }
        curFrets_[0] = -1;
        curNotes_[0] = kNoteMuted;
        Evaluate(with1, 1);
    }
    curFrets_[0] = curFrets_[1] = -1;
    curNotes_[0] = curNotes_[1] = kNoteMuted;
    Evaluate(above, 2);
}

void CVoicingGenerator::Evaluate(const Fingering& f, int bass) {
    if (!Accepts(f)) {
        return;
    }
    Score(f, bass);
    // One hand must hold it. Counting fingers costs more than scoring, so only a fingering
    // the full table would take is counted; up to four fretted strings always fit.
    const bool tableTakes = slotCount_ < kVoicingSlots ||
                            slots_[kVoicingSlots - 1].scores[kScoreTotal] < curScore_[kScoreTotal];
    if (tableTakes && (f.fretted <= kChartMaxFingers || ChartHandHolds(curFrets_))) {
        Insert();
    }
}

void CVoicingGenerator::Score(const Fingering& f, int bass) {
    using W = CVoicingWeights;
    constexpr int kTop = kHighestSearchedFret;
    curScore_[kScoreSpan] = (maxSpan_ - FrettedSpan(f)) * W::kPerFretUnderSpan;
    curScore_[kScoreReach] = (kTop - (f.highSounding - f.lowSounding)) * W::kPerFretOfReach;
    curScore_[kScoreOpenStrings] = W::kPerOpenString * f.open;
    curScore_[kScoreBassTone] = SameNote(curNotes_[bass], firstTone_) ? W::kBassTone : 0;
    curScore_[kScorePosition] =
        f.fretted == 0 ? W::kAllOpen
                       : W::kPerFretBelowTop *
                             static_cast<int>(kTop - static_cast<double>(f.fretSum) / f.fretted);
    curScore_[kScoreNeighbours] = W::kDistinctNeighbours - W::kPerDoubledPair * f.doubled;
    curScore_[kScoreTotal] = 0;
    for (int i = kScoreTotal + 1; i < kVoicingScoreCount; ++i) {
        curScore_[kScoreTotal] += curScore_[i];
    }
}

void CVoicingGenerator::Insert() {
    const int total = curScore_[kScoreTotal];
    // Most candidates lose to a full table: reject them without the scan.
    if (slotCount_ == kVoicingSlots && slots_[kVoicingSlots - 1].scores[kScoreTotal] >= total) {
        return;
    }
    int p = 0;
    while (p < slotCount_ && slots_[p].scores[kScoreTotal] >= total) {
        ++p;
    }
    if (p == kVoicingSlots) {
        return;
    }
    for (int k = kVoicingSlots - 1; k > p; --k) {
        slots_[k] = slots_[k - 1];
    }
    CVoicingSlot& slot = slots_[p];
    for (int s = 0; s < kStringCount; ++s) {
        const int stored = mirrored_ ? kStringCount - 1 - s : s;
        slot.frets[stored] = curFrets_[s];
        slot.notes[stored] = curNotes_[s];
    }
    slot.scores = curScore_;
    slotCount_ = std::min(slotCount_ + 1, kVoicingSlots);
    found_ = std::min(found_ + 1, kVoicingSlots);
}
