// The window's start-up parts that need no main view: the command line, the display
// check, the settings file, the one-window lock and the loading worker.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QThread>

#include "app/command_line.h"
#include "app/display_check.h"
#include "app/instance_lock.h"
#include "app/picture_set.h"
#include "app/progress_dialog.h"
#include "app/qt_settings_store.h"
#include "tests/util/temp_dir.h"

namespace {

TEST(CommandLine, ArgumentsGiveZoomHelpVersionOrAnError) {
    struct Case {
        std::vector<std::string> arguments;
        int zoom;
        bool help;
        bool version;
        bool error;
    };
    const Case cases[] = {
        {{}, 0, false, false, false},
        {{"--zoom", "1"}, 1, false, false, false},
        {{"--zoom", "4"}, 4, false, false, false},
        {{"--zoom=3"}, 3, false, false, false},
        {{"--zoom", "0"}, 0, false, false, true},
        {{"--zoom", "5"}, 0, false, false, true},
        {{"--zoom", "2x"}, 0, false, false, true},
        {{"--zoom", ""}, 0, false, false, true},
        {{"--zoom"}, 0, false, false, true},
        {{"--help"}, 0, true, false, false},
        {{"-h", "--version"}, 0, true, true, false},
        {{"--zoom", "2", "--frets"}, 2, false, false, true},
    };
    for (const Case& c : cases) {
        const CommandLine line = ParseCommandLine(c.arguments);
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        EXPECT_EQ(!line.error.empty(), c.error) << line.error;
        if (!c.error) {
            EXPECT_EQ(line.zoom, c.zoom);
            EXPECT_EQ(line.help, c.help);
            EXPECT_EQ(line.version, c.version);
        }
    }
}

TEST(CommandLine, DefaultZoomIsTheLargestThatFitsTheScreen) {
    struct Case {
        int available;
        int zoom;
    };
    // 516 rows of neck and 150 pixels of menus and bars.
    for (const Case c : {Case{665, 1}, Case{666, 1}, Case{1181, 1}, Case{1182, 2}, Case{1698, 3},
                         Case{2214, 4}, Case{9000, 4}, Case{100, 1}}) {
        EXPECT_EQ(FittingZoom(c.available, 516, 150), c.zoom) << c.available;
    }
}

TEST(DisplayCheck, DisplayNamesGiveTheServersSocket) {
    struct Case {
        std::string display;
        bool valid;
        std::string socket;
        std::string host;
        int number;
    };
    const Case cases[] = {
        {":0", true, "/tmp/.X11-unix/X0", "", 0},
        {":92.0", true, "/tmp/.X11-unix/X92", "", 92},
        {"unix:3", true, "/tmp/.X11-unix/X3", "", 3},
        {"localhost:10.0", true, "", "localhost", 10},
        {"", false, "", "", 0},
        {":", false, "", "", 0},
        {"nocolon", false, "", "", 0},
        {":x", false, "", "", 0},
    };
    for (const Case& c : cases) {
        std::string socket = "?";
        std::string host = "?";
        int number = -1;
        const bool valid = XDisplaySocket(c.display, socket, host, number);
        EXPECT_EQ(valid, c.valid) << c.display;
        if (c.valid) {
            EXPECT_EQ(socket, c.socket) << c.display;
            EXPECT_EQ(host, c.host) << c.display;
            EXPECT_EQ(number, c.number) << c.display;
        }
    }
}

TEST(DisplayCheck, NoDisplayIsOneLineNamingTheCommandLineTool) {
    const std::string line = NoDisplayMessage("neither DISPLAY nor WAYLAND_DISPLAY is set");
    EXPECT_TRUE(line.starts_with("fretquill: no display"));
    EXPECT_NE(line.find("; the command-line tool build/fretquill-cli works without one"),
              std::string::npos);
    EXPECT_EQ(line.find('\n'), std::string::npos);
}

TEST(SettingsFile, EntriesLandInTheirGroupsAndReadBack) {
    const TempDir dir;
    const QString path = QString::fromStdString(dir.Path().string() + "/Fretquill.ini");
    {
        CQtSettingsStore store(path);
        store.WriteInt("Settings", "PlotMode", 3);
        store.WriteInt("Settings\\Chord", "Note", 8);
        store.WriteInt("Settings", "Chord\\Loop", 1);
        store.WriteText("Settings\\Chord", "Patterns", "123456,R6R5,1 2");
        const Result<> flushed = store.Flush();
        ASSERT_TRUE(flushed) << flushed.Message();
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains("[Settings]\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("\nPlotMode=3\n")) << text.toStdString();

    const CQtSettingsStore store(path);
    EXPECT_EQ(store.ReadInt("Settings", "PlotMode", 0), 3);
    EXPECT_EQ(store.ReadInt("Settings\\Chord", "Note", 0), 8);
    EXPECT_EQ(store.ReadInt("Settings", "Chord\\Loop", 0), 1);
    // "Chord\Loop" is one entry of Settings, not Loop in Settings\Chord.
    EXPECT_EQ(store.ReadInt("Settings\\Chord", "Loop", 7), 7);
    EXPECT_EQ(store.ReadText("Settings\\Chord", "Patterns", ""), "123456,R6R5,1 2");
    EXPECT_EQ(store.ReadInt("Settings", "Missing", 42), 42);
}

TEST(SettingsFile, DamagedNumbersReadAsTheDefault) {
    const TempDir dir;
    const QString path = QString::fromStdString(dir.Path().string() + "/Fretquill.ini");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Settings]\nPlotMode=lots\n");
    file.close();
    const CQtSettingsStore store(path);
    EXPECT_EQ(store.ReadInt("Settings", "PlotMode", 0), 0);
}

TEST(SettingsFile, AFileThatCannotBeWrittenIsReported) {
    const TempDir dir;
    // A folder where the file should be: no one, not even the superuser, writes it.
    const QString path = QString::fromStdString(dir.Path().string() + "/Fretquill.ini");
    ASSERT_TRUE(QDir().mkpath(path));
    CQtSettingsStore store(path);
    store.WriteInt("Settings", "PlotMode", 1);
    const Result<> flushed = store.Flush();
    EXPECT_FALSE(flushed);
    EXPECT_NE(flushed.Message().find("could not be written"), std::string::npos)
        << flushed.Message();
}

TEST(InstanceLock, ASecondHolderIsRefusedUntilTheFirstLetsGo) {
    const TempDir dir;
    const std::string path = dir.Path().string() + "/" + kInstanceLockName;
    CInstanceLock first;
    CInstanceLock second;
    const Result<> taken = first.Acquire(path);
    ASSERT_TRUE(taken) << taken.Message();
    const Result<> refused = second.Acquire(path);
    EXPECT_FALSE(refused);
    EXPECT_NE(refused.Message().find("already running"), std::string::npos) << refused.Message();
    first.Release();
    const Result<> retaken = second.Acquire(path);
    EXPECT_TRUE(retaken) << retaken.Message();
    EXPECT_FALSE(first.Acquire(dir.Path().string() + "/no/such/folder/lock"));
}

class RecordingPrompter : public Prompter {
public:
    std::vector<std::string> texts;
    std::vector<bool> onMainThread;
    PromptAnswer Show(PromptKind, const std::string&, const std::string& text) override {
        texts.push_back(text);
        onMainThread.push_back(QThread::currentThread() == qApp->thread());
        return PromptAnswer::Ok;
    }
};

TEST(LoadingWorker, TheTasksOwnResultCountsAndItsReportsReachTheWindowsThread) {
    for (const bool taskResult : {true, false}) {
        CPictureSet pictures(1);
        RecordingPrompter prompter;
        QThread* worker = nullptr;
        const bool result = RunWithProgress(
            [&](ProgressReporter& progress, Prompter& boxes) {
                worker = QThread::currentThread();
                progress.AddStatusLine("Reading chords.xml");
                progress.SetProgress(50);
                boxes.Show(PromptKind::Information, "Fretquill", "cache kept aside");
                return taskResult;
            },
            "Loading static chords...", pictures, prompter);
        EXPECT_EQ(result, taskResult);
        EXPECT_NE(worker, qApp->thread());
        ASSERT_EQ(prompter.texts.size(), 1u);
        EXPECT_TRUE(prompter.onMainThread[0]);
    }
}

TEST(LoadingWorker, TheSplashKeepsLinesOnceAndCannotBeClosedWhileLoading) {
    CPictureSet pictures(1);
    CProgressThreadDlg splash(pictures, "Loading static chords...");
    const int before = static_cast<int>(splash.StatusLines().size());
    EXPECT_EQ(splash.StatusLines().last(), "Initializing...");
    splash.AddStatusLine("C");
    splash.AddStatusLine("C");
    splash.AddStatusLine("Db");
    EXPECT_EQ(splash.StatusLines().size(), before + 2);
    splash.show();
    splash.reject();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_FALSE(splash.close());
    splash.Finish();
    EXPECT_FALSE(splash.isVisible());
}

}  // namespace
