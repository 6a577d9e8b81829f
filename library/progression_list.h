#pragma once

// CProgressionList: every progression of every tuning, in creation order, with the id
// counter that never hands out an id twice. The program keeps one, read from "progs.dat"
// at first use and written back at exit:
//
//   CProgressionList& all = CProgressionList::Instance();
//   CProgression* blues = all.CreateProgression(0, "Blues");
//   all.CountInTuning(0);                 // 1
//   CProgressionList::ReleaseInstance();   // at program exit
//
// Names and choosers always work within one tuning key (0..26 predefined, 27 custom).
// Stored form: the progressions as an object list of tagged "CProgression" objects, then
// nextId.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "library/progression.h"
#include "library/stored_ranges.h"
#include "util/archive_object.h"

class ChoiceList;
class CLibraryFile;

class CProgressionList : public CObject {
public:
    static constexpr std::string_view kClassName = "CProgressionList";
    static constexpr const char* kFileName = "progs.dat";

    std::vector<std::unique_ptr<CProgression>> progressions;
    // The id the next added progression receives; it only grows.
    int nextId = 0;

    CProgressionList() = default;
    CProgressionList(const CProgressionList&) = delete;
    CProgressionList& operator=(const CProgressionList&) = delete;
    ~CProgressionList() override = default;

    std::string_view ClassName() const override { return kClassName; }
    void Serialize(CArchive& ar) override;
    // Repairs what was read: the ids (RepairIds) and values outside their stored ranges;
    // returns the values repaired, for the player.
    std::vector<RangeFault> LoadedFromFile();

    // The one list of the program, read at its first use.
    static CProgressionList& Instance();
    static bool InstanceExists();
    // At program exit: writes "progs.dat" and destroys the list; false when the save
    // failed (the player was told). The next Instance() reads the file again.
    static bool ReleaseInstance();
    // Destroys the list without saving (tests).
    static void DiscardInstance();
    // The file of the current instance; nullptr before first use.
    static const CLibraryFile* InstanceFile();

    // A deep copy with every stored field, the id and all patterns included.
    static std::unique_ptr<CProgression> Clone(const CProgression& progression);
    // A new progression with defaults, the next id, the name and tuning key; appended.
    // The adding operations answer nullptr when the counter has no id left (HasIdLeft).
    CProgression* CreateProgression(int tuningKey, std::string name);
    // A clone of the source with the next id, the name, and created and modified now;
    // appended. nullptr when no progression has the source id.
    CProgression* CopyProgression(int sourceId, std::string name);
    // Gives the progression the next id and appends it (imports). nullptr for none.
    CProgression* AddProgression(std::unique_ptr<CProgression> progression);
    // Puts the progression in the place of the one with that id, which is destroyed.
    bool ReplaceProgression(int id, std::unique_ptr<CProgression> progression);
    bool RemoveProgression(int id);
    CProgression* FindProgression(int id);
    const CProgression* FindProgression(int id) const;
    // The first progression with exactly that name in that tuning.
    CProgression* FindByName(std::string_view name, int tuningKey);
    bool NameExists(std::string_view name, int tuningKey) const;
    int CountInTuning(int tuningKey) const;
    // The names of the tuning's progressions in list order, item value the id; selects
    // the row of selectId, else the first row.
    void FillProgressionChooser(ChoiceList& list, int tuningKey, int selectId) const;
    // Appends the tuning's progressions (not owned) to an empty result and returns their
    // number; -1, adding nothing, when the result already holds entries.
    int CollectInTuning(int tuningKey, std::vector<CProgression*>& result) const;

    // Duplicate and negative ids of progressions and of their patterns get fresh ones, and
    // every counter rises past its ids (id_repair.h); returns how many ids changed.
    int RepairIds();

private:
    int IndexOf(int id) const;
};
