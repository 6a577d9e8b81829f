#pragma once

// The view's playback timers (100 for chords and progressions, 200 for scales): precise
// Qt timers, each calling `tick` with its id once per time slot. Tests call Fire instead
// of waiting.

#include <QObject>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

class CPlaybackTimers : public QObject {
    Q_OBJECT

public:
    explicit CPlaybackTimers(QObject* parent = nullptr) : QObject(parent) {}

    // Starts (or restarts) timer id with a period in milliseconds.
    void Start(int id, int periodMs);
    void Stop(int id);
    void StopAll();
    bool IsRunning(int id) const;
    int Period(int id) const;

    // The timer's handler: what a timeout runs.
    void Fire(int id);

    std::function<void(int id)> tick;

private:
    std::map<int, std::unique_ptr<QTimer>> timers;
};
