#include "app/main_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QShortcut>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/mode_bar_widget.h"
#include "app/neck_widget.h"
#include "app/picture_set.h"
#include "view/neck_geometry.h"

namespace {

// The smallest neck shown: frets 0 to 3 with the header, down to the top of fret 4's row.
constexpr int kShortestNeck = 40 + 37 * 4;

}  // namespace

CMainFrame::CMainFrame(CPictureSet& pictures, QWidget* parent)
    : QMainWindow(parent), pictures(pictures) {
    setWindowTitle(QStringLiteral("Fretquill"));
    setObjectName(QStringLiteral("mainFrame"));
    QIcon icon;
    for (const QString& suffix : {QString(), QStringLiteral("@2x"), QStringLiteral("@3x")}) {
        icon.addFile(":/pictures/fretquill" + suffix + ".png");
    }
    setWindowIcon(icon);
    setContextMenuPolicy(Qt::NoContextMenu);

    menus.Build(*this);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* neckRow = new QHBoxLayout;
    neckRow->setContentsMargins(0, 0, 0, 0);
    neckRow->setSpacing(0);
    neck = new CNeckWidget(pictures, central);
    neck->setObjectName(QStringLiteral("neck"));
    neckRow->addWidget(neck);
    neckRow->addWidget(neck->ScrollBar());
    column->addLayout(neckRow, 1);
    bar = new CModeBarWidget(central);
    column->addWidget(bar, 0);
    setCentralWidget(central);
    neck->setFocus();

    for (QAction* action : {menus.plotter,
                            menus.progressionMode,
                            menus.discoverer,
                            menus.scale,
                            menus.mode,
                            menus.quit,
                            menus.play,
                            menus.stop,
                            menus.loop,
                            menus.soundSettings,
                            menus.dynamic,
                            menus.addFavorite,
                            menus.organizeFavorites,
                            menus.addToProgression,
                            menus.progressionManager,
                            menus.guitarSettings,
                            menus.tip,
                            menus.about,
                            menus.toolPlay,
                            menus.toolStop}) {
        Connect(action);
    }
    // Favorites come and go; their menu reports the one chosen.
    connect(menus.favoritesMenu, &QMenu::triggered, this, [this](QAction* action) {
        if (menus.favorites.contains(action)) {
            RunCommand(action->data().toInt());
        }
    });
    for (QMenu* menu : {menus.typeMenu, menus.soundMenu, menus.toolsMenu, menus.helpMenu,
                        menus.favoritesMenu, menus.progressionMenu, menus.chordMenu}) {
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);
    }

    // Space plays, or stops while playing; Escape stops. They work wherever the focus is
    // in the window, the bar's lists included.
    auto* space = new QShortcut(QKeySequence(Qt::Key_Space), this);
    connect(space, &QShortcut::activated, this,
            [this] { RunCommand(isPlaying && isPlaying() ? kCommandStop : kCommandPlay); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { RunCommand(kCommandStop); });
    // The neck scrolls by keys whatever has the focus.
    const struct {
        QKeySequence key;
        QAbstractSlider::SliderAction action;
    } scrollKeys[] = {
        {QKeySequence(Qt::Key_PageUp), QAbstractSlider::SliderPageStepSub},
        {QKeySequence(Qt::Key_PageDown), QAbstractSlider::SliderPageStepAdd},
        {QKeySequence(Qt::Key_Home), QAbstractSlider::SliderToMinimum},
        {QKeySequence(Qt::Key_End), QAbstractSlider::SliderToMaximum},
    };
    for (const auto& scroll : scrollKeys) {
        auto* shortcut = new QShortcut(scroll.key, this);
        const auto action = scroll.action;
        connect(shortcut, &QShortcut::activated, this,
                [this, action] { neck->ScrollBar()->triggerAction(action); });
    }
    FitHeights();
}

void CMainFrame::Connect(QAction* action) {
    if (action == nullptr) {
        return;
    }
    connect(action, &QAction::triggered, this, [this, action] {
        const int id = action->data().toInt();
        if (id == kCommandQuit) {
            close();
        } else {
            RunCommand(id);
        }
    });
}

void CMainFrame::RunCommand(int id) {
    if (command) {
        command(id);
    }
    UpdateCommands();
}

void CMainFrame::UpdateCommands() {
    if (!updateCommand) {
        return;
    }
    for (const int id :
         {kCommandPlotter, kCommandDiscoverer, kCommandProgressionMode, kCommandScale, kCommandMode,
          kCommandPlay, kCommandStop, kCommandLoop, kCommandSoundSettings, kCommandDynamic,
          kCommandAddFavorite, kCommandOrganizeFavorites, kCommandAddToProgression,
          kCommandProgressionManager, kCommandGuitarSettings, kCommandTip, kCommandAbout}) {
        const CCommandState state = updateCommand(id);
        for (QAction* action : menus.Actions(id)) {
            action->setEnabled(state.enabled);
            if (action->isCheckable()) {
                action->setChecked(state.checked);
            }
        }
    }
}

void CMainFrame::FitHeights() {
    const int zoom = pictures.Zoom();
    neck->setMinimumHeight(kShortestNeck * zoom);
    neck->setMaximumHeight(kNeckHeight * zoom);
    const int width = neck->width() + neck->ScrollBar()->sizeHint().width();
    // The window is as wide as the neck and its scroll bar, or the menu bar if wider.
    const int menuWidth = menuBar() != nullptr ? menuBar()->sizeHint().width() : 0;
    setFixedWidth(std::max(width, menuWidth));
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (closing) {
        closing();
    }
    event->accept();
}

void CMainFrame::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
            neck->ScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
            break;
        case Qt::Key_Down:
            neck->ScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            break;
        default:
            QMainWindow::keyPressEvent(event);
            return;
    }
    event->accept();
}
