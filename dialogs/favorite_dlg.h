#pragma once

// CFavoriteDlg: the Add Favorite dialog, which asks for the name and description of a new
// favorite and shows what will be stored; with the caption "Edit Favorite" it changes an
// existing favorite's name and description.
//
//   CFavoriteDlg dialog(favorites, prompter, {.mode = ProgramMode::ChordPlotter,
//                        .chord = &chord, .note = root, .type = chordType, .tuningKey = key},
//                        parent);
//   if (dialog.exec() == QDialog::Accepted) store(dialog.Name(), dialog.Description());

#include <string>

#include "dialogs/framed_dialog.h"
#include "util/program_mode.h"

class CChord;
class CFavorite;
class CFavoritesList;
class Prompter;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

struct CFavoriteDlgInput {
    // "" for "Add Favorite".
    std::string caption;
    ProgramMode mode = ProgramMode::ChordPlotter;
    // The chord shown (Chord Plotter: its variation and dynamic flag); may be null.
    const CChord* chord = nullptr;
    // The root or start note, and the chord type or scale type or mode number.
    int note = 0;
    int type = 0;
    int tuningKey = 0;
    std::string name;
    std::string description;
    // The favorite being edited; null when adding.
    const CFavorite* editing = nullptr;
};

class CFavoriteDlg : public CFramedDialog {
    Q_OBJECT

public:
    CFavoriteDlg(CFavoritesList& favorites, Prompter& prompter, const CFavoriteDlgInput& input,
                 QWidget* parent = nullptr);

    // The name trimmed of spaces, and the description, as confirmed.
    std::string Name() const;
    std::string Description() const;

    QLineEdit* NameEdit() const { return nameEdit; }
    QPlainTextEdit* DescriptionEdit() const { return descriptionEdit; }
    // The read-only text shown for "Mode:", "Note:", "Type:", "Variation:" or "Dynamic:".
    QString ShownText(const QString& label) const;

protected:
    bool OnOk() override;

private:
    CFavoritesList& favorites;
    Prompter& prompter;
    CFavoriteDlgInput input;
    QLineEdit* nameEdit = nullptr;
    QPlainTextEdit* descriptionEdit = nullptr;
    QList<QPair<QString, QLabel*>> shown;
};
