#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidget>

#include "dialogs/favorite_commands.h"
#include "dialogs/favorite_dlg.h"
#include "dialogs/organize_favorites_dlg.h"
#include "guitar/chord.h"
#include "library/favorite_edit.h"
#include "library/favorites_list.h"
#include "library/library_messages.h"
#include "music/scale.h"
#include "tests/dialogs/dialog_fixtures.h"

namespace {

constexpr int kMinor = 5;
constexpr int kLongNamedType = 23;  // "Seventh Flat Ninth Augmented Fifth", symbol "7(b9+5)"

CChord MakeChord(NoteValue root, int type, int variation = 2, int dynamic = 1) {
    CChord chord;
    chord.root = root;
    chord.chordType = type;
    chord.variation = variation;
    chord.dynamic = dynamic;
    return chord;
}

void AddNamed(CFavoritesList& list, ProgramMode mode, int tuningKey, const std::string& name) {
    auto favorite = std::make_unique<CFavorite>();
    favorite->mode = mode;
    favorite->tuningKey = tuningKey;
    favorite->name = name;
    favorite->description = name + " notes";
    list.AddFavorite(std::move(favorite));
}

CFavoriteDlgInput Input(ProgramMode mode, const CChord* chord = nullptr, int note = 0,
                        int type = 0) {
    CFavoriteDlgInput input;
    input.mode = mode;
    input.chord = chord;
    input.note = note;
    input.type = type;
    return input;
}

std::vector<std::string> Names(const CFavoritesList& list, ProgramMode mode, int tuningKey) {
    std::vector<std::string> names;
    for (const auto& favorite : list.favorites) {
        if (favorite->mode == mode && favorite->tuningKey == tuningKey) {
            names.push_back(favorite->name + "=" + std::to_string(favorite->id));
        }
    }
    return names;
}

TEST(FavoriteDlgTest, ShowsWhatWillBeStoredAndProposesAName) {
    CFavoritesList list;
    ScriptedPrompter prompter;
    const CChord aMinor = MakeChord(kNoteA, kMinor);
    const CChord gFlat = MakeChord(kNoteGFlat, kLongNamedType);
    struct Case {
        ProgramMode mode;
        const CChord* chord;
        int note;
        int type;
        QStringList shown;  // mode, note, type, variation, dynamic
        QString name;
    };
    const std::vector<Case> cases = {
        {ProgramMode::ChordPlotter,
         &aMinor,
         kNoteA,
         kMinor,
         {"Chord Plotter", "A", "Minor", "2", "Yes"},
         "A Minor"},
        {ProgramMode::ChordDiscoverer,
         &aMinor,
         kNoteA,
         kMinor,
         {"Chord Discoverer", "N/A", "N/A", "N/A", "N/A"},
         ""},
        {ProgramMode::ChordPlotter,
         &gFlat,
         kNoteGFlat,
         kLongNamedType,
         {"Chord Plotter", "F#", QString::fromStdString(ShortChordTypeText(kLongNamedType)), "2",
          "Yes"},
         QString::fromStdString("F# " + ShortChordTypeText(kLongNamedType))},
        {ProgramMode::Mode,
         nullptr,
         kNoteD,
         kModeDorian,
         {"Mode", "D", "Dorian", "N/A", "N/A"},
         "D Dorian"},
    };
    for (const Case& c : cases) {
        CFavoriteDlg dialog(list, prompter, Input(c.mode, c.chord, c.note, c.type));
        EXPECT_EQ(dialog.windowTitle(), "Add Favorite");
        const QStringList shown = {dialog.ShownText("Mode:"), dialog.ShownText("Note:"),
                                   dialog.ShownText("Type:"), dialog.ShownText("Variation:"),
                                   dialog.ShownText("Dynamic:")};
        EXPECT_EQ(shown, c.shown) << static_cast<int>(c.mode);
        EXPECT_EQ(dialog.NameEdit()->text(), c.name.left(kFavoriteNameLimit))
            << static_cast<int>(c.mode);
    }
}

TEST(FavoriteDlgTest, NameAndDescriptionTakeNoMoreThanTheirLimits) {
    CFavoritesList list;
    ScriptedPrompter prompter;
    CFavoriteDlg dialog(list, prompter, Input(ProgramMode::ChordDiscoverer));
    dialog.show();
    QTest::keyClicks(dialog.NameEdit(), QString(30, 'n'));
    EXPECT_EQ(dialog.NameEdit()->text().size(), kFavoriteNameLimit);
    QTest::keyClicks(dialog.DescriptionEdit(), QString(120, 'd'));
    EXPECT_EQ(dialog.DescriptionEdit()->toPlainText().size(), kFavoriteDescriptionLimit);
}

TEST(FavoriteCommandsTest, AddedFavoritesAreNumberedAndAnEmptyNameIsRefused) {
    CFavoritesList list;
    ScriptedPrompter prompter;
    ModalScript script;
    const CChord aMinor = MakeChord(kNoteA, kMinor);
    // Chord Discoverer proposes no name: OK is refused until one is typed.
    script.Then([&](CFramedDialog& dialog) {
        auto& favorite = static_cast<CFavoriteDlg&>(dialog);
        ClickOk(dialog);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(prompter.Last(), kEnterFavoriteName);
        QTest::keyClicks(favorite.NameEdit(), "   ");
        ClickOk(dialog);
        EXPECT_TRUE(dialog.isVisible());
        QTest::keyClicks(favorite.NameEdit(), "  Mystery ");
        ClickOk(dialog);
    });
    EXPECT_EQ(AddFavoriteCommand(nullptr, list, prompter,
                                 {.mode = ProgramMode::ChordDiscoverer, .chord = &aMinor}),
              101);
    EXPECT_EQ(Names(list, ProgramMode::ChordDiscoverer, 0),
              (std::vector<std::string>{"Mystery=101"}));

    script.Then([](CFramedDialog& dialog) { ClickOk(dialog); });
    EXPECT_EQ(AddFavoriteCommand(nullptr, list, prompter,
                                 {.mode = ProgramMode::ChordPlotter, .chord = &aMinor}),
              101);
    const CFavorite* stored = list.FindInCurrentTuning(101, ProgramMode::ChordPlotter);
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->name, "A Minor");
    EXPECT_EQ(stored->rootNote, kNoteA);
    EXPECT_EQ(stored->chord.chordType, kMinor);

