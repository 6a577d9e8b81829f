#include "app/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

CInstanceLock::~CInstanceLock() {
    Release();
}

Result<> CInstanceLock::Acquire(const std::string& path) {
    Release();
    const int file = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (file < 0) {
        return Result<>::Fail("Cannot open \"" + path + "\": " + std::strerror(errno));
    }
    if (::flock(file, LOCK_EX | LOCK_NB) != 0) {
        const int reason = errno;
        ::close(file);
        return Result<>::Fail(
            reason == EWOULDBLOCK
                ? "Fretquill is already running. Use the window that is open; two windows "
                  "would overwrite each other's settings, favorites and progressions."
                : "Cannot lock \"" + path + "\": " + std::strerror(reason));
    }
    // The holder's process id, for a person looking at the file.
    const std::string pid = std::to_string(::getpid()) + "\n";
    if (::ftruncate(file, 0) == 0) {
        [[maybe_unused]] const ssize_t written = ::write(file, pid.data(), pid.size());
    }
    fd = file;
    return {};
}

void CInstanceLock::Release() {
    if (fd >= 0) {
        ::flock(fd, LOCK_UN);
        ::close(fd);
        fd = -1;
    }
}
