#include "music/chord_type.h"

#include "music/chord_type_table.h"
#include "util/choice_list.h"

namespace {

constexpr const char* kNoChordText = "No Chord";

const ChordTypeRow* Row(int type) {
    if (type < 0 || type >= kChordTypeCount) {
        return nullptr;
    }
    return &kChordTypeRows[static_cast<std::size_t>(type)];
}

}  // namespace

int ChordTypeFromName(std::string_view typeName) {
    for (int type = 0; type < kChordTypeCount; ++type) {
        if (typeName == Row(type)->typeName) {
            return type;
        }
    }
    return kNoChord;
}

std::string ChordTypeName(int type) {
    if (type == kNoChord) {
        return kNoChordText;
    }
    const ChordTypeRow* row = Row(type);
    return row != nullptr ? row->fullName : "";
}

std::string ChordTypeSymbol(int type) {
    if (type == kNoChord) {
        return kNoChordText;
    }
    const ChordTypeRow* row = Row(type);
    return row != nullptr ? row->symbol : "";
}

std::string ChordTypeKey(int type) {
    const ChordTypeRow* row = Row(type);
    return row != nullptr ? row->typeName : "";
}

std::vector<NoteValue> ChordTones(NoteValue root, int type) {
    const ChordTypeRow* row = Row(type);
    if (row == nullptr) {
        return {root};
    }
    std::vector<NoteValue> tones;
    tones.reserve(static_cast<std::size_t>(row->formula.count));
    for (int i = 0; i < row->formula.count; ++i) {
        tones.push_back(Transpose(root, row->formula.offsets[static_cast<std::size_t>(i)]));
    }
    return tones;
}

void FillChordTypeList(ChoiceList& list, bool showSymbol) {
    list.Clear();
    for (int type = 0; type < kChordTypeCount; ++type) {
        list.Add(showSymbol ? ChordTypeSymbol(type) : ChordTypeName(type), type);
    }
    list.Select(0);
}
