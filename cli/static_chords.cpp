#include "cli/static_chords.h"

#include <stdexcept>

std::string DefaultChordSource(const CTuning&) {
    return "dynamic";
}

std::vector<StaticVariation> StaticChordVariations(const CTuning&, NoteValue, int) {
    throw std::runtime_error("the chord database cannot be read by this build yet");
}
