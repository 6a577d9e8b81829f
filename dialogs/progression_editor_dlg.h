#pragma once

// CProgressionEditorDlg: edits one progression: its name, description and tempo, and the
// order, contents and number of its patterns; plays it from a chosen pattern with a
// blinking beat light. Everything happens on a working copy, which takes the stored
// progression's place on OK; Cancel leaves the stored progression as it was.
//
//   CProgressionEditorDlg editor(context, progression, parent);
//   if (RunModal(editor) == QDialog::Accepted) row.setText(editor.Stored()->name);

#include <QTimer>
#include <memory>
#include <string>

#include "dialogs/framed_dialog.h"
#include "dialogs/library_context.h"

class CBeatLamp;
class CPattern;
class CProgression;
class CProgressionEditorPlayer;
class CSortListCtrl;
class QAction;
class QLabel;
class QLineEdit;
class QSlider;

class CProgressionEditorDlg : public CFramedDialog {
    Q_OBJECT

public:
    CProgressionEditorDlg(const CLibraryContext& context, CProgression& progression,
                          QWidget* parent = nullptr);
    ~CProgressionEditorDlg() override;

    // The progression the list holds after OK (the working copy), null before.
    CProgression* Stored() const { return stored; }
    // The working copy while the editor is open.
    const CProgression* WorkingCopy() const { return copy.get(); }

    // The tool bar's commands.
    void AddFromFavorite();
    void EditPattern();
    void DeletePattern();
    void MoveDown();
    void MoveUp();
    void Stop();
    void Play();
    // One tick of the beat timer.
    void BeatTick();

    bool IsPlaying() const;
    int BeatPeriodMs() const;
    CSortListCtrl* PatternList() const { return patternList; }
    QLineEdit* NameEdit() const { return nameEdit; }
    QLineEdit* DescriptionEdit() const { return descriptionEdit; }
    QSlider* TempoSlider() const { return tempoSlider; }
    QLabel* TempoLabel() const { return tempoLabel; }
    CBeatLamp* Lamp() const { return lamp; }
    QAction* Action(const QString& text) const;

protected:
    bool OnOk() override;
    void OnCancel() override;
    void done(int result) override;

private:
    void FillPatterns();
    void SetRow(int row, const CPattern& pattern);
    void SizeColumns();
    void TempoChanged(int bpm);
    void UpdateToolBar();
    void MarkSounding();
    int SelectedPatternId() const;
    // Stops playback before another dialog opens over the editor.
    void StopForDialog();

    CLibraryContext context;
    const int progressionId;
    std::string startingName;
    std::unique_ptr<CProgression> copy;
    std::unique_ptr<CProgressionEditorPlayer> player;
    CProgression* stored = nullptr;
    QTimer beatTimer;

    QLineEdit* nameEdit = nullptr;
    QLineEdit* descriptionEdit = nullptr;
    QSlider* tempoSlider = nullptr;
    QLabel* tempoLabel = nullptr;
    CBeatLamp* lamp = nullptr;
    CSortListCtrl* patternList = nullptr;
    QAction* addAction = nullptr;
    QAction* editAction = nullptr;
    QAction* deleteAction = nullptr;
    QAction* downAction = nullptr;
    QAction* upAction = nullptr;
    QAction* stopAction = nullptr;
    QAction* playAction = nullptr;
};

inline constexpr const char* kEnterEditedProgressionName =
    "Please enter a name for this progression before clicking OK";
