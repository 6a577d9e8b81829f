#pragma once

// A drop-down list as the core sees it. The window implements it over its combo boxes;
// tests use a vector-backed fake. Rows are numbered from 0; each row carries an integer
// item value (a tuning number, a chord type, an id, ...).

#include <string>

class ChoiceList {
public:
    virtual ~ChoiceList() = default;

    virtual void Clear() = 0;
    // Appends a row and returns its index.
    virtual int Add(const std::string& text, int itemValue) = 0;
    // Selects a row; -1 clears the selection.
    virtual void Select(int row) = 0;
    virtual int Selected() const = 0;
    virtual void Enable(bool enabled) = 0;
    virtual int Count() const = 0;
    // The item value of a row; -1 for a row that does not exist.
    virtual int ItemValue(int row) const = 0;
};
