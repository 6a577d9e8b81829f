#pragma once

#include <string>
#include <utility>
#include <vector>

#include "util/choice_list.h"

// A drop-down list that remembers its rows, for tests.
class FakeChoiceList : public ChoiceList {
public:
    std::vector<std::pair<std::string, int>> rows;
    int selected = -1;
    bool enabled = true;

    void Clear() override {
        rows.clear();
        selected = -1;
    }
    int Add(const std::string& text, int itemValue) override {
        rows.emplace_back(text, itemValue);
        return static_cast<int>(rows.size()) - 1;
    }
    void Select(int row) override { selected = row; }
    int Selected() const override { return selected; }
    void Enable(bool on) override { enabled = on; }
    int Count() const override { return static_cast<int>(rows.size()); }
    int ItemValue(int row) const override {
        return row >= 0 && row < Count() ? rows[static_cast<size_t>(row)].second : -1;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& row : rows) {
            texts.push_back(row.first);
        }
        return texts;
    }
};
