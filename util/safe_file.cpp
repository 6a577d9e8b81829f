#include "util/safe_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "util/archive_object.h"
#include "util/object_archive.h"
#include "util/text_helpers.h"

namespace fs = std::filesystem;

namespace {

constexpr int kMaxDamagedCopies = 20;

std::string ErrnoText(int error) {
    return std::strerror(error);
}

class FdSink : public ByteSink {
public:
    explicit FdSink(int fd) : fd_(fd) {}

    bool Write(std::span<const std::uint8_t> bytes) override {
        const std::uint8_t* data = bytes.data();
        std::size_t left = bytes.size();
        while (left > 0) {
            const ssize_t n = ::write(fd_, data, left);
            if (n < 0) {
                if (errno == EINTR) {
                    continue;
                }
                error = ErrnoText(errno);
                return false;
            }
            data += n;
            left -= static_cast<std::size_t>(n);
        }
        return true;
    }

    std::string error;

private:
    int fd_;
};

class FdSource : public ByteSource {
public:
    FdSource(int fd, std::uint64_t size) : fd_(fd), size_(size) {}

    std::size_t Read(std::span<std::uint8_t> into) override {
        std::size_t got = 0;
        while (got < into.size()) {
            const ssize_t n = ::read(fd_, into.data() + got, into.size() - got);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                break;
            }
            got += static_cast<std::size_t>(n);
        }
        return got;
    }
    std::uint64_t Size() const override { return size_; }

private:
    int fd_;
    std::uint64_t size_;
};

// Closes a descriptor on every way out.
class FdGuard {
public:
    explicit FdGuard(int fd) : fd_(fd) {}
    FdGuard(const FdGuard&) = delete;
    FdGuard& operator=(const FdGuard&) = delete;
    ~FdGuard() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int Get() const { return fd_; }
    // Closes now and reports a close fault (which can be a late write fault).
    int Close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

fs::path TemporaryBeside(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    fs::path temp = target;
    temp += ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    return temp;
}

// The process id of a temporary file name "<file>.tmp-PID-N"; 0 when the name is not one.
pid_t TemporaryOwner(std::string_view name, std::string_view file) {
    const std::string prefix = std::string(file) + ".tmp-";
    if (name.substr(0, prefix.size()) != prefix) {
        return 0;
    }
    const std::string_view rest = name.substr(prefix.size());
    const std::size_t dash = rest.find('-');
    const auto allDigits = [](std::string_view digits) {
        return !digits.empty() && digits.size() <= 10 &&
               digits.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (dash == std::string_view::npos || !allDigits(rest.substr(0, dash)) ||
        !allDigits(rest.substr(dash + 1))) {
        return 0;
    }
    const unsigned long long pid = std::stoull(std::string(rest.substr(0, dash)));
    return pid > 0 && pid <= static_cast<unsigned long long>(INT_MAX) ? static_cast<pid_t>(pid) : 0;
}

void SyncDirectory(const fs::path& dir) {
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

Result<> WriteFileSafely(const fs::path& path, const std::function<Result<>(ByteSink&)>& write) {
    const auto failed = [&](const std::string& why) {
        return Result<>::Fail("Could not save " + path.string() + ": " + why);
    };
    std::error_code ec;
    fs::path target = path;
    if (fs::is_symlink(path, ec)) {
        target = fs::weakly_canonical(path, ec);
        if (ec) {
            return failed(ec.message());
        }
    }
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode)) {
        return failed("it is not a regular file");
    }

    RemoveStaleTemporaries(target);
    const fs::path temp = TemporaryBeside(target);
    FdGuard fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.Get() < 0) {
        return failed(ErrnoText(errno));
    }
    const auto abandon = [&](const std::string& why) {
        ::unlink(temp.c_str());
        return failed(why);
    };
    if (replacing) {
        ::fchmod(fd.Get(), old.st_mode & 07777);
    }
    FdSink sink(fd.Get());
    if (const Result<> written = write(sink); !written) {
        return abandon(!sink.error.empty() ? sink.error : written.Error().message);
    }
    if (::fsync(fd.Get()) != 0) {
        return abandon(ErrnoText(errno));
    }
    if (fd.Close() != 0) {
        return abandon(ErrnoText(errno));
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        return abandon(ErrnoText(errno));
    }
    SyncDirectory(target.parent_path());
    return {};
}

Result<> WriteBytesSafely(const fs::path& path, std::span<const std::uint8_t> bytes) {
    return WriteFileSafely(path, [&](ByteSink& sink) {
        return sink.Write(bytes) ? Result<>() : Result<>::Fail("the data could not be written");
    });
}

