#include "dialogs/combo_choice_list.h"

#include <QComboBox>
#include <QSignalBlocker>

#include "guitar/tuning.h"

void CComboChoiceList::Clear() {
    const QSignalBlocker blocker(combo);
    combo.clear();
}

int CComboChoiceList::Add(const std::string& text, int itemValue) {
    const QSignalBlocker blocker(combo);
    const int before = combo.currentIndex();
    combo.addItem(QString::fromStdString(text), itemValue);
    // A combo box selects its first row by itself; the core's lists start with none.
    if (before < 0) {
        combo.setCurrentIndex(-1);
    }
    return combo.count() - 1;
}

void CComboChoiceList::Select(int row) {
    const QSignalBlocker blocker(combo);
    combo.setCurrentIndex(row >= 0 && row < combo.count() ? row : -1);
}

int CComboChoiceList::Selected() const {
    return combo.currentIndex();
}

void CComboChoiceList::Enable(bool enabled) {
    combo.setEnabled(enabled);
}

int CComboChoiceList::Count() const {
    return combo.count();
}

int CComboChoiceList::ItemValue(int row) const {
    if (row < 0 || row >= combo.count()) {
        return -1;
    }
    bool ok = false;
    const int value = combo.itemData(row).toInt(&ok);
    return ok ? value : -1;
}

bool CComboChoiceList::SelectValue(int itemValue) {
    for (int row = 0; row < combo.count(); ++row) {
        if (ItemValue(row) == itemValue) {
            Select(row);
            return true;
        }
    }
    return false;
}

void FillLibraryTuningList(ChoiceList& list, int currentType) {
    CTuning::FillTuningList(list, true, currentType);
    const int custom = list.Add("Custom", kCustomTuning);
    if (currentType == kCustomTuning) {
        list.Select(custom);
    }
}

std::string LibraryTuningName(int tuningKey) {
    if (tuningKey == kCustomTuning) {
        return "Custom tuning";
    }
    return tuningKey >= 0 && tuningKey < kPredefinedTuningCount ? CTuning::TuningName(tuningKey)
                                                                : std::string();
}
