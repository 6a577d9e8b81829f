#include "settings/memory_settings_store.h"

#include <gtest/gtest.h>

namespace {

TEST(MemorySettingsStoreTest, ReadsAcrossTypesAndFallsBackToDefaults) {
    MemorySettingsStore store;
    store.WriteInt("S", "Number", -42);
    store.WriteText("S", "Digits", "17");
    store.WriteText("S", "Words", "17 apples");
    store.WriteText("S", "Empty", "");
    store.WriteText("S", "Huge", "99999999999");
    store.WriteText("S\\Sub", "Chord\\Loop", "x");

    EXPECT_EQ(store.ReadInt("S", "Number", 0), -42);
    EXPECT_EQ(store.ReadText("S", "Number", ""), "-42");
    EXPECT_EQ(store.ReadInt("S", "Digits", 0), 17);
    EXPECT_EQ(store.ReadInt("S", "Words", 5), 5);
    EXPECT_EQ(store.ReadInt("S", "Empty", 5), 5);
    EXPECT_EQ(store.ReadInt("S", "Huge", 5), 5);
    EXPECT_EQ(store.ReadText("S", "Empty", "default"), "");
    EXPECT_EQ(store.ReadText("S", "Missing", "default"), "default");
    EXPECT_EQ(store.ReadInt("Other", "Number", 3), 3);
    // A backslash in an entry name is part of the name, not a level.
    EXPECT_EQ(store.ReadText("S\\Sub", "Chord\\Loop", ""), "x");
    EXPECT_EQ(store.ReadText("S\\Sub\\Chord", "Loop", "none"), "none");

    store.WriteInt("S", "Digits", 3);
    EXPECT_EQ(store.ReadText("S", "Digits", ""), "3");
    EXPECT_EQ(store.Size(), 6u);
}

}  // namespace
