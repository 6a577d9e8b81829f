#include "view/neck_hit_test.h"

#include <gtest/gtest.h>

TEST(NeckHitTest, Placeholder) {
    EXPECT_EQ(HitTest(30, 50).string, -1);
}