    // The same name again: No keeps the dialog open, Yes overwrites in place.
    prompter.answers = {PromptAnswer::No, PromptAnswer::Yes};
    script.Then([&](CFramedDialog& dialog) {
        auto& favorite = static_cast<CFavoriteDlg&>(dialog);
        favorite.DescriptionEdit()->setPlainText("second");
        ClickOk(dialog);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(prompter.Last(), library_messages::kDuplicateFavorite);
        ClickOk(dialog);
    });
    EXPECT_EQ(AddFavoriteCommand(nullptr, list, prompter,
                                 {.mode = ProgramMode::ChordPlotter, .chord = &aMinor}),
              0);
    EXPECT_EQ(list.CountFavorites(ProgramMode::ChordPlotter, 0), 1);
    EXPECT_EQ(list.FindInCurrentTuning(101, ProgramMode::ChordPlotter)->description, "second");
    EXPECT_TRUE(script.steps.empty());
}

TEST(FavoriteCommandsTest, AFullModeOffersToOrganizeAndNothingIsLostWithoutAWord) {
    CFavoritesList list;
    for (int i = 0; i < kMaxFavoritesPerMode; ++i) {
        AddNamed(list, ProgramMode::Scale, 0, "Scale " + std::to_string(i));
    }
    ScriptedPrompter prompter;
    ModalScript script;
    // Yes to organizing: delete the second scale there and cancel; the list is renumbered.
    prompter.answers = {PromptAnswer::Yes, PromptAnswer::Yes};
    script.Then([](CFramedDialog& dialog) {
        auto& organize = static_cast<COrganizeFavoritesDlg&>(dialog);
        organize.Tree()->setCurrentItem(organize.FavoriteItem(2, 1));
        organize.DeleteAction()->trigger();
        ClickCancel(dialog);
    });
    EXPECT_EQ(AddFavoriteCommand(nullptr, list, prompter, {.mode = ProgramMode::Scale}), -1);
    EXPECT_TRUE(prompter.Saw("has been reached (10)"));
    EXPECT_EQ(script.opened, (std::vector<QString>{"Favorites"}));
    EXPECT_EQ(list.CountFavorites(ProgramMode::Scale, 0), 9);
    EXPECT_EQ(list.LastNumber(ProgramMode::Scale), 109);

    script.Then([](CFramedDialog& dialog) { ClickCancel(dialog); });
    EXPECT_EQ(AddFavoriteCommand(nullptr, list, prompter,
                                 {.mode = ProgramMode::Mode, .startNote = kNoteE}),
              -1);
    EXPECT_EQ(list.CountFavorites(ProgramMode::Mode, 0), 0);

    // A deletion nobody renumbered leaves the mode without a free number: said, not lost
    // in silence.
    list.RemoveFavorite(101, ProgramMode::Scale, 0);
    list.RemoveFavorite(102, ProgramMode::Scale, 0);
    list.AddFavorite(std::make_unique<CFavorite>(*list.favorites[0]));
    script.Then([](CFramedDialog& dialog) {
        static_cast<CFavoriteDlg&>(dialog).NameEdit()->setText("One more");
        ClickOk(dialog);
    });
    EXPECT_EQ(AddFavoriteCommand(nullptr, list, prompter, {.mode = ProgramMode::Scale}), -1);
    EXPECT_EQ(prompter.Last(), kNoFavoriteNumberLeft);
}

