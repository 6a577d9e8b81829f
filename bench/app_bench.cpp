// The window's speed: from start to the first painted neck with a valid chord cache, a
// full redraw of the back buffer at zoom 2, a scroll repaint, and a tap to its repaint.
// Runs on the offscreen platform with the capture output, in a directory of its own.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <filesystem>
#include <memory>

#include "app/fretquill_app.h"
#include "app/main_frame.h"
#include "app/neck_widget.h"
#include "library/favorites_list.h"
#include "library/progression_list.h"
#include "settings/app_settings.h"
#include "settings/memory_settings_store.h"
#include "util/prompter.h"
#include "view/fretquill_view.h"
#include "view/neck_geometry.h"

namespace {

class QuietPrompter : public Prompter {
public:
    PromptAnswer Show(PromptKind, const std::string&, const std::string&) override {
        return PromptAnswer::Ok;
    }
};

std::filesystem::path benchDir;
std::unique_ptr<SettingsStore> store;
QuietPrompter quiet;

std::unique_ptr<CFretquillApp> StartWindow(int zoom, int mode) {
    CAppSettings::UseStore(std::move(store));
    CAppSettings::Instance().plotMode = static_cast<ProgramMode>(mode);
    CAppOptions options;
    options.zoom = zoom;
    options.prompter = &quiet;
    options.lock = false;
    auto app = std::make_unique<CFretquillApp>(options);
    app->Start();
    return app;
}

void EndWindow(std::unique_ptr<CFretquillApp>& app) {
    app->Shutdown();
    app.reset();
    CFavoritesList::DiscardInstance();
    CProgressionList::DiscardInstance();
    store = CAppSettings::Close();
}

// What a paint of the neck does, into an image the widget's size.
void Paint(CNeckWidget& neck) {
    static QImage target;
    if (target.size() != neck.size()) {
        target = QImage(neck.size(), QImage::Format_RGB32);
    }
    neck.render(&target);
}

void BM_StartToFirstPaintedNeck(benchmark::State& state) {
    for (auto _ : state) {
        auto app = StartWindow(1, 0);
        Paint(app->Frame().Neck());
        state.PauseTiming();
        EndWindow(app);
        state.ResumeTiming();
    }
}

void BM_FullRedrawZoom2(benchmark::State& state) {
    auto app = StartWindow(2, 0);
    CNeckWidget& neck = app->Frame().Neck();
    for (auto _ : state) {
        app->View().Redraw();
        neck.RedrawIfNeeded();
    }
    EndWindow(app);
}

void BM_ScrollRepaint(benchmark::State& state) {
    auto app = StartWindow(static_cast<int>(state.range(0)), 0);
    CNeckWidget& neck = app->Frame().Neck();
    Paint(neck);
    int step = 0;
    for (auto _ : state) {
        neck.ScrollTo((++step % 2) * 300);
        Paint(neck);
    }
    EndWindow(app);
}

void BM_TapToRepaint(benchmark::State& state) {
    const int zoom = static_cast<int>(state.range(0));
    auto app = StartWindow(zoom, 1);
    CNeckWidget& neck = app->Frame().Neck();
    int fret = 0;
    for (auto _ : state) {
        fret = fret % 8 + 1;
        QTest::mousePress(&neck, Qt::LeftButton, Qt::NoModifier,
                          QPoint(StringX(3) * zoom, (FretY(fret) + 10) * zoom));
        QTest::mouseRelease(&neck, Qt::LeftButton, Qt::NoModifier,
                            QPoint(StringX(3) * zoom, (FretY(fret) + 10) * zoom));
        Paint(neck);
    }
    EndWindow(app);
}

BENCHMARK(BM_StartToFirstPaintedNeck)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_FullRedrawZoom2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollRepaint)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TapToRepaint)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    benchDir = std::filesystem::temp_directory_path() / "fretquill-app-bench";
    std::filesystem::remove_all(benchDir);
    std::filesystem::create_directories(benchDir / "sounds");
    std::filesystem::copy_file(FRETQUILL_BINARY_DIR "/chords.xml", benchDir / "chords.xml");
    std::filesystem::copy_file(FRETQUILL_BINARY_DIR "/sounds/default.spk",
                               benchDir / "sounds/default.spk");
    ::setenv("FRETQUILL_APPDIR", benchDir.c_str(), 1);
    ::setenv("FRETQUILL_AUDIO_CAPTURE", (benchDir / "heard.wav").c_str(), 1);
    QApplication application(argc, argv);
    store = std::make_unique<MemorySettingsStore>();
    // The first run reads chords.xml and writes the cache the measured starts use.
    {
        auto app = StartWindow(1, 0);
        EndWindow(app);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(benchDir);
    return 0;
}
