#pragma once

// SIGTERM, SIGINT and SIGHUP (the session ending) take the same way out as Quit: the
// handler only writes a byte to a pipe, and the event loop, woken by it, asks the window
// to quit, so the shutdown runs on the user-interface thread with every save shown.
// SIGXFSZ is ignored, so a full file-size limit fails the write (which is reported)
// instead of killing the program with its files half-saved.

#include <QObject>

class QSocketNotifier;

class CQuitSignals : public QObject {
    Q_OBJECT

public:
    explicit CQuitSignals(QObject* parent = nullptr);
    ~CQuitSignals() override;

    // Installs the handlers; false when the pipe cannot be made.
    bool Install();

Q_SIGNALS:
    void QuitRequested(int signalNumber);

private:
    void OnPipeReadable();

    QSocketNotifier* notifier = nullptr;
};
