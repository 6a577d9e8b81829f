#pragma once

// CFavoritesList: every favorite of every mode and tuning, in the order they were added.
// The favorites of the current tuning are numbered 101..110 per mode, in list order and
// without gaps; the numbers are their menu commands. The program keeps one list, read
// from "fav.dat" at first use and written back at exit:
//
//   CFavoritesList& favorites = CFavoritesList::Instance();
//   favorites.SetCurrentTuning(0);
//   auto favorite = std::make_unique<CFavorite>();
//   favorite->mode = ProgramMode::ChordPlotter;
//   int number = favorites.AddFavorite(std::move(favorite));   // 101, or -1 when full
//
// Stored form: the favorites as an object list of tagged "CFavorite" objects, nothing
// else; the numbering is rebuilt after loading.

#include <array>
#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "library/favorite.h"
#include "library/stored_ranges.h"
#include "util/archive_object.h"

class ChoiceList;
class CLibraryFile;

class CFavoritesList : public CObject {
public:
    static constexpr std::string_view kClassName = "CFavoritesList";
    static constexpr const char* kFileName = "fav.dat";

    std::vector<std::unique_ptr<CFavorite>> favorites;

    CFavoritesList() = default;
    CFavoritesList(const CFavoritesList&) = delete;
    CFavoritesList& operator=(const CFavoritesList&) = delete;
    ~CFavoritesList() override = default;

    std::string_view ClassName() const override { return kClassName; }
    void Serialize(CArchive& ar) override;
    // Numbers the loaded favorites for the current tuning and repairs values outside their
    // stored ranges; returns the values repaired, for the player.
    std::vector<RangeFault> LoadedFromFile();

    // The one list of the program, read at its first use.
    static CFavoritesList& Instance();
    static bool InstanceExists();
    // At program exit: writes "fav.dat" and destroys the list; false when the save failed
    // (the player was told).
    static bool ReleaseInstance();
    // Destroys the list without saving (tests).
    static void DiscardInstance();
    static const CLibraryFile* InstanceFile();

    // The number after a counter value: 0 gives 101, 101..109 the next, anything else -1.
    static int NextNumber(int last);

    void SetCurrentTuning(int tuningKey);
    int CurrentTuning() const { return currentTuningKey_; }
    // Numbers the favorites of the current tuning 101.. per mode in list order; those of
    // other tunings keep their numbers.
    void Renumber();
    // The last number given in a mode (0 none, -1 full); -1 for a mode other than the four
    // before Progression.
    int LastNumber(ProgramMode mode) const;

    // Takes the next number of the favorite's mode, sets it as the id and appends the
    // favorite. -1 when the mode is full or has no favorites (Progression, or a number no
    // mode has); the favorite is then destroyed.
    int AddFavorite(std::unique_ptr<CFavorite> favorite);
    CFavorite* FindFavorite(int number, ProgramMode mode, int tuningKey);
    CFavorite* FindInCurrentTuning(int number, ProgramMode mode);
    // The first favorite of that name (exact comparison) in that mode and tuning.
    CFavorite* FindFavoriteNamed(std::string_view name, ProgramMode mode, int tuningKey);
    bool FavoriteNameExists(int tuningKey, ProgramMode mode, std::string_view name) const;
    int CountInCurrentTuning(ProgramMode mode) const;
    int CountFavorites(ProgramMode mode, int tuningKey) const;
    // Destroys the favorite; the others keep their numbers until Renumber.
    bool RemoveFavorite(int number, ProgramMode mode, int tuningKey);
    // The names of the tuning's Chord Plotter favorites, item value the number; the first
    // row selected.
    void FillChordFavoriteChooser(ChoiceList& list, int tuningKey) const;

    void RewindCursor() { cursor_ = 0; }
    CFavorite* NextFavorite();

private:
    // Stores the mode's next number in its counter and returns it.
    int TakeNumber(ProgramMode mode);

    std::array<int, kFavoriteModeCount> lastId_{};
    int currentTuningKey_ = 0;
    std::size_t cursor_ = 0;
};
