#include <gtest/gtest.h>

#include "frame/version_table.h"

namespace {

TEST(VersionTable, ClassifiesByTheLowSixteenBitsOfTheBuild) {
    struct Case {
        uint32_t build;
        int kind;
        bool refused;
    };
    const Case cases[] = {
        {950, 1, true},          {0x040003B6, 1, true},  // Windows 95 reports 4.0 in the high half
        {1111, 2, true},         {1212, 3, true},        {1214, 4, true},
        {1057, 12, true},        {1381, 13, true},       {0xFFFF0565, 13, true},
        {1998, 20, false},       {2222, 21, false},      {3000, 30, false},
        {2195, 40, false},       {2211, 45, false},      {2223, 45, false},
        {2239, 45, false},       {2247, 45, false},      {2250, 45, false},
        {2257, 45, false},       {2600, 50, false},      {3790, 60, false},
        {7601, 255, false},      {19045, 255, false},    {0, 255, false},
        {951, 255, false},       {0x00010000, 255, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OsKindFromBuild(c.build), c.kind) << c.build;
        EXPECT_EQ(IsRefusedOsKind(static_cast<uint8_t>(OsKindFromBuild(c.build))), c.refused) << c.build;
    }
}

TEST(VersionTable, GateRefusesOnlyCodesBetweenZeroAndTwenty) {
    // A failed query (-1) is seen as 255 and passes.
    EXPECT_FALSE(IsRefusedOsKind(static_cast<uint8_t>(-1)));
    EXPECT_FALSE(IsRefusedOsKind(0));
    EXPECT_TRUE(IsRefusedOsKind(1));
    EXPECT_TRUE(IsRefusedOsKind(19));
    EXPECT_FALSE(IsRefusedOsKind(20));
}

}  // namespace
