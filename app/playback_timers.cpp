#include "app/playback_timers.h"

void CPlaybackTimers::Start(int id, int periodMs) {
    auto& timer = timers[id];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        // Slots of 200 to 1000 ms must not drift by the coarse timer's 5 percent.
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer.get(), &QTimer::timeout, this, [this, id] { Fire(id); });
    }
    timer->start(periodMs < 1 ? 1 : periodMs);
}

void CPlaybackTimers::Stop(int id) {
    if (const auto found = timers.find(id); found != timers.end()) {
        found->second->stop();
    }
}

void CPlaybackTimers::StopAll() {
    for (auto& [id, timer] : timers) {
        timer->stop();
    }
}

bool CPlaybackTimers::IsRunning(int id) const {
    const auto found = timers.find(id);
    return found != timers.end() && found->second->isActive();
}

int CPlaybackTimers::Period(int id) const {
    const auto found = timers.find(id);
    return found != timers.end() ? found->second->interval() : 0;
}

void CPlaybackTimers::Fire(int id) {
    if (tick) {
        tick(id);
    }
}
