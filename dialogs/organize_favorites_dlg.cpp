#include "dialogs/organize_favorites_dlg.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/combo_choice_list.h"
#include "dialogs/favorite_dlg.h"
#include "dialogs/pictures.h"
#include "dialogs/sort_list_ctrl.h"
#include "library/favorites_list.h"
#include "library/library_file.h"
#include "library/library_messages.h"
#include "util/prompter.h"

namespace {

constexpr int kModeRole = Qt::UserRole;
constexpr int kNumberRole = Qt::UserRole + 1;
constexpr int kFavoriteRole = Qt::UserRole + 2;

const char* const kRootNames[kFavoriteModeCount] = {"Chord Plotter", "Chord Discoverer", "Scales",
                                                    "Modes"};

}  // namespace

COrganizeFavoritesDlg::COrganizeFavoritesDlg(CFavoritesList& list, Prompter& messages,
                                             int currentTuningKey, QWidget* parent)
    : CFramedDialog("Favorites", parent), favorites(list), prompter(messages) {
    editAction = ToolBar()->addAction(LoadIcon("edit"), "&Edit");
    editAction->setToolTip("Edit the selected favorite's name and description");
    deleteAction = ToolBar()->addAction(LoadIcon("delete"), "&Delete");
    deleteAction->setToolTip("Delete the selected favorite");
    deleteAction->setShortcut(QKeySequence::Delete);
    connect(editAction, &QAction::triggered, this, &COrganizeFavoritesDlg::EditFavorite);
    connect(deleteAction, &QAction::triggered, this, &COrganizeFavoritesDlg::DeleteFavorite);

    auto* layout = new QVBoxLayout(Body());
    const QPixmap bannerPicture = LoadPicture("161", devicePixelRatioF());
    if (!bannerPicture.isNull()) {
        auto* banner = new QLabel(Body());
        banner->setPixmap(bannerPicture);
        layout->addWidget(banner);
    }
    auto* tuningRow = new QHBoxLayout;
    tuningCombo = new QComboBox(Body());
    tunings = new CComboChoiceList(*tuningCombo);
    auto* tuningLabel = new QLabel("Edit favorites for &tuning:", Body());
    tuningLabel->setBuddy(tuningCombo);
    tuningRow->addWidget(tuningLabel);
    tuningRow->addWidget(tuningCombo, 1);
    layout->addLayout(tuningRow);

    tree = new QTreeWidget(Body());
    tree->setHeaderHidden(true);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setMinimumHeight(200);
    tree->setAccessibleName("Favorites");
    layout->addWidget(tree, 1);
    auto* descriptionLabel = new QLabel("Description:", Body());
    layout->addWidget(descriptionLabel);
    descriptionBox = new QPlainTextEdit(Body());
    descriptionBox->setReadOnly(true);
    descriptionBox->setTabChangesFocus(true);
    descriptionBox->setFixedHeight(descriptionBox->fontMetrics().lineSpacing() * 4 + 12);
    layout->addWidget(descriptionBox);

    FillLibraryTuningList(*tunings, currentTuningKey);
    connect(tuningCombo, &QComboBox::currentIndexChanged, this, &COrganizeFavoritesDlg::FillTree);
    connect(tree, &QTreeWidget::itemSelectionChanged, this,
            &COrganizeFavoritesDlg::SelectionChanged);
    MakeEnterActivate(tree);
    connect(tree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (item->parent() != nullptr) {
            EditFavorite();
        }
    });
    FillTree();
    setMinimumSize(340, 460);
}

COrganizeFavoritesDlg::~COrganizeFavoritesDlg() {
    delete tunings;
}

int COrganizeFavoritesDlg::SelectedTuning() const {
    return tunings->SelectedValue();
}

void COrganizeFavoritesDlg::SelectTuning(int tuningKey) {
    if (tunings->SelectValue(tuningKey)) {
        FillTree();
    }
}

QTreeWidgetItem* COrganizeFavoritesDlg::FavoriteItem(int mode, int row) const {
    QTreeWidgetItem* root = tree->topLevelItem(mode);
    return root != nullptr ? root->child(row) : nullptr;
}

