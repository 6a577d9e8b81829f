#pragma once

// What the library dialogs work with: the program's progression and favorites lists, its
// settings, the sound the players use, and where messages go. The window hands in its
// own; tests hand in lists, settings and a recording player of their own.

class CAppSettings;
class CFavoritesList;
class CProgressionList;
class NotePlayer;
class Prompter;

struct CLibraryContext {
    CProgressionList& progressions;
    CFavoritesList& favorites;
    CAppSettings& settings;
    NotePlayer& player;
    Prompter& prompter;
};

// 65015
inline constexpr const char* kNoSoundPackMessage =
    "There is no sound pack loaded.  Please ensure one is loaded via 'Sound options' before "
    "playing.";
