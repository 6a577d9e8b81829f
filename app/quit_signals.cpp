#include "app/quit_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace {

int quitPipe[2] = {-1, -1};

void OnQuitSignal(int signalNumber) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(quitPipe[1], &byte, 1);
    errno = saved;
}

}  // namespace

CQuitSignals::CQuitSignals(QObject* parent) : QObject(parent) {}

CQuitSignals::~CQuitSignals() {
    if (notifier != nullptr) {
        for (const int number : {SIGTERM, SIGINT, SIGHUP}) {
            std::signal(number, SIG_DFL);
        }
    }
}

bool CQuitSignals::Install() {
    if (quitPipe[0] < 0 && ::pipe2(quitPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        quitPipe[0] = quitPipe[1] = -1;
        return false;
    }
    notifier = new QSocketNotifier(quitPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &CQuitSignals::OnPipeReadable);
    struct sigaction action {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : {SIGTERM, SIGINT, SIGHUP}) {
        sigaction(number, &action, nullptr);
    }
    return true;
}

void CQuitSignals::OnPipeReadable() {
    unsigned char byte = 0;
    int last = 0;
    while (::read(quitPipe[0], &byte, 1) == 1) {
        last = byte;
    }
    if (last != 0) {
        Q_EMIT QuitRequested(last);
    }
}
