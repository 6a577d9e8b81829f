#include "library/pattern_list.h"

#include <utility>

#include "library/id_repair.h"
#include "util/object_archive.h"

CPatternList::CPatternList(const CPatternList& other) : CObject(other) {
    CopyFrom(other);
}

CPatternList& CPatternList::operator=(const CPatternList& other) {
    if (this != &other) {
        CopyFrom(other);
    }
    return *this;
}

void CPatternList::Serialize(CArchive& ar) {
    ar.IoObjectList(patterns);
    ar.Io(nextId);
    if (ar.IsLoading()) {
        cursor_ = 0;
    }
}

CPattern* CPatternList::AddPattern(std::unique_ptr<CPattern> pattern, bool assignId) {
    if (!pattern || (assignId && !HasIdLeft(nextId))) {
        return nullptr;
    }
    if (assignId) {
        pattern->id = nextId++;
    }
    patterns.push_back(std::move(pattern));
    return patterns.back().get();
}

int CPatternList::CopyFrom(const CPatternList& other) {
    if (&other == this) {
        return Count();
    }
    patterns.clear();
    patterns.reserve(other.patterns.size());
    for (const auto& pattern : other.patterns) {
        patterns.push_back(std::make_unique<CPattern>(*pattern));
    }
    nextId = other.nextId;
    cursor_ = 0;
    return Count();
}

int CPatternList::IndexOf(int id) const {
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        if (patterns[i]->id == id) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool CPatternList::SwapPatterns(int idA, int idB) {
    if (idA == idB) {
        return true;
    }
    if (idA < 0 || idB < 0) {
        return false;
    }
    const int a = IndexOf(idA);
    const int b = IndexOf(idB);
    if (a < 0 || b < 0) {
        return false;
    }
    std::swap(patterns[static_cast<std::size_t>(a)], patterns[static_cast<std::size_t>(b)]);
    return true;
}

bool CPatternList::HasPatternNamed(std::string_view name) const {
    for (const auto& pattern : patterns) {
        if (pattern->name == name) {
            return true;
        }
    }
    return false;
}

bool CPatternList::RemovePattern(int id) {
    const int index = IndexOf(id);
    if (index < 0) {
        return false;
    }
    patterns.erase(patterns.begin() + index);
    if (cursor_ > static_cast<std::size_t>(index)) {
        --cursor_;
    }
    return true;
}

CPattern* CPatternList::FindPattern(int id) {
    const int index = IndexOf(id);
    return index < 0 ? nullptr : patterns[static_cast<std::size_t>(index)].get();
}

const CPattern* CPatternList::FindPattern(int id) const {
    const int index = IndexOf(id);
    return index < 0 ? nullptr : patterns[static_cast<std::size_t>(index)].get();
}

void CPatternList::RemoveAll() {
    patterns.clear();
    cursor_ = 0;
}

int CPatternList::RepairIds() {
    return RepairListIds(patterns, nextId);
}

CPattern* CPatternList::NextPattern() {
    if (cursor_ >= patterns.size()) {
        return nullptr;
    }
    return patterns[cursor_++].get();
}
