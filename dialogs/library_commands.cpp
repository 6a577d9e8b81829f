#include "dialogs/library_commands.h"

#include "dialogs/library_context.h"
#include "dialogs/pattern_dlg.h"
#include "dialogs/progression_editor_dlg.h"
#include "dialogs/progression_manager_dlg.h"
#include "dialogs/tip_dlg.h"
#include "library/progression_list.h"

bool AddToProgressionCommand(QWidget* parent, const CLibraryContext& context,
                             const CAddToProgressionRequest& request) {
    CPatternDlgInput input;
    input.mode = PatternDlgMode::AddPattern;
    input.tuningKey = request.tuningKey;
    input.viewChord = request.chord;
    input.note = request.note;
    input.chordType = request.chordType;
    input.variation = request.variation;
    input.dynamic = request.dynamic;
    int progressionId = -1;
    {
        CPatternDlg dialog(context, input, parent);
        if (dialog.Run() != QDialog::Accepted || dialog.Added() == nullptr) {
            return false;
        }
        progressionId = dialog.ProgressionId();
    }
    if (CProgression* progression = context.progressions.FindProgression(progressionId)) {
        CProgressionEditorDlg editor(context, *progression, parent);
        RunModal(editor);
    }
    return true;
}

void ProgressionManagerCommand(QWidget* parent, const CLibraryContext& context, int tuningKey) {
    CProgressionManagerDlg manager(context, tuningKey, parent);
    RunModal(manager);
}

void TipOfTheDayCommand(QWidget* parent, CAppSettings& settings) {
    CTipDlg tip(settings, parent);
    RunModal(tip);
}
