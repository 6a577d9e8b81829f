// The window driven as a player would: its start-up paths, the neck it paints at zoom 1
// and 2, taps and sweeps with the mouse, a strum into the capture file, quitting, and the
// program without a display.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QScrollBar>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <variant>

#include "app/fretquill_app.h"
#include "app/main_frame.h"
#include "app/mode_bar_widget.h"
#include "app/neck_widget.h"
#include "app/playback_timers.h"
#include "app/qt_settings_store.h"
#include "guitar/chord_database.h"
#include "library/favorites_list.h"
#include "library/progression_list.h"
#include "settings/app_settings.h"
#include "settings/memory_settings_store.h"
#include "sound/audio/audio_output_library.h"
#include "sound/audio/audio_library.h"
#include "tests/util/recording_prompter.h"
#include "tests/util/temp_dir.h"
#include "view/fretquill_view.h"
#include "view/neck_geometry.h"

namespace {

// An audio output that writes down what it was asked to play.
class FakeAudio : public AudioLibrary {
public:
    int failingStarts = 0;
    int starts = 0;
    std::vector<int> played;

    bool StartOutput(int, int, int) override {
        ++starts;
        error = starts <= failingStarts ? AudioError::BadOutputSettings : AudioError::None;
        return error == AudioError::None;
    }
    void CloseOutput() override {}
    int LoadSong(const std::string& path) override {
        error = std::filesystem::exists(path) ? AudioError::None : AudioError::NotAModule;
        return error == AudioError::None ? 1 : 0;
    }
    bool FreeSong(int) override { return true; }
    bool HasSample(int, int) const override { return true; }
    int PlaySample(int, int index) override {
        played.push_back(index);
        sounding.insert(nextVoice);
        return nextVoice++;
    }
    void StopSound(int voice) override {
        if (voice == -3) {
            sounding.clear();
        }
        sounding.erase(voice);
    }
    bool IsPlaying(int voice) const override { return sounding.count(voice) != 0; }
    AudioError LastError() const override { return error; }
    std::string ErrorText(int code) const override { return "audio error " + std::to_string(code); }

private:
    AudioError error = AudioError::None;
    int nextVoice = 0;
    std::set<int> sounding;
};

using Entry = std::variant<int, std::string>;
// (section, entry) -> value
using Entries = std::map<std::pair<std::string, std::string>, Entry>;

// C major in standard tuning with neither chord database file: x32010, generated.
Entries ChordPlotterEntries() {
    return {{{"Settings", "PlotMode"}, 0},        {{"Settings", "SoundPack"}, std::string()},
            {{"Settings\\Chord", "Note"}, 0},     {{"Settings\\Chord", "Type"}, 0},
            {{"Settings\\Chord", "Variant"}, 1},  {{"Settings", "MutedOverlayType"}, 2},
            {{"Settings", "OpenOverlayType"}, 2}, {{"Settings\\Chord", "EnsureVisible"}, 1}};
}

// One program run in a directory of its own, with its messages recorded.
struct Window {
    TempDir dir;
    RecordingPrompter prompter;
    FakeAudio fake;
    std::vector<int> sleeps;
    std::unique_ptr<CFretquillApp> app;

    explicit Window(const Entries& entries, int zoom = 1, AudioLibrary* audio = nullptr,
                    std::unique_ptr<SettingsStore> store = nullptr) {
        ::setenv("FRETQUILL_APPDIR", dir.Path().c_str(), 1);
        if (!store) {
            store = std::make_unique<MemorySettingsStore>();
        }
        for (const auto& [key, value] : entries) {
            if (const int* number = std::get_if<int>(&value)) {
                store->WriteInt(key.first, key.second, *number);
            } else {
                store->WriteText(key.first, key.second, std::get<std::string>(value));
            }
        }
        CAppSettings::UseStore(std::move(store));
        CAppOptions options;
        options.zoom = zoom;
        options.audio = audio != nullptr ? audio : &fake;
        options.prompter = &prompter;
        options.sleep = [this](int milliseconds) { sleeps.push_back(milliseconds); };
        options.lock = false;
        app = std::make_unique<CFretquillApp>(options);
    }
    bool Start() {
        if (!app->Start()) {
            return false;
        }
        // Keys reach the window's shortcuts only while it is the active window.
        QApplication::setActiveWindow(&app->Frame());
        return true;
    }
    ~Window() {
        app.reset();
        CFavoritesList::DiscardInstance();
        CProgressionList::DiscardInstance();
        CAppSettings::Close();
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& shown : prompter.shown) {
            texts.push_back(shown.text);
        }
        return texts;
    }
    CMainFrame& Frame() { return app->Frame(); }
    CNeckWidget& Neck() { return app->Frame().Neck(); }
};

