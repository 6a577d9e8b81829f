#pragma once

// CPatternList: the patterns of one progression in playing order, with the id counter
// that never hands out an id twice (ids of removed patterns are not reused).
//
//   CPatternList list;
//   list.AddPattern(std::make_unique<CPattern>(), true);   // id 0
//   list.RewindCursor();
//   while (CPattern* p = list.NextPattern()) { ... }
//
// Stored form: the patterns as an object list of tagged "CPattern" objects, then nextId.

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "library/pattern.h"
#include "util/archive_object.h"

class CPatternList : public CObject {
public:
    static constexpr std::string_view kClassName = "CPatternList";

    std::vector<std::unique_ptr<CPattern>> patterns;
    // The id the next pattern added with an assigned id receives; it only grows.
    int nextId = 0;

    CPatternList() = default;
    // A deep copy (CopyFrom).
    CPatternList(const CPatternList& other);
    CPatternList& operator=(const CPatternList& other);
    ~CPatternList() override = default;

    std::string_view ClassName() const override { return kClassName; }
    void Serialize(CArchive& ar) override;

    // Appends the pattern; with assignId it takes nextId, which grows. Returns the pattern
    // now owned by the list, or nullptr for none or when nextId has no id left to give.
    CPattern* AddPattern(std::unique_ptr<CPattern> pattern, bool assignId);
    // Replaces every pattern with a copy of the other list's (ids kept) and takes over its
    // nextId; returns the number copied.
    int CopyFrom(const CPatternList& other);
    // The two patterns trade places, ids and all. True at once for equal ids; false for a
    // negative id or one that no pattern has.
    bool SwapPatterns(int idA, int idB);
    bool HasPatternNamed(std::string_view name) const;
    bool RemovePattern(int id);
    CPattern* FindPattern(int id);
    const CPattern* FindPattern(int id) const;
    // Destroys every pattern; nextId stays.
    void RemoveAll();
    // After reading a file: duplicate and negative ids get fresh ones and nextId rises
    // past every id (id_repair.h); returns how many ids changed.
    int RepairIds();

    void RewindCursor() { cursor_ = 0; }
    // The pattern at the cursor, then the cursor moves on; nullptr past the end.
    CPattern* NextPattern();
    // The index the cursor is at (the next pattern NextPattern hands out).
    std::size_t CursorIndex() const { return cursor_; }

    int Count() const { return static_cast<int>(patterns.size()); }

private:
    int IndexOf(int id) const;

    std::size_t cursor_ = 0;
};