TEST(OrganizeFavoritesTest, DeletingRenumbersTheRestHoweverTheDialogEnds) {
    for (const bool confirm : {true, false}) {
        CFavoritesList list;
        for (const char* name : {"A", "B", "C", "D", "E", "F"}) {
            AddNamed(list, ProgramMode::ChordPlotter, 0, name);
        }
        ScriptedPrompter prompter;
        ModalScript script;
        script.Then([&](CFramedDialog& dialog) {
            auto& organize = static_cast<COrganizeFavoritesDlg&>(dialog);
            EXPECT_FALSE(organize.DeleteAction()->isEnabled());
            organize.Tree()->setCurrentItem(organize.FavoriteItem(0, 3));
            EXPECT_EQ(organize.DescriptionBox()->toPlainText(), "D notes");
            ASSERT_TRUE(organize.DeleteAction()->isEnabled());
            organize.DeleteAction()->trigger();
            EXPECT_EQ(prompter.Last(), "Delete favorite 'D'?");
            EXPECT_EQ(organize.Tree()->topLevelItem(0)->childCount(), 5);
            confirm ? ClickOk(dialog) : ClickCancel(dialog);
        });
        EXPECT_TRUE(OrganizeFavoritesCommand(nullptr, list, prompter, 0));
        EXPECT_EQ(Names(list, ProgramMode::ChordPlotter, 0),
                  (std::vector<std::string>{"A=101", "B=102", "C=103", "E=104", "F=105"}))
            << confirm;
    }
}

TEST(OrganizeFavoritesTest, AnotherTuningsFavoritesAreTheOnesSelectedEditedAndDeleted) {
    CFavoritesList list;
    AddNamed(list, ProgramMode::ChordPlotter, 0, "Current one");
    list.SetCurrentTuning(3);
    AddNamed(list, ProgramMode::ChordPlotter, 3, "Open G one");
    AddNamed(list, ProgramMode::ChordPlotter, 3, "Open G two");
    list.SetCurrentTuning(kCustomTuning);
    AddNamed(list, ProgramMode::Scale, kCustomTuning, "Custom scale");
    list.SetCurrentTuning(0);
    ScriptedPrompter prompter;
    ModalScript script;
    COrganizeFavoritesDlg organize(list, prompter, 0);
    organize.show();
    EXPECT_EQ(organize.Tree()->topLevelItem(0)->childCount(), 1);
    organize.SelectTuning(3);
    ASSERT_EQ(organize.Tree()->topLevelItem(0)->childCount(), 2);
    organize.Tree()->setCurrentItem(organize.FavoriteItem(0, 0));
    EXPECT_EQ(organize.DescriptionBox()->toPlainText(), "Open G one notes");

    // Editing: another favorite's name is refused, an empty one too; the own name stands.
    script.Then([&](CFramedDialog& dialog) {
        auto& edit = static_cast<CFavoriteDlg&>(dialog);
        EXPECT_EQ(dialog.windowTitle(), "Edit Favorite");
        edit.NameEdit()->setText("Open G two");
        ClickOk(dialog);
        EXPECT_EQ(prompter.Last(), kFavoriteNameTaken);
        edit.NameEdit()->setText("  ");
        ClickOk(dialog);
        EXPECT_EQ(prompter.Last(), kEnterFavoriteName);
        edit.NameEdit()->setText("Open G one");
        edit.DescriptionEdit()->setPlainText("ringing");
        ClickOk(dialog);
        EXPECT_FALSE(dialog.isVisible());
    });
    organize.EditAction()->trigger();
    EXPECT_EQ(organize.DescriptionBox()->toPlainText(), "ringing");
    EXPECT_EQ(list.favorites[1]->description, "ringing");

    organize.DeleteAction()->trigger();
    EXPECT_EQ(Names(list, ProgramMode::ChordPlotter, 0),
              (std::vector<std::string>{"Current one=101"}));
    EXPECT_EQ(Names(list, ProgramMode::ChordPlotter, 3).size(), 1u);

    // The custom tuning is reachable too.
    organize.SelectTuning(kCustomTuning);
    EXPECT_EQ(organize.TuningCombo()->currentText(), "Custom");
    EXPECT_EQ(organize.Tree()->topLevelItem(2)->child(0)->text(0), "Custom scale");
}

}  // namespace