TEST(WindowStart, MessagesComeAfterTheAudioStartAndTheSavedModeIsEntered) {
    struct Case {
        const char* name;
        int failingStarts;
        std::string soundPack;
        std::vector<std::string> messages;
        int sleeps;
    };
    const std::string missingPack = "/no/such/pack.spk";
    const Case cases[] = {
        {"no chord database", 0, "", {kMissingChordFilesText}, 0},
        {"audio never starts", 11, "", {"audio error 3", kMissingChordFilesText}, 10},
        {"audio starts on the last retry", 10, "", {kMissingChordFilesText}, 10},
        {"saved pack missing", 0, missingPack, {"audio error 7", kMissingChordFilesText}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Entries entries = ChordPlotterEntries();
        entries[{"Settings", "PlotMode"}] = 2;
        entries[{"Settings", "SoundPack"}] = c.soundPack;
        Window window(entries);
        window.fake.failingStarts = c.failingStarts;
        ASSERT_TRUE(window.Start());
        EXPECT_EQ(window.Texts(), c.messages);
        EXPECT_EQ(static_cast<int>(window.sleeps.size()), c.sleeps);
        EXPECT_EQ(window.app->View().Mode(), ProgramMode::Scale);
        EXPECT_TRUE(window.Frame().Menus().scale->isChecked());
        EXPECT_TRUE(window.Frame().Bar().TypeCombo()->isVisibleTo(&window.Frame()));
        EXPECT_FALSE(window.app->View().StaticChordsAvailable());
        // A pack that would not load is forgotten, so the next start does not try it.
        EXPECT_EQ(CAppSettings::Instance().soundPack, "");
    }
}

TEST(WindowStart, ADamagedPlotModeStillStartsInAMode) {
    Entries entries = ChordPlotterEntries();
    entries[{"Settings", "PlotMode"}] = 9;
    Window window(entries);
    ASSERT_TRUE(window.Start());
    EXPECT_EQ(window.app->View().Mode(), ProgramMode::ChordPlotter);
    EXPECT_TRUE(window.Frame().Menus().plotter->isChecked());
}

QImage Picture(const QString& name, int zoom) {
    const QString suffix = zoom == 1 ? QString() : QStringLiteral("@%1x").arg(zoom);
    return QImage(":/pictures/" + name + suffix + ".png").convertToFormat(QImage::Format_RGB32);
}

// Every pixel of a sprite cell that is not the transparent black shows on the neck as it
// is in the picture; every black one inside `fill` shows the black fill.
void ExpectSprite(const QImage& neck, const QImage& sheet, int zoom, QPoint at, QPoint cell,
                  QSize size, QRect fill) {
    int drawn = 0;
    int filled = 0;
    for (int y = 0; y < size.height() * zoom; ++y) {
        for (int x = 0; x < size.width() * zoom; ++x) {
            const QRgb sprite = sheet.pixel(cell.x() * zoom + x, cell.y() * zoom + y);
            const QRgb shown = neck.pixel(at.x() * zoom + x, at.y() * zoom + y);
            if ((sprite & 0xffffff) != 0) {
                ASSERT_EQ(shown, sprite) << "sprite pixel " << x << "," << y;
                ++drawn;
            } else if (fill.contains(x / zoom, y / zoom)) {
                ASSERT_EQ(shown & 0xffffff, 0u) << "fill pixel " << x << "," << y;
                ++filled;
            }
        }
    }
    EXPECT_GT(drawn, 0);
    if (!fill.isEmpty()) {
        EXPECT_GT(filled, 0);
    }
}

TEST(WindowNeck, PaintsLabelsIconsAndColouredStringsAtTheExactGeometry) {
    for (const int zoom : {1, 2}) {
        SCOPED_TRACE(zoom);
        Window window(ChordPlotterEntries(), zoom);
        ASSERT_TRUE(window.Start());
        CNeckWidget& neck = window.Neck();
        EXPECT_EQ(neck.width(), kNeckWidth * zoom);
        EXPECT_EQ(neck.ScrollPosition(), 0);
        const QImage shown = neck.grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_GE(shown.height(), (FretY(3) + kLabelHeight) * zoom);
        const QImage sheet = Picture("142", zoom);
        const QImage board = Picture("143", zoom);
        ASSERT_FALSE(sheet.isNull());

        // x32010: the C on string 2, fret 3, over its black fill.
        const SpriteCell c = LabelCell(0);
        ExpectSprite(shown, sheet, zoom, {LabelX(2), FretY(3)}, {c.x, c.y},
                     {kLabelWidth, kLabelHeight}, QRect(5, 5, 15, 23));
        // The muted low string's X and the open G string's O at the nut.
        ExpectSprite(shown, sheet, zoom, {LabelX(1), kIconY}, {kMutedIconCell.x, kMutedIconCell.y},
                     {kIconWidth, kIconHeight}, {});
        ExpectSprite(shown, sheet, zoom, {LabelX(4), kIconY}, {kOpenIconCell.x, kOpenIconCell.y},
                     {kIconWidth, kIconHeight}, {});

        // Away from labels and icons the muted string is redder than the bare wood, the
        // open one bluer.
        const int row = 120 * zoom;
        const QRgb muted = shown.pixel(StringX(1) * zoom, row);
        const QRgb mutedWood = board.pixel(StringX(1) * zoom, row);
        EXPECT_GT(qRed(muted) - qBlue(muted), qRed(mutedWood) - qBlue(mutedWood));
        const QRgb open = shown.pixel(StringX(4) * zoom, row);
        const QRgb openWood = board.pixel(StringX(4) * zoom, row);
        EXPECT_GT(qBlue(open) - qRed(open), qBlue(openWood) - qRed(openWood));
        // A string with a fretted note is left as the wood shows it.
        EXPECT_EQ(shown.pixel(StringX(2) * zoom, row), board.pixel(StringX(2) * zoom, row));
    }
}

void MouseEvent(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

TEST(WindowNeck, TapsAndSweepsReachTheViewInLogicalPixels) {
    struct Case {
        int zoom;
        int scroll;
    };
    for (const Case c : {Case{1, 0}, Case{2, 0}, Case{1, 200}, Case{2, 111}}) {
        SCOPED_TRACE(testing::Message() << "zoom " << c.zoom << " scroll " << c.scroll);
        Entries entries = ChordPlotterEntries();
        entries[{"Settings", "SoundPack"}] =
            std::string(FRETQUILL_BINARY_DIR) + "/sounds/default.spk";
        Window window(entries, c.zoom);
        ASSERT_TRUE(window.Start());
        QTest::keyClick(&window.Frame(), Qt::Key_2, Qt::ControlModifier);
        ASSERT_EQ(window.app->View().Mode(), ProgramMode::ChordDiscoverer);
        CNeckWidget& neck = window.Neck();
        neck.ScrollTo(c.scroll);
        ASSERT_EQ(neck.ScrollPosition(), c.scroll);

        // Fret 5 of the D string, in window pixels: G.
        const QPoint tap(StringX(3) * c.zoom, (FretY(5) + 10 - c.scroll) * c.zoom);
        QTest::mouseClick(&neck, Qt::LeftButton, Qt::NoModifier, tap);
        const CChord* chord = window.app->View().Chord();
        ASSERT_NE(chord, nullptr);
        EXPECT_EQ(chord->strings[2].note, kNoteG);
        EXPECT_EQ(chord->strings[2].octave, 4);
        EXPECT_NE(window.Frame().Bar().ChordLabel()->text().toStdString(),
                  "Chord Discoverer text will go here...");

        // A sweep across the strings sounds each once, however often it crosses them
        // while they ring.
        window.fake.played.clear();
        const int y = 120 * c.zoom;
        MouseEvent(neck, QEvent::MouseButtonPress, {2, y}, Qt::LeftButton);
        for (int pass = 0; pass < 2; ++pass) {
            for (int x = 0; x < kNeckWidth * c.zoom; ++x) {
                MouseEvent(neck, QEvent::MouseMove, {x, y}, Qt::LeftButton);
            }
        }
        MouseEvent(neck, QEvent::MouseButtonRelease, {kNeckWidth * c.zoom - 1, y}, Qt::NoButton);
        EXPECT_EQ(window.fake.played.size(), 6u);
        // Moving without the button does nothing.
        MouseEvent(neck, QEvent::MouseMove, {StringX(1) * c.zoom, y}, Qt::NoButton);
        EXPECT_EQ(window.fake.played.size(), 6u);
    }
}

std::vector<std::int16_t> ReadWav(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
    std::vector<std::int16_t> frames;
    for (std::size_t i = 44; i + 1 < bytes.size(); i += 2) {
        frames.push_back(
            static_cast<std::int16_t>(static_cast<unsigned char>(bytes[i]) |
                                      (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    }
    return frames;
}

TEST(WindowSound, PlayAndStopByKeysWithWhatPlaysInTheCaptureFile) {
    struct Case {
        int strum;
        bool stillPlaying;  // a strum without loop is over after its one slot
    };
    for (const Case c : {Case{1, false}, Case{0, true}}) {
        SCOPED_TRACE(c.strum ? "strum" : "picked");
        const TempDir out;
        const std::filesystem::path heard = out.Path() / "heard.wav";
        ::setenv("FRETQUILL_AUDIO_CAPTURE", heard.c_str(), 1);
        std::chrono::nanoseconds now{0};
        CAudioOutputLibrary audio([&now] { return now; });
        {
            Entries entries = ChordPlotterEntries();
            entries[{"Settings", "SoundPack"}] =
                std::string(FRETQUILL_BINARY_DIR) + "/sounds/default.spk";
            entries[{"Settings\\Chord", "Strum"}] = c.strum;
            entries[{"Settings", "Chord\\Loop"}] = 0;
            Window window(entries, 1, &audio);
            ASSERT_TRUE(window.Start());
            EXPECT_EQ(window.Texts(), std::vector<std::string>{kMissingChordFilesText});
            QTest::keyClick(&window.Frame(), Qt::Key_Space);
            EXPECT_EQ(window.app->View().IsPlaying(), c.stillPlaying);
            EXPECT_EQ(window.app->Timers().IsRunning(100), c.stillPlaying);
            EXPECT_EQ(window.Frame().Menus().play->isEnabled(), !c.stillPlaying);
            EXPECT_EQ(window.Frame().Menus().toolStop->isEnabled(), c.stillPlaying);
            if (c.stillPlaying) {
                // One pick step per slot: the timer's handler, called as the timer would.
                now += std::chrono::milliseconds(window.app->Timers().Period(100));
                window.app->Timers().Fire(100);
                EXPECT_TRUE(window.app->View().IsPlaying());
                QTest::keyClick(&window.Frame(), Qt::Key_Escape);
                EXPECT_FALSE(window.app->View().IsPlaying());
                EXPECT_FALSE(window.app->Timers().IsRunning(100));
                EXPECT_TRUE(window.Frame().Menus().toolPlay->isEnabled());
            }
            now += std::chrono::milliseconds(500);
            window.app->Shutdown();
        }
        ::unsetenv("FRETQUILL_AUDIO_CAPTURE");
        const std::vector<std::int16_t> frames = ReadWav(heard);
        ASSERT_GE(frames.size(), 22050u / 2);
        int loudest = 0;
        for (std::size_t i = 0; i < 22050 / 4; ++i) {
            loudest = std::max(loudest, std::abs(static_cast<int>(frames[i])));
        }
        EXPECT_GT(loudest, 1000) << "the first slot sounds at once";
    }
}

TEST(WindowQuit, CtrlQClosesAndTheSettingsFileGetsTheModeShown) {
    const TempDir config;
    const QString ini = QString::fromStdString((config.Path() / "Fretquill.ini").string());
    {
        Window window(ChordPlotterEntries(), 1, nullptr, std::make_unique<CQtSettingsStore>(ini));
        ASSERT_TRUE(window.Start());
        QTest::keyClick(&window.Frame(), Qt::Key_4, Qt::ControlModifier);
        EXPECT_EQ(window.app->View().Mode(), ProgramMode::Mode);
        QTest::keyClick(&window.Frame(), Qt::Key_Q, Qt::ControlModifier);
        EXPECT_FALSE(window.Frame().isVisible());
        EXPECT_TRUE(window.app->Shutdown());
    }
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains("[Settings]")) << text.toStdString();
    EXPECT_TRUE(text.contains("\nPlotMode=3\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("\nMode\\Type=")) << text.toStdString();
}

TEST(WindowWithoutDisplay, SaysSoInOneLineAndEndsWithStatusOne) {
    for (const char* display : {"", ":4711"}) {
        SCOPED_TRACE(display);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("QT_QPA_PLATFORM");
        environment.remove("WAYLAND_DISPLAY");
        environment.insert("DISPLAY", display);
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(FRETQUILL_BINARY_DIR "/fretquill"), {});
        ASSERT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 1);
        const QString error = QString::fromLocal8Bit(program.readAllStandardError());
        EXPECT_TRUE(error.startsWith("fretquill: no display")) << error.toStdString();
        EXPECT_TRUE(error.contains("build/fretquill-cli works without one"));
        EXPECT_EQ(error.count('\n'), 1);
    }
}

}  // namespace
