#pragma once

// CFavorite: what the main view showed in one program mode, under a name the player
// chose — a chord voicing (modes 0 Chord Plotter, 1 Chord Discoverer) or a scale or mode
// with its start note (2 Scale, 3 Mode) — for one tuning.
//
// Stored form: the chord in place, then id, mode (its number), name, description,
// tuningKey, scaleType, rootNote.

#include <string>
#include <string_view>

#include "guitar/chord.h"
#include "util/archive_object.h"
#include "util/program_mode.h"

// Favorites are kept for the program modes before Progression.
inline constexpr int kFavoriteModeCount = static_cast<int>(ProgramMode::Progression);
// At most this many favorites per mode and tuning.
inline constexpr int kMaxFavoritesPerMode = 10;
inline constexpr int kFirstFavoriteNumber = 101;
inline constexpr int kLastFavoriteNumber = 110;
// The add dialog's limits.
inline constexpr int kFavoriteNameLimit = 20;
inline constexpr int kFavoriteDescriptionLimit = 100;

// "Chord Plotter", "Chord Discoverer", "Scale", "Mode"; "" for any other mode.
std::string FavoriteModeName(ProgramMode mode);

class CFavorite : public CObject {
public:
    static constexpr std::string_view kClassName = "CFavorite";

    // The favorite's number within its mode and tuning, 101..110; also its menu command.
    int id = 0;
    ProgramMode mode = ProgramMode::ChordPlotter;
    std::string name;
    std::string description;
    // Modes 0 and 1: the chord shown; modes 2 and 3: a chord nothing uses.
    CChord chord;
    int tuningKey = 0;
    // Modes 2 and 3: the scale type or mode number.
    int scaleType = 0;
    // Modes 2 and 3: the start note; modes 0 and 1: the chord's root.
    int rootNote = 0;

    CFavorite() = default;
    // Copies every field, the chord's pick setting included.
    CFavorite(const CFavorite& other);
    CFavorite& operator=(const CFavorite& other);
    ~CFavorite() override = default;

    std::string_view ClassName() const override { return kClassName; }
    void Serialize(CArchive& ar) override;
};
