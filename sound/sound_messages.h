#pragma once

// The texts the sound settings show, word for word as the program's string table has them.

namespace sound_messages {

inline constexpr const char* kTitle = "Fretquill";
// 65015
inline constexpr const char* kNoSoundPack =
    "There is no sound pack loaded.  Please ensure one is loaded via 'Sound options' before "
    "playing.";
// 65044, with the directory.
inline constexpr const char* kDeleteSearchDirectory =
    "Are you sure you want to delete search dir '%s'?";

}  // namespace sound_messages
