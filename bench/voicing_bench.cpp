// How long the voicing generator takes for one chord and for whole sweeps of chords.
#include <benchmark/benchmark.h>

#include "guitar/guitar.h"
#include "music/chord_type.h"

namespace {

constexpr NoteValue kRoots[] = {kNoteC, kNoteCSharp, kNoteD, kNoteEFlat, kNoteE, kNoteF,
                                kNoteFSharp, kNoteG, kNoteAFlat, kNoteA, kNoteBFlat, kNoteB};

void BM_Triad(benchmark::State& state) {
    CGuitar guitar;
    const CTuning standard;
    for (auto _ : state) {
        guitar.GenerateVoicings(standard, kNoteC, 0, 4);
        benchmark::DoNotOptimize(guitar.Voicings().Slots()[0].scores[0]);
    }
}
BENCHMARK(BM_Triad)->Unit(benchmark::kMicrosecond);

void BM_SixToneChord(benchmark::State& state) {
    CGuitar guitar;
    const CTuning standard;
    for (auto _ : state) {
        guitar.GenerateVoicings(standard, kNoteC, 34, 4);
        benchmark::DoNotOptimize(guitar.Voicings().Slots()[0].scores[0]);
    }
}
BENCHMARK(BM_SixToneChord)->Unit(benchmark::kMicrosecond);

void Sweep(CGuitar& guitar, const CTuning& tuning, int span) {
    for (int type = 0; type < kChordTypeCount; ++type) {
        for (NoteValue root : kRoots) {
            guitar.GenerateVoicings(tuning, root, type, span);
        }
    }
}

// 36 types x 12 roots in standard tuning.
void BM_StandardSweep(benchmark::State& state) {
    CGuitar guitar;
    const CTuning standard;
    for (auto _ : state) {
        Sweep(guitar, standard, static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(guitar.Voicings().Found());
    }
}
BENCHMARK(BM_StandardSweep)->DenseRange(3, 6)->Unit(benchmark::kMillisecond);

// 36 types x 12 roots in all 27 tunings: 11,664 generations per iteration.
void BM_AllTuningsSweep(benchmark::State& state) {
    CGuitar guitar;
    for (auto _ : state) {
        for (int n = 0; n < kPredefinedTuningCount; ++n) {
            Sweep(guitar, CTuning(n), static_cast<int>(state.range(0)));
        }
        benchmark::DoNotOptimize(guitar.Voicings().Found());
    }
}
BENCHMARK(BM_AllTuningsSweep)->DenseRange(3, 6)->Unit(benchmark::kMillisecond);

}  // namespace