void COrganizeFavoritesDlg::FillTree() {
    tree->clear();
    const int tuningKey = SelectedTuning();
    const QIcon folder = LoadIcon("157");
    const QIcon open = LoadIcon("158");
    const QIcon star = LoadIcon("167");
    QIcon rootIcon = folder;
    if (!open.isNull()) {
        rootIcon.addPixmap(open.pixmap(16, 16), QIcon::Selected);
    }
    for (int mode = 0; mode < kFavoriteModeCount; ++mode) {
        auto* root = new QTreeWidgetItem(QStringList{kRootNames[mode]});
        root->setData(0, kModeRole, mode);
        root->setIcon(0, rootIcon);
        tree->addTopLevelItem(root);
        if (tuningKey < 0) {
            continue;
        }
        for (const auto& favorite : favorites.favorites) {
            if (favorite->mode != static_cast<ProgramMode>(mode) ||
                favorite->tuningKey != tuningKey) {
                continue;
            }
            auto* item = new QTreeWidgetItem(QStringList{QString::fromStdString(favorite->name)});
            item->setData(0, kNumberRole, favorite->id);
            item->setData(0, kFavoriteRole,
                          QVariant::fromValue(reinterpret_cast<quintptr>(favorite.get())));
            item->setIcon(0, star);
            root->addChild(item);
        }
    }
    tree->expandAll();
    SelectionChanged();
}

CFavorite* COrganizeFavoritesDlg::SelectedFavorite() const {
    const QList<QTreeWidgetItem*> selected = tree->selectedItems();
    if (selected.isEmpty() || selected.first()->parent() == nullptr) {
        return nullptr;
    }
    // The item keeps the favorite itself: favorites of a tuning that is not the current
    // one may carry numbers from an earlier numbering, which need not tell them apart.
    const auto* wanted = reinterpret_cast<const CFavorite*>(
        selected.first()->data(0, kFavoriteRole).value<quintptr>());
    for (const auto& favorite : favorites.favorites) {
        if (favorite.get() == wanted) {
            return favorite.get();
        }
    }
    return nullptr;
}

void COrganizeFavoritesDlg::SelectionChanged() {
    const QList<QTreeWidgetItem*> selected = tree->selectedItems();
    const bool favoriteItem = !selected.isEmpty() && selected.first()->parent() != nullptr;
    const CFavorite* favorite = SelectedFavorite();
    descriptionBox->setPlainText(favorite != nullptr ? QString::fromStdString(favorite->description)
                                                     : QString());
    editAction->setEnabled(favoriteItem);
    deleteAction->setEnabled(favoriteItem);
}

void COrganizeFavoritesDlg::DeleteFavorite() {
    const QList<QTreeWidgetItem*> selected = tree->selectedItems();
    if (selected.isEmpty() || selected.first()->parent() == nullptr) {
        return;
    }
    QTreeWidgetItem* item = selected.first();
    const std::string question = "Delete favorite '" + item->text(0).toStdString() + "'?";
    if (prompter.Show(PromptKind::YesNo, kLibraryMessageTitle, question) != PromptAnswer::Yes) {
        return;
    }
    CFavorite* favorite = SelectedFavorite();
    if (favorite == nullptr) {
        return;
    }
    for (std::size_t i = 0; i < favorites.favorites.size(); ++i) {
        if (favorites.favorites[i].get() == favorite) {
            favorites.favorites.erase(favorites.favorites.begin() + static_cast<std::ptrdiff_t>(i));
            break;
        }
    }
    delete item;
    changed = true;
    SelectionChanged();
}

void COrganizeFavoritesDlg::EditFavorite() {
    CFavorite* favorite = SelectedFavorite();
    if (favorite == nullptr) {
        return;
    }
    CFavoriteDlgInput input;
    input.caption = "Edit Favorite";
    input.mode = favorite->mode;
    input.tuningKey = favorite->tuningKey;
    input.name = favorite->name;
    input.description = favorite->description;
    input.editing = favorite;
    if (favorite->mode == ProgramMode::Scale || favorite->mode == ProgramMode::Mode) {
        input.note = favorite->rootNote;
        input.type = favorite->scaleType;
    } else {
        input.chord = &favorite->chord;
        input.note = favorite->chord.root;
        input.type = favorite->chord.chordType;
    }
    CFavoriteDlg dialog(favorites, prompter, input, this);
    if (RunModal(dialog) != QDialog::Accepted) {
        return;
    }
    favorite->name = dialog.Name();
    favorite->description = dialog.Description();
    const QList<QTreeWidgetItem*> selected = tree->selectedItems();
    if (!selected.isEmpty()) {
        selected.first()->setText(0, QString::fromStdString(favorite->name));
    }
    descriptionBox->setPlainText(QString::fromStdString(favorite->description));
}
