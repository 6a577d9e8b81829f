#include "music/chord_type.h"

#include <algorithm>
#include <cctype>
#include <sstream>

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

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// "#N" with N a type number, written in at most two digits; -1 otherwise.
int TypeNumber(std::string_view text) {
    if (text.size() < 2 || text.size() > 3 || text[0] != '#') {
        return -1;
    }
    int value = 0;
    for (char c : text.substr(1)) {
        if (std::isdigit(static_cast<unsigned char>(c)) == 0) {
            return -1;
        }
        value = value * 10 + (c - '0');
    }
    return value < kChordTypeCount ? value : -1;
}

}  // namespace

int ChordTypeFromText(std::string_view text) {
    for (int type = 0; type < kChordTypeCount; ++type) {
        if (text == Row(type)->symbol) {
            return type;
        }
    }
    for (int type = 0; type < kChordTypeCount; ++type) {
        const std::vector<std::string> aliases = ChordTypeAliases(type);
        if (std::find(aliases.begin(), aliases.end(), text) != aliases.end()) {
            return type;
        }
    }
    for (int type = 0; type < kChordTypeCount; ++type) {
        if (EqualsIgnoringCase(text, Row(type)->typeName) ||
            EqualsIgnoringCase(text, Row(type)->fullName)) {
            return type;
        }
    }
    return TypeNumber(text);
}

std::vector<std::string> ChordTypeAliases(int type) {
    std::vector<std::string> aliases;
    const ChordTypeRow* row = Row(type);
    if (row == nullptr) {
        return aliases;
    }
    std::istringstream words(row->aliases);
    std::string word;
    while (words >> word) {
        aliases.push_back(word);
    }
    return aliases;
}

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
