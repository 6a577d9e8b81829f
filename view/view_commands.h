#pragma once
// The command ids of the menu items and tool buttons the main view handles or decides the
// state of. The window maps its actions to these ids and asks the view about each one.

enum class ViewCommand : int {
    Plotter = 32810,
    Discoverer = 32811,
    ProgressionMode = 32871,
    Scale = 32795,
    Mode = 32797,
    Dynamic = 111,
    Play = 32816,
    Stop = 32831,
    Loop = 32823,
    SoundSettings = 32817,
    AddFavorite = 32806,
    OrganizeFavorites = 32807,
    AddToProgression = 32835,
    ProgressionManager = 32836,
    GuitarSettings = 32782,
    FirstFavorite = 101,
    LastFavorite = 110,
};

inline constexpr int CommandId(ViewCommand command) {
    return static_cast<int>(command);
}

// Whether a menu item or tool button is enabled and carries a check mark.
struct ViewCommandState {
    bool enabled = true;
    bool checked = false;
    friend bool operator==(const ViewCommandState&, const ViewCommandState&) = default;
};
