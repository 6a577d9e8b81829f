#pragma once

// The program's window: the menus at the top, the Play/Stop tool bar, the neck with its
// scroll bar, and the mode bar under the neck. The width is the neck's at the zoom and
// never changes; the height runs from frets 0 to 3 up to the whole neck.
//
// Every menu, tool bar and key command arrives at `command` with its id; `updateCommand`
// is asked whether an item is enabled and checked before its menu opens and after each
// command, so the tool bar always shows the truth.

#include <QMainWindow>
#include <functional>

#include "app/main_menus.h"

class CModeBarWidget;
class CNeckWidget;
class CPictureSet;

struct CCommandState {
    bool enabled = true;
    bool checked = false;
};

class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    CMainFrame(CPictureSet& pictures, QWidget* parent = nullptr);

    CMainMenus& Menus() { return menus; }
    CNeckWidget& Neck() { return *neck; }
    CModeBarWidget& Bar() { return *bar; }

    std::function<void(int command)> command;
    std::function<CCommandState(int command)> updateCommand;
    // Asked by Space: whether playback runs (Space then stops it).
    std::function<bool()> isPlaying;
    // The window is closing (the close button, Quit or a quit signal): the program shuts
    // down after the event loop.
    std::function<void()> closing;

    // Brings every item's enabled and checked state up to date.
    void UpdateCommands();
    // Runs a command as its menu item would (also for tests).
    void RunCommand(int id);

    // Height of the neck area for a number of logical rows, and the window's heights from
    // frets 0 to 3 up to the whole neck.
    void FitHeights();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Connect(QAction* action);

    CPictureSet& pictures;
    CMainMenus menus;
    CNeckWidget* neck;
    CModeBarWidget* bar;
};
