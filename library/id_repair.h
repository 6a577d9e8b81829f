#pragma once

// Keeps the ids of a loaded list sound. The counter of a list hands out every id once, so
// a file written by the program never holds two elements with one id, nor an id at or
// above the counter. A file edited by hand (or written from a text backup) can: two
// elements with one id cannot be told apart, and a counter below a stored id would hand
// that id out again. This repair keeps every sound id, gives fresh ids from the counter
// to duplicates and negative ids, and raises the counter past every id.

#include <limits>
#include <memory>
#include <set>
#include <vector>

// True when the counter can still hand out an id. Only a file edited by hand brings a
// counter to the largest id; the list then refuses new elements rather than repeat one.
inline bool HasIdLeft(int nextId) {
    return nextId >= 0 && nextId < std::numeric_limits<int>::max();
}

// Returns how many ids were changed. T has an int `id`.
template <class T>
int RepairListIds(std::vector<std::unique_ptr<T>>& items, int& nextId) {
    constexpr int kLargest = std::numeric_limits<int>::max();
    if (nextId < 0) {
        nextId = 0;
    }
    for (const auto& item : items) {
        if (item->id >= nextId) {
            nextId = item->id == kLargest ? kLargest : item->id + 1;
        }
    }
    std::set<int> seen;
    int changed = 0;
    for (auto& item : items) {
        if (item->id >= 0 && seen.insert(item->id).second) {
            continue;
        }
        if (nextId == kLargest) {
            // No id is left to give; the element keeps the one it has.
            continue;
        }
        item->id = nextId++;
        seen.insert(item->id);
        ++changed;
    }
    return changed;
}
