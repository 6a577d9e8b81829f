#pragma once

// A drop-down list of the core (ChoiceList) over a QComboBox. Filling and selecting from
// the core never emits the combo box's signals: a dialog reacts to the player's choices,
// and runs its own handler after it fills a list itself.

#include "util/choice_list.h"

class QComboBox;

class CComboChoiceList : public ChoiceList {
public:
    explicit CComboChoiceList(QComboBox& combo) : combo(combo) {}

    void Clear() override;
    int Add(const std::string& text, int itemValue) override;
    void Select(int row) override;
    int Selected() const override;
    void Enable(bool enabled) override;
    int Count() const override;
    int ItemValue(int row) const override;

    // The selected row's item value, -1 when none is selected.
    int SelectedValue() const { return ItemValue(Selected()); }
    // Selects the row with that item value; false (selection unchanged) when none has it.
    bool SelectValue(int itemValue);

private:
    QComboBox& combo;
};

// The tunings a library dialog offers: the codes of the predefined tunings and, last,
// "Custom" (27), so that favorites and progressions of a custom tuning can be reached.
// Selects currentType.
void FillLibraryTuningList(ChoiceList& list, int currentType);
// The name shown beside such a list: the tuning's name, "Custom tuning" for 27.
std::string LibraryTuningName(int tuningKey);
