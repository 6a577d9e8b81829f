#include "util/text_helpers.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct SplitCase {
    const char* text;
    char separator;
    bool collapse;
    std::vector<std::string> parts;
};

TEST(TextHelpersTest, SplitList) {
    const std::vector<SplitCase> cases = {
        {"", ',', true, {}},
        {"a,,b", ',', true, {"a", "b"}},
        {"a,,b", ',', false, {"a", "", "b"}},
        {",a", ',', true, {"", "a"}},
        {"a,", ',', true, {"a"}},
        {"a,,", ',', false, {"a", ""}},
        {"\"a;b\";c", ';', true, {"a;b", "c"}},
        {"\"say \"\"hi\"\"\",x", ',', true, {"say \"hi\"", "x"}},
        {"\"\",b", ',', true, {"", "b"}},
        {"E3,A3,D4,G4,B4,E5", ',', true, {"E3", "A3", "D4", "G4", "B4", "E5"}},
        {"\"unterminated,still one", ',', true, {"unterminated,still one"}},
        // A literal quote inside a quoted stretch does not end it.
        {"\"a\"\";b\";c", ';', true, {"a\";b", "c"}},
        {"\"\"\"\";x", ';', true, {"\"", "x"}},
    };
    for (const SplitCase& c : cases) {
        EXPECT_EQ(SplitList(c.text, c.separator, '"', c.collapse), c.parts) << c.text;
    }
}

TEST(TextHelpersTest, AppDirectoryHonoursOverrideAndEndsWithSlash) {
    setenv("FRETQUILL_APPDIR", "/tmp/fretquill-app", 1);
    EXPECT_EQ(AppDirectory(), "/tmp/fretquill-app/");
    setenv("FRETQUILL_APPDIR", "/tmp/other/", 1);
    EXPECT_EQ(AppDirectory(), "/tmp/other/");
    unsetenv("FRETQUILL_APPDIR");
    const std::string own = AppDirectory();
    EXPECT_EQ(own.back(), '/');
    EXPECT_TRUE(std::filesystem::is_directory(own));
}

TEST(TextHelpersTest, CanOpenFile) {
    const auto dir = std::filesystem::temp_directory_path() / "fretquill_can_open";
    std::filesystem::create_directories(dir);
    const auto file = dir / "here.txt";
    std::ofstream(file) << "x";
    EXPECT_TRUE(CanOpenFile(file.string()));
    EXPECT_FALSE(CanOpenFile((dir / "missing.txt").string()));
    EXPECT_FALSE(CanOpenFile(dir.string()));  // a directory is not a file to read
    std::filesystem::remove_all(dir);
}

TEST(TextHelpersTest, ToMultiBytePassesUtf8Through) {
    EXPECT_EQ(ToMultiByte("Gitarre \xC3\xA9t\xC3\xA9"), "Gitarre \xC3\xA9t\xC3\xA9");
}

}  // namespace
