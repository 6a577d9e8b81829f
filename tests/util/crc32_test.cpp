#include "util/crc32.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "temp_dir.h"

namespace {

TEST(Crc32Test, KnownValues) {
    struct Case {
        std::string bytes;
        std::uint32_t crc;
    };
    const Case cases[] = {
        {"", 0x00000000u},
        {"a", 0xe8b7be43u},
        {"123456789", 0xcbf43926u},
        {"The quick brown fox jumps over the lazy dog", 0x414fa339u},
        {std::string(1, '\0'), 0xd202ef8du},
        {std::string(4, '\xff'), 0xffffffffu},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Crc32(c.bytes), c.crc) << c.bytes;
    }
}

TEST(Crc32Test, ContinuingOverPiecesGivesTheWholeCrc) {
    const std::string text = "<chords><basenote note=\"C\"/></chords>";
    for (std::size_t cut = 0; cut <= text.size(); cut += 7) {
        EXPECT_EQ(Crc32(text.substr(cut), Crc32(text.substr(0, cut))), Crc32(text)) << cut;
    }
}

TEST(Crc32Test, TextIsEightLowerCaseDigits) {
    EXPECT_EQ(Crc32Text(0xcbf43926u), "cbf43926");
    EXPECT_EQ(Crc32Text(0xABCDEF01u), "abcdef01");
    EXPECT_EQ(Crc32Text(1), "00000001");
}

TEST(Crc32Test, FileCrcAndItsFailures) {
    TempDir dir;
    const std::string path = (dir / "chords.xml").string();
    {
        std::ofstream out(path, std::ios::binary);
        // Larger than one read, so the pieces must chain.
        for (int i = 0; i < 10000; ++i) {
            out << "123456789";
        }
    }
    std::string whole;
    for (int i = 0; i < 10000; ++i) {
        whole += "123456789";
    }
    const Result<std::uint32_t> ok = FileCrc32(path);
    ASSERT_TRUE(ok) << ok.Error().message;
    EXPECT_EQ(ok.Value(), Crc32(whole));
    EXPECT_EQ(Crc32Text(ok.Value()), Crc32Text(Crc32(whole)));

    const Result<std::uint32_t> missing = FileCrc32((dir / "none.xml").string());
    EXPECT_FALSE(missing);
    EXPECT_EQ(missing.Error().message, "Could not open source file: No such file or directory");

    const Result<std::uint32_t> directory = FileCrc32(dir.Path().string());
    EXPECT_FALSE(directory);
    EXPECT_EQ(directory.Error().message, "Could not open source file: Is a directory");

    if (::geteuid() != 0) {  // root reads anything
        ::chmod(path.c_str(), 0);
        const Result<std::uint32_t> denied = FileCrc32(path);
        EXPECT_EQ(denied.Message(), "Could not open source file: Permission denied");
    }
}

}  // namespace
