#pragma once

// One window at a time: two would each write the same settings and library files at exit.
// The lock is an advisory lock on a file in the user data directory, released by the
// system when the process ends however it ends, so a crash never leaves a stale lock.

#include <string>

#include "util/result.h"

class CInstanceLock {
public:
    CInstanceLock() = default;
    ~CInstanceLock();
    CInstanceLock(const CInstanceLock&) = delete;
    CInstanceLock& operator=(const CInstanceLock&) = delete;

    // Takes the lock on `path` (created when missing). Fails when another process holds it
    // or the file cannot be opened, saying which.
    Result<> Acquire(const std::string& path);
    void Release();
    bool Held() const { return fd >= 0; }

private:
    int fd = -1;
};

inline constexpr const char* kInstanceLockName = "fretquill.lock";
