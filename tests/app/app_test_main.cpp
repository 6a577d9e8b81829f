// The window's tests run in one application object on the offscreen platform, with the
// program's files and settings in a directory of their own.

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "tests/util/temp_dir.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const TempDir home;
    ::setenv("FRETQUILL_APPDIR", home.Path().c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home.Path().string() + "/config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home.Path().string() + "/data").c_str(), 1);
    ::unsetenv("FRETQUILL_AUDIO_CAPTURE");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
