#pragma once

// The splash shown while the chord database loads on a worker thread, and the one way the
// program runs work on a second thread.
//
//   const bool ok = RunWithProgress(
//       [&](ProgressReporter& progress, Prompter& prompter) { return Load(progress, prompter); },
//       "Loading static chords...", zoom, prompter);
//
// The task's status lines, progress and message boxes reach the user-interface thread as
// queued signals; the splash closes on the worker's finished signal and cannot be closed
// by the player meanwhile. It appears only when the task is still running after a quarter
// of a second, so a start from the chord cache shows none.

#include <QDialog>
#include <QStringList>
#include <functional>

#include "guitar/progress_reporter.h"
#include "util/prompter.h"

class CPictureSet;
class QTimer;

inline constexpr int kSplashDelayMilliseconds = 250;
inline constexpr int kSplashWidth = 240;
inline constexpr int kSplashHeight = 268;

// Hands the worker's reports to the user-interface thread. Lives on that thread; its
// ProgressReporter and Prompter operations may be called from the worker.
class CProgressSignals : public QObject, public ProgressReporter, public Prompter {
    Q_OBJECT

public:
    // prompter shows the worker's message boxes on the user-interface thread.
    explicit CProgressSignals(Prompter& prompter, QObject* parent = nullptr);

    void AddStatusLine(const std::string& text) override;
    void SetProgress(int percent) override;
    // Blocks the worker until the player has answered on the user-interface thread.
    PromptAnswer Show(PromptKind kind, const std::string& title, const std::string& text) override;

Q_SIGNALS:
    void StatusLine(const QString& text);
    void Progress(int percent);

private:
    Prompter& prompter;
};

// The splash: its picture, the status lines scrolling in the black panel, the progress bar.
class CProgressThreadDlg : public QDialog {
    Q_OBJECT

public:
    CProgressThreadDlg(CPictureSet& pictures, const QString& title, QWidget* parent = nullptr);

    void AddStatusLine(const QString& text);
    void SetProgress(int percent);
    // Lets the dialog close: the worker has ended.
    void Finish();

    const QStringList& StatusLines() const { return lines; }
    int Percent() const { return percent; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

public Q_SLOTS:
    void reject() override;

private:
    CPictureSet& pictures;
    QStringList lines;
    int percent = 0;
    bool finished = false;
};

// The lines the splash and the About panel begin with.
QStringList StartupStatusLines();

// Runs task on a worker thread at low priority behind the splash and returns the task's
// own result. The user-interface thread keeps running its event loop meanwhile.
bool RunWithProgress(const std::function<bool(ProgressReporter&, Prompter&)>& task,
                     const QString& title, CPictureSet& pictures, Prompter& prompter,
                     QWidget* parent = nullptr, int splashDelay = kSplashDelayMilliseconds);
