#pragma once

// The window's menus and tool bar, held by pointer so that the run-time changes (the
// favorites, the Dynamic Chord Generation item, the check marks, enabling) never look an
// item up by its text. Each command's action carries its command id as its data.

#include <QList>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

// Command ids of the menus.
enum MenuCommand : int {
    kCommandPlotter = 32810,
    kCommandDiscoverer = 32811,
    kCommandProgressionMode = 32871,
    kCommandScale = 32795,
    kCommandMode = 32797,
    kCommandPlay = 32816,
    kCommandStop = 32831,
    kCommandLoop = 32823,
    kCommandSoundSettings = 32817,
    kCommandAddFavorite = 32806,
    kCommandOrganizeFavorites = 32807,
    kCommandAddToProgression = 32835,
    kCommandProgressionManager = 32836,
    kCommandGuitarSettings = 32782,
    kCommandTip = 32826,
    kCommandAbout = 57664,
    kCommandDynamic = 111,
    kCommandFirstFavorite = 101,
    kCommandLastFavorite = 110,
    kCommandQuit = 57665,
};

struct CMainMenus {
    QMenu* typeMenu = nullptr;
    QMenu* chordMenu = nullptr;
    QMenu* soundMenu = nullptr;
    QMenu* toolsMenu = nullptr;
    QMenu* favoritesMenu = nullptr;
    QMenu* progressionMenu = nullptr;
    QMenu* helpMenu = nullptr;

    QAction* plotter = nullptr;
    QAction* progressionMode = nullptr;
    QAction* discoverer = nullptr;
    QAction* scale = nullptr;
    QAction* mode = nullptr;
    QAction* quit = nullptr;
    QAction* play = nullptr;
    QAction* stop = nullptr;
    QAction* loop = nullptr;
    QAction* soundSettings = nullptr;
    // The run-time item at the top of Tools and the separator under it, shown in Chord
    // Plotter only.
    QAction* dynamic = nullptr;
    QAction* dynamicSeparator = nullptr;
    // The separator above Add... in Favorites: favorites go above it.
    QAction* favoritesSeparator = nullptr;
    QAction* addFavorite = nullptr;
    QAction* organizeFavorites = nullptr;
    QAction* addToProgression = nullptr;
    QAction* progressionManager = nullptr;
    QAction* guitarSettings = nullptr;
    QAction* tip = nullptr;
    QAction* about = nullptr;
    // The favorites listed now, in menu order.
    QList<QAction*> favorites;

    QToolBar* toolBar = nullptr;
    QAction* toolPlay = nullptr;
    QAction* toolStop = nullptr;

    // Builds the menus in the window's menu bar and its Play/Stop tool bar.
    void Build(QMainWindow& window);

    // Every action of the menus and the tool bar with that command id.
    QList<QAction*> Actions(int command) const;

    // Replaces the favorites shown above the separator.
    struct Favorite {
        int id;
        QString name;
        bool enabled;
    };
    void SetFavorites(const QList<Favorite>& items);
    // Shows or hides the Dynamic Chord Generation item and its separator.
    void ShowDynamicItem(bool shown);
};
