#pragma once

// CProgressionManagerDlg: the progressions of one tuning, the details of the selected one,
// and their commands: New, Edit, Delete, Export, Import, Play and Stop. New, Edit, Delete
// and Import stop the manager's playback first, so it never plays a progression that was
// replaced or removed.
//
//   CProgressionManagerDlg manager(context, currentTuningKey, parent);
//   RunModal(manager);

#include <QTimer>
#include <memory>

#include "dialogs/framed_dialog.h"
#include "dialogs/library_context.h"

class CComboChoiceList;
class CProgression;
class CProgressionManagerPlayer;
class CSortListCtrl;
class QAction;
class QComboBox;
class QLabel;
class QTreeWidget;

inline constexpr const char* kNoDetailsText =
    "Select a progression above to have its details show here.";

class CProgressionManagerDlg : public CFramedDialog {
    Q_OBJECT

public:
    CProgressionManagerDlg(const CLibraryContext& context, int currentTuningKey,
                           QWidget* parent = nullptr);
    ~CProgressionManagerDlg() override;

    // The tool bar's commands.
    void NewProgression();
    void EditProgression();
    void DeleteProgression();
    void Export();
    void Import();
    void Stop();
    void Play();
    // One tick of the play timer.
    void PlayTick();

    bool IsPlaying() const;
    int PlayPeriodMs() const;
    int SelectedTuning() const;
    void SelectTuning(int tuningKey);
    QComboBox* TuningCombo() const { return tuningCombo; }
    QLabel* TuningNameLabel() const { return tuningName; }
    CSortListCtrl* ProgressionList() const { return list; }
    QTreeWidget* Details() const { return details; }
    QAction* Action(const QString& text) const;

protected:
    void OnCancel() override;
    void done(int result) override;

private:
    void FillList();
    void TuningChanged();
    void UpdateToolBar();
    void ShowDetails();
    CProgression* SelectedProgression() const;
    void StopPlaying();

    CLibraryContext context;
    std::unique_ptr<CProgressionManagerPlayer> player;
    QTimer playTimer;
    QComboBox* tuningCombo = nullptr;
    CComboChoiceList* tunings = nullptr;
    QLabel* tuningName = nullptr;
    CSortListCtrl* list = nullptr;
    QTreeWidget* details = nullptr;
    QList<QAction*> actions;
    QAction* newAction = nullptr;
    QAction* editAction = nullptr;
    QAction* deleteAction = nullptr;
    QAction* exportAction = nullptr;
    QAction* importAction = nullptr;
    QAction* stopAction = nullptr;
    QAction* playAction = nullptr;
};
