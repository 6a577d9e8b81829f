#include "library/favorite.h"

#include <cstdint>

#include "library/pattern.h"
#include "library/stored_ranges.h"
#include "util/object_archive.h"

std::string FavoriteModeName(ProgramMode mode) {
    switch (mode) {
        case ProgramMode::ChordPlotter:
            return "Chord Plotter";
        case ProgramMode::ChordDiscoverer:
            return "Chord Discoverer";
        case ProgramMode::Scale:
            return "Scale";
        case ProgramMode::Mode:
            return "Mode";
        case ProgramMode::Progression:
            break;
    }
    return "";
}

CFavorite::CFavorite(const CFavorite& other)
    : CObject(other),
      id(other.id),
      mode(other.mode),
      name(other.name),
      description(other.description),
      tuningKey(other.tuningKey),
      scaleType(other.scaleType),
      rootNote(other.rootNote) {
    CopyChordWhole(chord, other.chord);
}

CFavorite& CFavorite::operator=(const CFavorite& other) {
    if (this != &other) {
        id = other.id;
        mode = other.mode;
        name = other.name;
        description = other.description;
        CopyChordWhole(chord, other.chord);
        tuningKey = other.tuningKey;
        scaleType = other.scaleType;
        rootNote = other.rootNote;
    }
    return *this;
}

void CFavorite::Serialize(CArchive& ar) {
    chord.Serialize(ar);
    // The mode is stored as its number; a number no mode has is kept as it was read.
    auto storedMode = static_cast<std::int32_t>(mode);
    ar.Io(id).Io(storedMode);
    mode = static_cast<ProgramMode>(storedMode);
    ar.Io(name).Io(description).Io(tuningKey).Io(scaleType);
    IoStored(ar, rootNote, kStoredRoots);
}
