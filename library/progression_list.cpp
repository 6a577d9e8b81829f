#include "library/progression_list.h"

#include <utility>

#include "library/id_repair.h"
#include "library/library_instance.h"
#include "util/choice_list.h"
#include "util/object_archive.h"

namespace {

CLibraryInstance<CProgressionList>& Holder() {
    static CLibraryInstance<CProgressionList> holder(CProgressionList::kFileName);
    return holder;
}

}  // namespace

void CProgressionList::Serialize(CArchive& ar) {
    ar.IoObjectList(progressions);
    ar.Io(nextId);
}

CProgressionList& CProgressionList::Instance() {
    return Holder().Get();
}

bool CProgressionList::InstanceExists() {
    return Holder().Exists();
}

bool CProgressionList::ReleaseInstance() {
    return Holder().Release();
}

void CProgressionList::DiscardInstance() {
    Holder().Discard();
}

const CLibraryFile* CProgressionList::InstanceFile() {
    return Holder().File();
}

std::unique_ptr<CProgression> CProgressionList::Clone(const CProgression& progression) {
    return std::make_unique<CProgression>(progression);
}

CProgression* CProgressionList::CreateProgression(int tuningKey, std::string name) {
    if (!HasIdLeft(nextId)) {
        return nullptr;
    }
    auto progression = std::make_unique<CProgression>();
    progression->id = nextId++;
    progression->name = std::move(name);
    progression->tuningKey = tuningKey;
    progressions.push_back(std::move(progression));
    return progressions.back().get();
}

CProgression* CProgressionList::CopyProgression(int sourceId, std::string name) {
    const CProgression* source = FindProgression(sourceId);
    if (source == nullptr || !HasIdLeft(nextId)) {
        return nullptr;
    }
    std::unique_ptr<CProgression> copy = Clone(*source);
    copy->id = nextId++;
    copy->name = std::move(name);
    copy->created = CurrentTime();
    copy->modified = copy->created;
    progressions.push_back(std::move(copy));
    return progressions.back().get();
}

CProgression* CProgressionList::AddProgression(std::unique_ptr<CProgression> progression) {
    if (!progression || !HasIdLeft(nextId)) {
        return nullptr;
    }
    progression->id = nextId++;
    progressions.push_back(std::move(progression));
    return progressions.back().get();
}

int CProgressionList::IndexOf(int id) const {
    for (std::size_t i = 0; i < progressions.size(); ++i) {
        if (progressions[i]->id == id) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool CProgressionList::ReplaceProgression(int id, std::unique_ptr<CProgression> progression) {
    const int index = IndexOf(id);
    if (index < 0 || !progression) {
        return false;
    }
    progressions[static_cast<std::size_t>(index)] = std::move(progression);
    return true;
}

bool CProgressionList::RemoveProgression(int id) {
    const int index = IndexOf(id);
    if (index < 0) {
        return false;
    }
    progressions.erase(progressions.begin() + index);
    return true;
}

CProgression* CProgressionList::FindProgression(int id) {
    const int index = IndexOf(id);
    return index < 0 ? nullptr : progressions[static_cast<std::size_t>(index)].get();
}

const CProgression* CProgressionList::FindProgression(int id) const {
    const int index = IndexOf(id);
    return index < 0 ? nullptr : progressions[static_cast<std::size_t>(index)].get();
}

CProgression* CProgressionList::FindByName(std::string_view name, int tuningKey) {
    for (const auto& progression : progressions) {
        if (progression->tuningKey == tuningKey && progression->name == name) {
            return progression.get();
        }
    }
    return nullptr;
}

bool CProgressionList::NameExists(std::string_view name, int tuningKey) const {
    for (const auto& progression : progressions) {
        if (progression->tuningKey == tuningKey && progression->name == name) {
            return true;
        }
    }
    return false;
}

int CProgressionList::CountInTuning(int tuningKey) const {
    int count = 0;
    for (const auto& progression : progressions) {
        count += progression->tuningKey == tuningKey ? 1 : 0;
    }
    return count;
}

void CProgressionList::FillProgressionChooser(ChoiceList& list, int tuningKey, int selectId) const {
    list.Clear();
    int selected = -1;
    for (const auto& progression : progressions) {
        if (progression->tuningKey != tuningKey) {
            continue;
        }
        const int row = list.Add(progression->name, progression->id);
        if (selected < 0 && progression->id == selectId) {
            selected = row;
        }
    }
    if (list.Count() > 0) {
        list.Select(selected >= 0 ? selected : 0);
    }
}

int CProgressionList::CollectInTuning(int tuningKey, std::vector<CProgression*>& result) const {
    if (!result.empty()) {
        return -1;
    }
    for (const auto& progression : progressions) {
        if (progression->tuningKey == tuningKey) {
            result.push_back(progression.get());
        }
    }
    return static_cast<int>(result.size());
}

std::vector<RangeFault> CProgressionList::LoadedFromFile() {
    RepairIds();
    CRangeCheck check(CRangeCheck::Action::Repair);
    CheckProgressionListRanges(*this, check);
    return check.Faults();
}

int CProgressionList::RepairIds() {
    int changed = RepairListIds(progressions, nextId);
    for (auto& progression : progressions) {
        changed += progression->patterns.RepairIds();
    }
    return changed;
}
