#include "library/favorites_list.h"

#include <utility>

#include "library/library_instance.h"
#include "util/choice_list.h"
#include "util/object_archive.h"

namespace {

CLibraryInstance<CFavoritesList>& Holder() {
    static CLibraryInstance<CFavoritesList> holder(CFavoritesList::kFileName);
    return holder;
}

bool IsFavoriteMode(ProgramMode mode) {
    const int number = static_cast<int>(mode);
    return number >= 0 && number < kFavoriteModeCount;
}

}  // namespace

void CFavoritesList::Serialize(CArchive& ar) {
    ar.IoObjectList(favorites);
    if (ar.IsLoading()) {
        cursor_ = 0;
    }
}

CFavoritesList& CFavoritesList::Instance() {
    return Holder().Get();
}

bool CFavoritesList::InstanceExists() {
    return Holder().Exists();
}

bool CFavoritesList::ReleaseInstance() {
    return Holder().Release();
}

void CFavoritesList::DiscardInstance() {
    Holder().Discard();
}

const CLibraryFile* CFavoritesList::InstanceFile() {
    return Holder().File();
}

int CFavoritesList::NextNumber(int last) {
    if (last == 0) {
        return kFirstFavoriteNumber;
    }
    if (last >= kFirstFavoriteNumber && last < kLastFavoriteNumber) {
        return last + 1;
    }
    return -1;
}

int CFavoritesList::TakeNumber(ProgramMode mode) {
    int& last = lastId_[static_cast<std::size_t>(mode)];
    last = NextNumber(last);
    return last;
}

void CFavoritesList::SetCurrentTuning(int tuningKey) {
    currentTuningKey_ = tuningKey;
    Renumber();
}

void CFavoritesList::Renumber() {
    lastId_.fill(0);
    for (int number = 0; number < kFavoriteModeCount; ++number) {
        const auto mode = static_cast<ProgramMode>(number);
        for (auto& favorite : favorites) {
            if (favorite->mode == mode && favorite->tuningKey == currentTuningKey_) {
                favorite->id = TakeNumber(mode);
            }
        }
    }
}

std::vector<RangeFault> CFavoritesList::LoadedFromFile() {
    Renumber();
    CRangeCheck check(CRangeCheck::Action::Repair);
    CheckFavoritesListRanges(*this, check);
    return check.Faults();
}

int CFavoritesList::LastNumber(ProgramMode mode) const {
    return IsFavoriteMode(mode) ? lastId_[static_cast<std::size_t>(mode)] : -1;
}

int CFavoritesList::AddFavorite(std::unique_ptr<CFavorite> favorite) {
    if (!favorite || !IsFavoriteMode(favorite->mode)) {
        return -1;
    }
    const int number = TakeNumber(favorite->mode);
    if (number < 0) {
        return -1;
    }
    favorite->id = number;
    favorites.push_back(std::move(favorite));
    return number;
}

CFavorite* CFavoritesList::FindFavorite(int number, ProgramMode mode, int tuningKey) {
    for (auto& favorite : favorites) {
        if (favorite->id == number && favorite->mode == mode && favorite->tuningKey == tuningKey) {
            return favorite.get();
        }
    }
    return nullptr;
}

CFavorite* CFavoritesList::FindInCurrentTuning(int number, ProgramMode mode) {
    return FindFavorite(number, mode, currentTuningKey_);
}

CFavorite* CFavoritesList::FindFavoriteNamed(std::string_view name, ProgramMode mode,
                                             int tuningKey) {
    for (auto& favorite : favorites) {
        if (favorite->mode == mode && favorite->tuningKey == tuningKey && favorite->name == name) {
            return favorite.get();
        }
    }
    return nullptr;
}

bool CFavoritesList::FavoriteNameExists(int tuningKey, ProgramMode mode,
                                        std::string_view name) const {
    for (const auto& favorite : favorites) {
        if (favorite->mode == mode && favorite->tuningKey == tuningKey && favorite->name == name) {
            return true;
        }
    }
    return false;
}

int CFavoritesList::CountInCurrentTuning(ProgramMode mode) const {
    return CountFavorites(mode, currentTuningKey_);
}

int CFavoritesList::CountFavorites(ProgramMode mode, int tuningKey) const {
    int count = 0;
    for (const auto& favorite : favorites) {
        count += favorite->mode == mode && favorite->tuningKey == tuningKey ? 1 : 0;
    }
    return count;
}

bool CFavoritesList::RemoveFavorite(int number, ProgramMode mode, int tuningKey) {
    for (std::size_t i = 0; i < favorites.size(); ++i) {
        const CFavorite& favorite = *favorites[i];
        if (favorite.id == number && favorite.mode == mode && favorite.tuningKey == tuningKey) {
            favorites.erase(favorites.begin() + static_cast<std::ptrdiff_t>(i));
            if (cursor_ > i) {
                --cursor_;
            }
            return true;
        }
    }
    return false;
}

void CFavoritesList::FillChordFavoriteChooser(ChoiceList& list, int tuningKey) const {
    list.Clear();
    for (const auto& favorite : favorites) {
        if (favorite->mode == ProgramMode::ChordPlotter && favorite->tuningKey == tuningKey) {
            list.Add(favorite->name, favorite->id);
        }
    }
    if (list.Count() > 0) {
        list.Select(0);
    }
}

CFavorite* CFavoritesList::NextFavorite() {
    if (cursor_ >= favorites.size()) {
        return nullptr;
    }
    return favorites[cursor_++].get();
}
