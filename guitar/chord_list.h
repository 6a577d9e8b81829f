#pragma once

// CChordList: an owning list of chords in insertion order; the static chord database.

#include <memory>
#include <string_view>
#include <vector>

#include "guitar/chord.h"

class CChordList : public CObject {
public:
    static constexpr std::string_view kClassName = "CChordList";

    std::vector<std::unique_ptr<CChord>> chords;
    // Set by the loading task when it has finished; not stored.
    int loaded = 0;

    void Add(std::unique_ptr<CChord> chord) { chords.push_back(std::move(chord)); }
    void RemoveAll() { chords.clear(); }
    int Count() const { return static_cast<int>(chords.size()); }

    // The first chord on the root (either spelling), of the type and variation; nullptr
    // when there is none.
    const CChord* FindStatic(NoteValue root, int type, int variation) const;
    // The lookup the view shows: the found chord taken into `into` (AssignChord), true. When
    // there is none, `into` is reset on its tuning with every string muted and the root,
    // type and variation asked for, so no other chord is ever shown under this name; false.
    bool LookUpStatic(NoteValue root, int type, int variation, CChord& into) const;

    std::string_view ClassName() const override { return kClassName; }
    void Serialize(CArchive& ar) override;
};
