// The dialog tests run in one application object on the offscreen platform, with the
// library files in a directory of their own.

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "tests/util/temp_dir.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const TempDir appDir;
    ::setenv("FRETQUILL_APPDIR", appDir.Path().c_str(), 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
