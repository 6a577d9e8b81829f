// Opens one of the library dialogs on sample data, to look at it (not a test):
//   dialog_gallery favorite|organize|pattern|favorite-pattern|edit-pattern|add-progression|
//                  editor|manager|rename|tip

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <string>

#include "dialogs/add_progression_dlg.h"
#include "dialogs/favorite_dlg.h"
#include "dialogs/library_context.h"
#include "dialogs/message_box_prompter.h"
#include "dialogs/organize_favorites_dlg.h"
#include "dialogs/pattern_dlg.h"
#include "dialogs/progression_editor_dlg.h"
#include "dialogs/progression_manager_dlg.h"
#include "dialogs/rename_progression_dlg.h"
#include "dialogs/tip_dlg.h"
#include "library/favorites_list.h"
#include "library/import_flow.h"
#include "library/progression_list.h"
#include "settings/app_settings.h"
#include "settings/memory_settings_store.h"
#include "sound/note_player.h"

namespace {

// The gallery makes no sound.
class SilentPlayer : public NotePlayer {
public:
    bool SoundNote(const CNote&, int) override { return true; }
    bool SoundString(CTuning&, int) override { return true; }
    bool StrumStrings(const CTuning&) override { return true; }
    bool IsStringSounding(const CTuning&, int) const override { return false; }
    void StopSound(int) override {}
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::string which = argc > 1 ? argv[1] : "manager";
    CProgressionList progressions;
    CFavoritesList favorites;
    MemorySettingsStore store;
    CAppSettings settings(store);
    settings.soundPack = "sample.spk";
    settings.patterns = "1R3R,321,65432R";
    SilentPlayer player;
    CMessageBoxPrompter prompter(nullptr);
    const CLibraryContext context{progressions, favorites, settings, player, prompter};

    CChord chord;
    chord.root = kNoteA;
    chord.chordType = 5;
    chord.variation = 2;
    for (const char* name : {"A Minor", "Dark E", "Campfire G"}) {
        auto favorite = std::make_unique<CFavorite>();
        favorite->name = name;
        favorite->description = std::string("The ") + name + " I keep coming back to.";
        CopyChordWhole(favorite->chord, chord);
        favorites.AddFavorite(std::move(favorite));
    }
    auto scale = std::make_unique<CFavorite>();
    scale->mode = ProgramMode::Scale;
    scale->name = "E Blues";
    favorites.AddFavorite(std::move(scale));
    CProgression* blues = progressions.CreateProgression(0, "Twelve Bar Blues");
    blues->description = "Slow shuffle in A";
    progressions.CreateProgression(0, "Campfire");
    for (const auto& [name, pick, times] : std::vector<std::tuple<const char*, const char*, int>>{
             {"A Minor", "123456", 2}, {"D Minor", "", 1}, {"E Seventh", "1R3R4R", 4}}) {
        auto pattern = std::make_unique<CPattern>();
        pattern->name = name;
        pattern->chord.strum = *pick == '\0' ? 1 : 0;
        pattern->chord.pickPattern = pick;
        pattern->NumTimesToPlay = times;
        blues->patterns.AddPattern(std::move(pattern), true);
    }
    auto copy = CProgressionList::Clone(*blues);

    std::unique_ptr<QDialog> dialog;
    CImportFlow import(progressions, prompter);
    if (which == "favorite") {
        CFavoriteDlgInput input;
        input.chord = &chord;
        input.note = chord.root;
        input.type = chord.chordType;
        dialog = std::make_unique<CFavoriteDlg>(favorites, prompter, input);
    } else if (which == "organize") {
        dialog = std::make_unique<COrganizeFavoritesDlg>(favorites, prompter, 0);
    } else if (which == "pattern" || which == "favorite-pattern" || which == "edit-pattern") {
        CPatternDlgInput input;
        input.viewChord = &chord;
        input.note = chord.root;
        input.chordType = chord.chordType;
        input.variation = 2;
        input.target = copy.get();
        if (which == "favorite-pattern") {
            input.mode = PatternDlgMode::AddFromFavorite;
        } else if (which == "edit-pattern") {
            input.mode = PatternDlgMode::EditPattern;
            input.pattern = copy->patterns.patterns[2].get();
        }
        dialog = std::make_unique<CPatternDlg>(context, input);
    } else if (which == "add-progression") {
        dialog = std::make_unique<CAddProgressionDlg>(context, 0);
    } else if (which == "editor") {
        dialog = std::make_unique<CProgressionEditorDlg>(context, *blues);
    } else if (which == "manager") {
        dialog = std::make_unique<CProgressionManagerDlg>(context, 0);
    } else if (which == "rename") {
        dialog = std::make_unique<CRenameProgressionDlg>(import);
    } else if (which == "tip") {
        dialog = std::make_unique<CTipDlg>(settings);
    } else {
        std::fprintf(stderr, "unknown dialog %s\n", which.c_str());
        return 2;
    }
    dialog->show();
    return app.exec();
}
