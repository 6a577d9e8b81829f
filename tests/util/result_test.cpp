#include "util/result.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

Result<int> Half(int n) {
    if (n % 2 != 0) {
        return Result<int>::Fail(std::to_string(n) + " is odd", 3);
    }
    return n / 2;
}

TEST(ResultTest, FailureDescribesItsOffsetOnlyWhenItHasOne) {
    struct Case {
        Failure failure;
        std::string described;
    };
    const std::vector<Case> cases = {
        {{"unknown class name \"CFoo\"", 12}, "unknown class name \"CFoo\" at byte 12"},
        {{"truncated", 0}, "truncated at byte 0"},
        {{"Could not open source file: No such file or directory", std::nullopt},
         "Could not open source file: No such file or directory"},
        {{"", std::nullopt}, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.failure.Describe(), c.described);
    }
}

TEST(ResultTest, HoldsEitherTheValueOrTheFailure) {
    struct Case {
        int n;
        bool ok;
        int value;
        std::string message;
    };
    const std::vector<Case> cases = {
        {4, true, 2, ""},
        {0, true, 0, ""},
        {7, false, 0, "7 is odd"},
    };
    for (const Case& c : cases) {
        const Result<int> r = Half(c.n);
        EXPECT_EQ(bool(r), c.ok) << c.n;
        EXPECT_EQ(r.Ok(), c.ok) << c.n;
        EXPECT_EQ(r.Message(), c.message) << c.n;
        if (c.ok) {
            EXPECT_EQ(r.Value(), c.value) << c.n;
        } else {
            EXPECT_EQ(r.Error().message, c.message) << c.n;
            EXPECT_EQ(r.Error().offset, std::optional<std::uint64_t>(3)) << c.n;
        }
    }
}

TEST(ResultTest, AResultWithoutAValueIsSuccessUntilAFailureIsGiven) {
    const Result<> done;
    EXPECT_TRUE(done);
    EXPECT_EQ(done.Message(), "");

    const Result<> failed = Failure{"disk full", std::nullopt};
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.Error().message, "disk full");
    EXPECT_FALSE(failed.Error().offset.has_value());

    const Result<> empty = Failure{};  // a failure with nothing to say is still a failure
    EXPECT_FALSE(empty.Ok());
    EXPECT_EQ(Result<>::Fail("at the end", 9).Error().Describe(), "at the end at byte 9");
}

}  // namespace
