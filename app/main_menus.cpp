#include "app/main_menus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace {

QAction* AddCommand(QMenu* menu, const QString& text, int command) {
    QAction* action = menu->addAction(text);
    action->setData(command);
    return action;
}

QIcon ToolIcon(const QString& name) {
    QIcon icon;
    for (const QString& suffix : {QString(), QStringLiteral("@2x"), QStringLiteral("@3x")}) {
        const QPixmap pixmap(":/pictures/" + name + suffix + ".png");
        if (!pixmap.isNull()) {
            icon.addPixmap(pixmap);
        }
    }
    return icon;
}

}  // namespace

void CMainMenus::Build(QMainWindow& window) {
    QMenuBar* bar = window.menuBar();

    typeMenu = bar->addMenu(QStringLiteral("Ty&pe"));
    chordMenu = typeMenu->addMenu(QStringLiteral("Chord"));
    plotter = AddCommand(chordMenu, QStringLiteral("Plotter"), kCommandPlotter);
    progressionMode = AddCommand(chordMenu, QStringLiteral("Progression"), kCommandProgressionMode);
    discoverer = AddCommand(chordMenu, QStringLiteral("Discoverer"), kCommandDiscoverer);
    scale = AddCommand(typeMenu, QStringLiteral("&Scale"), kCommandScale);
    mode = AddCommand(typeMenu, QStringLiteral("&Mode"), kCommandMode);
    for (QAction* action : {plotter, progressionMode, discoverer, scale, mode}) {
        action->setCheckable(true);
    }
    plotter->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_1));
    discoverer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_2));
    scale->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_3));
    mode->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_4));
    progressionMode->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_5));
    typeMenu->addSeparator();
    quit = AddCommand(typeMenu, QStringLiteral("Quit"), kCommandQuit);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setMenuRole(QAction::QuitRole);

    soundMenu = bar->addMenu(QStringLiteral("&Sound"));
    play = AddCommand(soundMenu, QStringLiteral("Play"), kCommandPlay);
    stop = AddCommand(soundMenu, QStringLiteral("Stop"), kCommandStop);
    soundMenu->addSeparator();
    loop = AddCommand(soundMenu, QStringLiteral("Loop"), kCommandLoop);
    loop->setCheckable(true);
    soundMenu->addSeparator();
    soundSettings = AddCommand(soundMenu, QStringLiteral("Settings..."), kCommandSoundSettings);

    toolsMenu = bar->addMenu(QStringLiteral("&Tools"));
    dynamic = AddCommand(toolsMenu, QStringLiteral("Dynamic Chord Generation"), kCommandDynamic);
    dynamic->setCheckable(true);
    dynamicSeparator = toolsMenu->addSeparator();
    favoritesMenu = toolsMenu->addMenu(QStringLiteral("&Favorites"));
    favoritesSeparator = favoritesMenu->addSeparator();
    addFavorite = AddCommand(favoritesMenu, QStringLiteral("Add..."), kCommandAddFavorite);
    organizeFavorites =
        AddCommand(favoritesMenu, QStringLiteral("Organize..."), kCommandOrganizeFavorites);
    progressionMenu = toolsMenu->addMenu(QStringLiteral("Progression"));
    addToProgression =
        AddCommand(progressionMenu, QStringLiteral("Add To..."), kCommandAddToProgression);
    progressionManager =
        AddCommand(progressionMenu, QStringLiteral("Manager..."), kCommandProgressionManager);
    toolsMenu->addSeparator();
    guitarSettings =
        AddCommand(toolsMenu, QStringLiteral("Guitar settings..."), kCommandGuitarSettings);
    ShowDynamicItem(false);

    helpMenu = bar->addMenu(QStringLiteral("&Help"));
    tip = AddCommand(helpMenu, QStringLiteral("Tip of the day..."), kCommandTip);
    helpMenu->addSeparator();
    about = AddCommand(helpMenu, QStringLiteral("About..."), kCommandAbout);
    about->setMenuRole(QAction::AboutRole);

    toolBar = window.addToolBar(QStringLiteral("Play"));
    toolBar->setObjectName(QStringLiteral("playToolBar"));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setIconSize(QSize(16, 16));
    toolBar->toggleViewAction()->setVisible(false);
    toolPlay = toolBar->addAction(ToolIcon(QStringLiteral("play")), QStringLiteral("Play"));
    toolPlay->setData(kCommandPlay);
    toolPlay->setToolTip(QStringLiteral("Play (Space)"));
    toolStop = toolBar->addAction(ToolIcon(QStringLiteral("stop")), QStringLiteral("Stop"));
    toolStop->setData(kCommandStop);
    toolStop->setToolTip(QStringLiteral("Stop (Escape)"));
}

QList<QAction*> CMainMenus::Actions(int command) const {
    QList<QAction*> found;
    for (QAction* action : {plotter,
                            progressionMode,
                            discoverer,
                            scale,
                            mode,
                            quit,
                            play,
                            stop,
                            loop,
                            soundSettings,
                            dynamic,
                            addFavorite,
                            organizeFavorites,
                            addToProgression,
                            progressionManager,
                            guitarSettings,
                            tip,
                            about,
                            toolPlay,
                            toolStop}) {
        if (action != nullptr && action->data().toInt() == command) {
            found.append(action);
        }
    }
    for (QAction* action : favorites) {
        if (action->data().toInt() == command) {
            found.append(action);
        }
    }
    return found;
}

void CMainMenus::SetFavorites(const QList<Favorite>& items) {
    for (QAction* action : favorites) {
        favoritesMenu->removeAction(action);
        action->deleteLater();
    }
    favorites.clear();
    for (const Favorite& item : items) {
        auto* action = new QAction(item.name, favoritesMenu);
        action->setData(item.id);
        action->setEnabled(item.enabled);
        favoritesMenu->insertAction(favoritesSeparator, action);
        favorites.append(action);
    }
}

void CMainMenus::ShowDynamicItem(bool shown) {
    dynamic->setVisible(shown);
    dynamicSeparator->setVisible(shown);
}
