#include "util/safe_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "archive_test_classes.h"
#include "temp_dir.h"
#include "util/file_size_signal.h"
#include "util/text_helpers.h"

namespace fs = std::filesystem;

namespace {

Bytes ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteAll(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::size_t EntriesIn(const fs::path& dir) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

CFooList TwoFoos() {
    CFooList list;
    list.items.push_back(std::make_unique<CFoo>(1, "one"));
    list.items.push_back(std::make_unique<CFoo>(2, "two"));
    return list;
}

TEST(SafeFileTest, SaveWritesTheArchiveAndLeavesNoTemporaryFile) {
    TempDir dir;
    CFooList list = TwoFoos();
    ASSERT_TRUE(SaveObjectFile(dir / "progs.dat", list));
    Bytes expected;
    ASSERT_TRUE(StoreToBytes(list, expected));
    EXPECT_EQ(ReadAll(dir / "progs.dat"), expected);
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);

    CFooList back;
    const FileLoadResult loaded = LoadObjectFile(dir / "progs.dat", back);
    EXPECT_EQ(loaded.outcome, LoadOutcome::Loaded);
    ASSERT_EQ(back.items.size(), 2u);
    EXPECT_EQ(back.items[1]->name, "two");
}

TEST(SafeFileTest, AFailedSaveKeepsTheOldFileWholeAndSaysWhichFile) {
    TempDir dir;
    const fs::path path = dir / "fav.dat";
    WriteAll(path, {1, 2, 3});
    const Result<> failed = WriteFileSafely(path, [](ByteSink& sink) {
        const Bytes half = {9, 9};
        sink.Write(half);
        return Result<>::Fail("disk full");
    });
    EXPECT_FALSE(failed);
    EXPECT_NE(failed.Message().find("fav.dat"), std::string::npos);
    EXPECT_NE(failed.Message().find("disk full"), std::string::npos);
    EXPECT_EQ(ReadAll(path), (Bytes{1, 2, 3}));
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);

    // An archive that cannot be written (a list with a hole) is a failed save too.
    CFooList broken;
    broken.items.push_back(nullptr);
    EXPECT_FALSE(SaveObjectFile(path, broken));
    EXPECT_EQ(ReadAll(path), (Bytes{1, 2, 3}));

    const Result<> nowhere = WriteBytesSafely(dir / "missing" / "x.dat", Bytes{1});
    EXPECT_FALSE(nowhere);
    EXPECT_NE(nowhere.Message().find("x.dat"), std::string::npos);
}