Result<> SaveObjectFile(const fs::path& path, CObject& root) {
    // A failure's message goes into the save's own, which names the file.
    return WriteFileSafely(path, [&](ByteSink& sink) { return StoreArchive(root, sink); });
}

Result<fs::path> KeepDamagedFile(const fs::path& path) {
    // A damaged file kept earlier may hold the only copy of what the player had, so it
    // is never replaced: later ones take the next free number.
    for (int n = 1; n <= kMaxDamagedCopies; ++n) {
        fs::path damaged = path;
        damaged += n == 1 ? std::string(".damaged") : ".damaged." + std::to_string(n);
        struct stat existing {};
        if (::lstat(damaged.c_str(), &existing) == 0) {
            continue;
        }
        if (errno != ENOENT) {
            return Result<fs::path>::Fail(ErrnoText(errno));
        }
        if (::rename(path.c_str(), damaged.c_str()) != 0) {
            return Result<fs::path>::Fail(ErrnoText(errno));
        }
        return damaged;
    }
    return Result<fs::path>::Fail("there are already " + std::to_string(kMaxDamagedCopies) +
                                  " damaged copies of it");
}

void RemoveStaleTemporaries(const fs::path& path) {
    std::error_code ec;
    fs::path target = path;
    if (fs::is_symlink(path, ec)) {
        target = fs::weakly_canonical(path, ec);
        if (ec) {
            return;
        }
    }
    const std::string file = target.filename().string();
    const fs::path dir = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const pid_t owner = TemporaryOwner(it->path().filename().string(), file);
        // Only a writer that has ended for certain: a running one (or one of another user,
        // which kill cannot reach) may still be about to rename its file into place.
        if (owner == 0 || owner == ::getpid() || ::kill(owner, 0) == 0 || errno != ESRCH) {
            continue;
        }
        struct stat info {};
        if (::lstat(it->path().c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
            ::unlink(it->path().c_str());
        }
    }
}

bool IsReadOnlyFile(const fs::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

FileLoadResult LoadObjectFile(const fs::path& path, CObject& root, const CClassRegistry& registry) {
    RemoveStaleTemporaries(path);
    FdGuard fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0) {
        const int error = errno;
        if (error == ENOENT) {
            return FileLoadResult{LoadOutcome::Absent, std::nullopt, {}};
        }
        return FileLoadResult{LoadOutcome::Absent, Failure{ErrnoText(error), {}}, {}};
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) {
        return FileLoadResult{LoadOutcome::Absent, Failure{ErrnoText(errno), {}}, {}};
    }
    if (!S_ISREG(info.st_mode)) {
        return FileLoadResult{
            LoadOutcome::Absent, Failure{path.string() + " is not a regular file", {}}, {}};
    }
    if (info.st_size == 0) {
        return FileLoadResult{LoadOutcome::Empty, std::nullopt, {}};
    }
    FdSource source(fd.Get(), static_cast<std::uint64_t>(info.st_size));
    const Result<> loaded = LoadArchive(root, source, registry);
    fd.Close();
    if (loaded) {
        return FileLoadResult{};
    }
    Failure failure{"Could not read " + path.string() + " (" + loaded.Error().Describe() + ").",
                    loaded.Error().offset};
    const Result<fs::path> kept = KeepDamagedFile(path);
    fs::path keptAs;
    if (kept) {
        keptAs = kept.Value();
        failure.message += " It was kept as " + keptAs.string() + ".";
    } else {
        failure.message += " It could not be kept aside (" + kept.Error().message + ").";
    }
    return FileLoadResult{LoadOutcome::Damaged, std::move(failure), std::move(keptAs)};
}

std::string ChooseUserDataDirectory(const std::string& appDirectory, bool appDirectoryWritable,
                                    const char* xdgDataHome, const char* home) {
    if (appDirectoryWritable) {
        return appDirectory;
    }
    // Relative XDG paths are to be ignored, so a stray value cannot scatter files.
    if (xdgDataHome != nullptr && xdgDataHome[0] == '/') {
        std::string dir = xdgDataHome;
        if (dir.back() != '/') {
            dir += '/';
        }
        return dir + "fretquill/";
    }
    if (home != nullptr && home[0] == '/') {
        std::string dir = home;
        if (dir.back() != '/') {
            dir += '/';
        }
        return dir + ".local/share/fretquill/";
    }
    // No home to fall back on: keep to the application directory and let saving report.
    return appDirectory;
}

std::string UserDataDirectory() {
    const std::string app = AppDirectory();
    const bool writable = ::access(app.c_str(), W_OK | X_OK) == 0;
    const std::string dir =
        ChooseUserDataDirectory(app, writable, std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    if (dir != app) {
        std::error_code ec;
        fs::create_directories(dir, ec);
    }
    return dir;
}
