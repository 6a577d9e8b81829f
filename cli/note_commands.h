#pragma once

// Text forms of the note commands, also shown by the tour.

#include <string>
#include <vector>

#include "music/note.h"

// "A Diminished (dim): A C Gb Eb"
std::string TonesText(NoteValue root, int type);
// "C E G A#: C7", or a line saying that no chord name explains the notes.
std::string NameText(const std::vector<std::string>& notes, const std::string& name);
// The predefined tunings as an aligned table.
std::string TuningsText();
