#pragma once

// CPickPatternLibrary: the player's pick patterns as the dialogs' library list shows and
// edits them, without the widget. The rows are sorted ascending; the built-in "123456" is
// always a row and can never be deleted.
//
//   CPickPatternLibrary library;
//   library.Fill(settings.patterns, settings.currentPattern);   // rows, one selected
//   library.Add("1R3R");                                         // the Add button
//   library.DeleteSelected();                                    // the Delete button
//   library.WriteBack(settings.patterns, settings.currentPattern);   // when the list goes
//
// Texts the list does not take: invalid pattern texts, the empty text, texts longer than
// kMaxPickPatternLength (the edit box's limit), and a second copy of a text it holds.

#include <string>
#include <string_view>
#include <vector>

// The longest pattern text the library keeps; the dialogs' edit boxes take no more.
inline constexpr int kMaxPickPatternLength = 64;

// What the Add button tells the player.
inline constexpr const char* kPatternExistsMessage = "Pattern already exists!";
// 65039
inline constexpr const char* kInvalidPatternMessage =
    "Invalid Pattern.  It must contain only the numbers 1 to 6 (indicating the string to play), "
    "or the letter 'R' to indicate a rest.";

class CPickPatternLibrary {
public:
    enum class AddResult {
        Added,    // a new row, selected
        Exists,   // a row already holds the text; it is selected ("Pattern already exists!")
        Invalid,  // refused (message 65039)
    };

    // A valid, non-empty pattern text of at most kMaxPickPatternLength characters.
    static bool IsListable(std::string_view text);
    // The Add button's rule: the typed text, trimmed, is not empty.
    static bool CanAdd(std::string_view typed);

    // Rebuilds the rows from the stored library (texts joined by ',') and selects the
    // current pattern, adding it when no row has it; an empty or unlistable current
    // pattern selects "123456".
    void Fill(std::string_view storedPatterns, std::string_view currentPattern);
    bool IsFilled() const { return filled; }

    const std::vector<std::string>& Rows() const { return rows; }
    int RowCount() const { return static_cast<int>(rows.size()); }
    // The selected row, -1 for none.
    int Selected() const { return selected; }
    // The selected row's text, "" when none is selected.
    std::string SelectedText() const;
    // Selects a row; -1 (or a row that does not exist) clears the selection.
    void Select(int row);

    // Selects the row holding exactly that text; false when there is none or the list was
    // never filled.
    bool FindAndSelect(std::string_view text);
    // Adds a row for a listable text unless one holds it, and selects that row; false for
    // an unlistable text or a list never filled.
    bool AddToLibrary(std::string_view text);
    // The Add button: the typed text trimmed of spaces.
    AddResult Add(std::string_view typed);

    // The Delete button's rule: a row is selected and it is not "123456".
    bool CanDelete() const;
    // Removes the selected row; nothing is selected afterwards. False when it may not.
    bool DeleteSelected();

    // The rows in display order joined with ',' (no spaces).
    std::string Joined() const;
    // The current pattern after the edits: "123456" when the row holding it was deleted.
    std::string CurrentAfterEdits(std::string_view currentPattern) const;
    // Stores the library (and mends a deleted current pattern) in the settings' two texts.
    // A list that was never filled writes nothing and answers false.
    bool WriteBack(std::string& storedPatterns, std::string& currentPattern) const;

private:
    int RowOf(std::string_view text) const;
    // Inserts in sorted place and returns the row.
    int Insert(std::string text);

    std::vector<std::string> rows;
    int selected = -1;
    bool filled = false;
};
