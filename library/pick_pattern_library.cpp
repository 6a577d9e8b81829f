#include "library/pick_pattern_library.h"

#include <algorithm>
#include <utility>

#include "guitar/tuning.h"
#include "library/library_messages.h"
#include "util/text_helpers.h"

bool CPickPatternLibrary::IsListable(std::string_view text) {
    return !text.empty() && text.size() <= static_cast<std::size_t>(kMaxPickPatternLength) &&
           CTuning::IsValidPattern(text);
}

bool CPickPatternLibrary::CanAdd(std::string_view typed) {
    return !TrimSpaces(typed).empty();
}

void CPickPatternLibrary::Fill(std::string_view storedPatterns, std::string_view currentPattern) {
    rows.assign(1, kDefaultPickPattern);
    selected = -1;
    filled = true;
    for (std::string& entry : SplitList(storedPatterns, ',', '"', true)) {
        // A text stored twice (an edited settings file) is listed once.
        if (IsListable(entry) && RowOf(entry) < 0) {
            Insert(std::move(entry));
        }
    }
    std::string current = TrimSpaces(currentPattern);
    if (!IsListable(current)) {
        current = kDefaultPickPattern;
    }
    if (!FindAndSelect(current)) {
        AddToLibrary(current);
    }
}

std::string CPickPatternLibrary::SelectedText() const {
    return selected >= 0 ? rows[static_cast<std::size_t>(selected)] : std::string();
}

void CPickPatternLibrary::Select(int row) {
    selected = row >= 0 && row < RowCount() ? row : -1;
}

bool CPickPatternLibrary::FindAndSelect(std::string_view text) {
    const int row = filled ? RowOf(text) : -1;
    if (row < 0) {
        return false;
    }
    selected = row;
    return true;
}

bool CPickPatternLibrary::AddToLibrary(std::string_view text) {
    if (!filled || !IsListable(text)) {
        return false;
    }
    if (RowOf(text) < 0) {
        Insert(std::string(text));
    }
    return FindAndSelect(text);
}

CPickPatternLibrary::AddResult CPickPatternLibrary::Add(std::string_view typed) {
    const std::string text = TrimSpaces(typed);
    if (FindAndSelect(text)) {
        return AddResult::Exists;
    }
    return AddToLibrary(text) ? AddResult::Added : AddResult::Invalid;
}

bool CPickPatternLibrary::CanDelete() const {
    return selected >= 0 && SelectedText() != kDefaultPickPattern;
}

bool CPickPatternLibrary::DeleteSelected() {
    if (!CanDelete()) {
        return false;
    }
    rows.erase(rows.begin() + selected);
    selected = -1;
    return true;
}

std::string CPickPatternLibrary::Joined() const {
    std::string joined;
    for (const std::string& row : rows) {
        if (!joined.empty()) {
            joined += ',';
        }
        joined += row;
    }
    return joined;
}

std::string CPickPatternLibrary::CurrentAfterEdits(std::string_view currentPattern) const {
    const std::string current = TrimSpaces(currentPattern);
    if (!filled || RowOf(current) >= 0) {
        return std::string(currentPattern);
    }
    return kDefaultPickPattern;
}

bool CPickPatternLibrary::WriteBack(std::string& storedPatterns,
                                    std::string& currentPattern) const {
    if (!filled) {
        return false;
    }
    storedPatterns = Joined();
    currentPattern = CurrentAfterEdits(currentPattern);
    return true;
}

int CPickPatternLibrary::RowOf(std::string_view text) const {
    const auto found = std::find(rows.begin(), rows.end(), text);
    return found == rows.end() ? -1 : static_cast<int>(found - rows.begin());
}

int CPickPatternLibrary::Insert(std::string text) {
    const auto at = std::upper_bound(rows.begin(), rows.end(), text);
    const int row = static_cast<int>(at - rows.begin());
    // Keep the selection on its text.
    if (selected >= row) {
        ++selected;
    }
    rows.insert(at, std::move(text));
    return row;
}
