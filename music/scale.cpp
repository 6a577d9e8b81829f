#include "music/scale.h"

#include "music/scale_table.h"
#include "util/choice_list.h"

bool CScale::BuildScale(int type, const CNote& root) {
    octaveOffset = 0;
    // Stepping from a muted string or a rest would only give unknown notes.
    if (!IsSpelledNote(root.note)) {
        return false;
    }
    if (type == kScaleMajor) {
        return BuildMode(kModeIonian, root);
    }
    notes.assign(1, root);
    position = 0;
    if (type < 0 || type >= kScaleTypeCount ||
        kScaleRows[static_cast<std::size_t>(type)].build != ScaleBuild::kSteps) {
        return false;
    }
    const ScaleSteps& steps = kScaleRows[static_cast<std::size_t>(type)].steps;
    Walk(root, steps.Walked());
    return true;
}

bool CScale::BuildMode(int mode, const CNote& root) {
    if (!IsSpelledNote(root.note)) {
        return false;
    }
    notes.assign(1, root);
    position = 0;
    if (mode < 0 || mode >= kModeCount) {
        Clear();
        return false;
    }
    const ScaleSteps& steps = kModeRows[static_cast<std::size_t>(mode)].steps;
    Walk(root, steps.Walked());
    return true;
}

void CScale::Walk(const CNote& root, std::span<const int> steps) {
    const bool sharps = IsSharp(root.note);
    CNote current = root;
    for (int step : steps) {
        for (int semitone = 0; semitone < step; ++semitone) {
            current.HalfStep(sharps);
        }
        notes.push_back(current);
    }
    position = 0;
}

void CScale::Clear() {
    notes.clear();
    position = -1;
}

CNote CScale::Next() {
    if (notes.empty()) {
        return CNote::NoNote();
    }
    if (position < 0) {
        position = 0;
        ++octaveOffset;
    }
    const CNote& stored = notes[static_cast<std::size_t>(position)];
    position = position + 1 < NoteCount() ? position + 1 : -1;
    return CNote(stored.note, stored.octave + octaveOffset);
}

CNote CScale::Prev() {
    if (notes.empty()) {
        return CNote::NoNote();
    }
    if (position < 0) {
        position = NoteCount() - 1;
        --octaveOffset;
    }
    const CNote& stored = notes[static_cast<std::size_t>(position)];
    --position;
    return CNote(stored.note, stored.octave + octaveOffset);
}

void CScale::Rewind() {
    position = notes.empty() ? -1 : 0;
    octaveOffset = 0;
}

void CScale::RewindToLast() {
    position = NoteCount() - 1;
    octaveOffset = 0;
}

void CScale::ClearPosition() {
    position = -1;
    octaveOffset = 0;
}

const char* ScaleName(int type) {
    return type >= 0 && type < kScaleTypeCount ? kScaleRows[static_cast<std::size_t>(type)].name
                                               : "";
}

const char* ModeName(int mode) {
    return mode >= 0 && mode < kModeCount ? kModeRows[static_cast<std::size_t>(mode)].name : "";
}

const char* LoopDirectionName(int direction) {
    return direction >= 0 && direction < kLoopDirectionCount
               ? kLoopDirectionNames[static_cast<std::size_t>(direction)]
               : "";
}

void FillScaleList(ChoiceList& list) {
    list.Clear();
    for (int type : kScaleListOrder) {
        list.Add(ScaleName(type), type);
    }
    list.Select(0);
}

void FillModeList(ChoiceList& list) {
    list.Clear();
    for (int mode : kModeListOrder) {
        list.Add(ModeName(mode), mode);
    }
    list.Select(0);
}

void FillLoopDirectionList(ChoiceList& list) {
    for (int direction = 0; direction < kLoopDirectionCount; ++direction) {
        list.Add(LoopDirectionName(direction), direction);
    }
}