TEST(SafeFileTest, ReplacingKeepsPermissionsAndSymbolicLinks) {
    TempDir dir;
    const fs::path real = dir / "real.dat";
    WriteAll(real, {1});
    ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
    const fs::path link = dir / "link.dat";
    fs::create_symlink(real, link);

    ASSERT_TRUE(WriteBytesSafely(link, Bytes{7, 8}));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadAll(real), (Bytes{7, 8}));
    struct stat info {};
    ASSERT_EQ(::stat(real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(SafeFileTest, LoadOutcomes) {
    TempDir dir;
    CFooList list;

    const FileLoadResult absent = LoadObjectFile(dir / "none.dat", list);
    EXPECT_EQ(absent.outcome, LoadOutcome::Absent);
    EXPECT_EQ(absent.Message(), "");

    WriteAll(dir / "empty.dat", {});
    EXPECT_EQ(LoadObjectFile(dir / "empty.dat", list).outcome, LoadOutcome::Empty);
    EXPECT_TRUE(fs::exists(dir / "empty.dat"));

    fs::create_directory(dir / "folder.dat");
    EXPECT_EQ(LoadObjectFile(dir / "folder.dat", list).outcome, LoadOutcome::Absent);
}

TEST(SafeFileTest, ADamagedFileIsKeptAsideAndReported) {
    TempDir dir;
    const fs::path path = dir / "progs.dat";
    WriteAll(path, {0x01, 0x00, 0x00, 0x80});
    CFooList list;
    const FileLoadResult result = LoadObjectFile(path, list);
    EXPECT_EQ(result.outcome, LoadOutcome::Damaged);
    EXPECT_FALSE(result);
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(result.keptAs, fs::path(path.string() + ".damaged"));
    EXPECT_EQ(ReadAll(result.keptAs), (Bytes{0x01, 0x00, 0x00, 0x80}));
    EXPECT_NE(result.Message().find("progs.dat"), std::string::npos);
    EXPECT_NE(result.Message().find("at byte 2"), std::string::npos) << result.Message();
    EXPECT_NE(result.Message().find(".damaged"), std::string::npos);
}

TEST(SafeFileTest, AnOlderDamagedCopyIsNeverReplaced) {
    TempDir dir;
    const fs::path path = dir / "fav.dat";
    const std::string older = path.string() + ".damaged";
    WriteAll(older, {0xAA});
    fs::create_symlink("nowhere", path.string() + ".damaged.2");  // a dangling link counts
    for (const std::uint8_t mark : {0x01, 0x02}) {
        WriteAll(path, {0x00, 0x80, mark});
        CFooList list;
        const FileLoadResult result = LoadObjectFile(path, list);
        EXPECT_EQ(result.outcome, LoadOutcome::Damaged);
        const fs::path expected = path.string() + ".damaged." + std::to_string(mark + 2);
        EXPECT_EQ(result.keptAs, expected);
        EXPECT_EQ(ReadAll(expected), (Bytes{0x00, 0x80, mark}));
        EXPECT_NE(result.Message().find(expected.string()), std::string::npos) << result.Message();
    }
    EXPECT_EQ(ReadAll(older), (Bytes{0xAA}));

    // With every numbered name taken the file stays where it is and the owner is told.
    for (int n = 5; n <= 20; ++n) {
        WriteAll(path.string() + ".damaged." + std::to_string(n), {});
    }
    WriteAll(path, {0x00, 0x80});
    CFooList list;
    const FileLoadResult full = LoadObjectFile(path, list);
    EXPECT_EQ(full.outcome, LoadOutcome::Damaged);
    EXPECT_TRUE(full.keptAs.empty());
    EXPECT_TRUE(fs::exists(path));
    EXPECT_NE(full.Message().find("could not be kept aside"), std::string::npos) << full.Message();
}

// The id of a process that has ended (and been reaped), so no process answers to it.
pid_t EndedProcessId() {
    const pid_t child = fork();
    if (child == 0) {
        _exit(0);
    }
    waitpid(child, nullptr, 0);
    return child;
}

TEST(SafeFileTest, SaveAndLoadRemoveTheTemporaryFilesOfEndedSaves) {
    const std::string dead = std::to_string(EndedProcessId());
    const std::string alive = std::to_string(getppid());
    struct Case {
        std::string name;
        bool removed;
    };
    const std::vector<Case> cases = {
        {"progs.dat.tmp-" + dead + "-0", true},
        {"progs.dat.tmp-" + dead + "-17", true},
        {"progs.dat.tmp-" + alive + "-0", false},                     // its writer runs
        {"progs.dat.tmp-" + std::to_string(getpid()) + "-3", false},  // this process's own
        {"fav.dat.tmp-" + dead + "-0", false},                        // another file's
        {"progs.dat.tmp-" + dead, false},                             // not the pattern
        {"progs.dat.tmp-" + dead + "-0x", false},
        {"progs.dat.tmp--" + dead + "-0", false},
        {"xprogs.dat.tmp-" + dead + "-0", false},
    };
    for (const bool save : {true, false}) {
        TempDir dir;
        CFooList list = TwoFoos();
        ASSERT_TRUE(SaveObjectFile(dir / "progs.dat", list));
        for (const Case& c : cases) {
            WriteAll(dir / c.name, {1, 2});
        }
        if (save) {
            ASSERT_TRUE(SaveObjectFile(dir / "progs.dat", list));
        } else {
            CFooList back;
            ASSERT_TRUE(LoadObjectFile(dir / "progs.dat", back));
        }
        for (const Case& c : cases) {
            EXPECT_EQ(fs::exists(dir / c.name), !c.removed) << c.name << (save ? " save" : " load");
        }
    }
}

TEST(SafeFileTest, ASaveBeyondTheFileSizeLimitFailsWithAMessageAndLeavesTheOldFile) {
    TempDir dir;
    const fs::path path = dir / "big.dat";
    WriteAll(path, {1, 2, 3});
    // In a child, which a SIGXFSZ would kill: the status tells what happened there.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_DFL);
        IgnoreFileSizeSignal();
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        const Result<> saved = WriteBytesSafely(path, Bytes(100000, 7));
        const bool said = saved.Message().find("Could not save " + path.string()) == 0 &&
                          saved.Message().find(std::strerror(EFBIG)) != std::string::npos;
        _exit(!saved && said ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadAll(path), Bytes({1, 2, 3}));
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

TEST(SafeFileTest, ReadOnlyFilesAreToldByTheirMode) {
    TempDir dir;
    struct Case {
        const char* name;
        mode_t mode;  // 0: no such file
        bool readOnly;
    };
    const std::vector<Case> cases = {
        {"a", 0444, true},  {"b", 0400, true},  {"c", 0644, false},
        {"d", 0464, false}, {"e", 0402, false}, {"none", 0, false},
    };
    for (const Case& c : cases) {
        if (c.mode != 0) {
            WriteAll(dir / c.name, {1});
            fs::permissions(dir / c.name, static_cast<fs::perms>(c.mode));
        }
        EXPECT_EQ(IsReadOnlyFile(dir / c.name), c.readOnly) << c.name;
    }
    EXPECT_FALSE(IsReadOnlyFile(dir.Path()));
}

TEST(SafeFileTest, DataDirectoryRule) {
    struct Case {
        bool writable;
        const char* xdg;
        const char* home;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {true, "/x", "/h", "/app/"},
        {false, "/x", "/h", "/x/fretquill/"},
        {false, "/x/", "/h", "/x/fretquill/"},
        {false, nullptr, "/h", "/h/.local/share/fretquill/"},
        {false, "", "/h/", "/h/.local/share/fretquill/"},
        {false, "relative", "/h", "/h/.local/share/fretquill/"},
        {false, nullptr, nullptr, "/app/"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseUserDataDirectory("/app/", c.writable, c.xdg, c.home), c.expected)
            << (c.xdg ? c.xdg : "(none)") << " " << c.writable;
    }
}

TEST(SafeFileTest, DataDirectoryIsAWritableApplicationDirectory) {
    TempDir dir;
    const char* old = std::getenv("FRETQUILL_APPDIR");
    const std::string saved = old ? old : "";
    ::setenv("FRETQUILL_APPDIR", dir.Path().c_str(), 1);
    EXPECT_EQ(UserDataDirectory(), dir.Path().string() + "/");
    if (old) {
        ::setenv("FRETQUILL_APPDIR", saved.c_str(), 1);
    } else {
        ::unsetenv("FRETQUILL_APPDIR");
    }
}

}  // namespace
