// The library's file loaders over arbitrary bytes: the first byte picks "progs.dat",
// "fav.dat", an exchange file or "chords.dat", the rest is the file. A file that reads is
// then used as the program uses it: ids repaired, favorites numbered, every progression
// played and listed. It must also store and read back to the same bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "guitar/chord_list.h"
#include "library/chord_player.h"
#include "library/favorites_list.h"
#include "library/library_file.h"
#include "library/progression_list.h"
#include "util/choice_list.h"
#include "util/object_archive.h"

namespace {

class CSilentPlayer : public ChordPlayer {
public:
    bool SoundString(CTuning&, int) override { return true; }
    bool StrumStrings(const CTuning&) override { return true; }
};

class CCountingList : public ChoiceList {
public:
    void Clear() override { rows_ = 0; }
    int Add(const std::string&, int) override { return rows_++; }
    void Select(int row) override { selected_ = row; }
    int Selected() const override { return selected_; }
    void Enable(bool) override {}
    int Count() const override { return rows_; }
    int ItemValue(int) const override { return -1; }

private:
    int rows_ = 0;
    int selected_ = -1;
};

// Playback is bounded by the caller's slots, not by the file.
constexpr int kSlotsPerProgression = 512;

void Use(CProgression& progression) {
    CSilentPlayer player;
    progression.ResetPlayback();
    for (int slot = 0; slot < kSlotsPerProgression && progression.PlayStep(player); ++slot) {
    }
    if (!progression.patterns.patterns.empty()) {
        progression.SeekPattern(progression.patterns.patterns.back()->id);
        progression.PlayStep(player);
    }
    CCountingList list;
    progression.FillPatternChooser(list);
}

std::unique_ptr<CObject> MakeRoot(std::uint8_t pick) {
    switch (pick % 4) {
        case 0:
            return std::make_unique<CProgressionList>();
        case 1:
            return std::make_unique<CFavoritesList>();
        case 2:
            return std::make_unique<CProgression>();
        default:
            return std::make_unique<CChordList>();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool registered = (RegisterLibraryClasses(), true);
    (void)registered;
    if (size == 0) {
        return 0;
    }
    const std::uint8_t pick = data[0];
    const std::span<const std::uint8_t> file(data + 1, size - 1);
    std::unique_ptr<CObject> root = MakeRoot(pick);
    const Result<> loaded = LoadFromBytes(*root, file);
    if (!loaded) {
        if (loaded.Error().message.empty() || !loaded.Error().offset ||
            *loaded.Error().offset > file.size()) {
            std::abort();
        }
        return 0;
    }
    std::vector<std::uint8_t> stored;
    if (!StoreToBytes(*root, stored)) {
        std::abort();
    }
    std::unique_ptr<CObject> again = MakeRoot(pick);
    std::vector<std::uint8_t> restored;
    if (!LoadFromBytes(*again, stored) || !StoreToBytes(*again, restored) || restored != stored) {
        std::abort();
    }

    if (auto* progressions = dynamic_cast<CProgressionList*>(root.get())) {
        progressions->LoadedFromFile();
        for (auto& progression : progressions->progressions) {
            Use(*progression);
        }
        CCountingList list;
        progressions->FillProgressionChooser(list, 0, 0);
        progressions->CreateProgression(0, "new");
    } else if (auto* favorites = dynamic_cast<CFavoritesList*>(root.get())) {
        favorites->LoadedFromFile();
        for (int tuning : {0, 13, 27}) {
            favorites->SetCurrentTuning(tuning);
        }
        CCountingList list;
        favorites->FillChordFavoriteChooser(list, 27);
        favorites->AddFavorite(std::make_unique<CFavorite>());
    } else if (auto* progression = dynamic_cast<CProgression*>(root.get())) {
        progression->patterns.RepairIds();
        Use(*progression);
    }
    return 0;
}
