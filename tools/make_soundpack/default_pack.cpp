#include "tools/make_soundpack/default_pack.h"

#include <algorithm>
#include <cmath>

#include "tools/make_soundpack/pluck_synth.h"

std::vector<DefaultPackNote> DefaultPackNotes() {
    static const char* const kNames[] = {"C",  "C#", "D",  "D#", "E",  "F",
                                         "F#", "G",  "G#", "A",  "A#", "B"};
    std::vector<DefaultPackNote> notes;
    for (int semitone = 0; semitone < kDefaultPackNotes; ++semitone) {
        // C3 is 65.41 Hz: A4, 21 semitones above it, is 220 Hz.
        notes.push_back({std::string(kNames[semitone % 12]) + std::to_string(3 + semitone / 12),
                         220.0 * std::exp2((semitone - 21) / 12.0)});
    }
    std::sort(notes.begin(), notes.end(),
              [](const DefaultPackNote& a, const DefaultPackNote& b) { return a.name < b.name; });
    return notes;
}

XmModule MakeDefaultSoundPack() {
    XmModule module{.name = "Fretquill guitar", .samples = {}};
    // Each note is synthesised at exactly the rate its stored pitch plays at, so the pack
    // sounds every note in tune and not merely within the finetune's step.
    const double rate = XmStoredRate(kDefaultPackRate);
    std::uint32_t seed = 1;
    for (const DefaultPackNote& note : DefaultPackNotes()) {
        XmSample sample{.name = note.name, .frames = {}, .rate = kDefaultPackRate};
        sample.frames = SynthesizePluck(
            {.frequency = note.frequency, .rate = rate, .seconds = 2.0, .seed = seed++});
        module.samples.push_back(std::move(sample));
    }
    return module;
}
