#include "platform/colour.h"
#include "platform/units.h"

#include <gtest/gtest.h>

namespace vornith {
namespace {

TEST(Units, PenWidthRoundsHalfToEvenWithFloorOfOne) {
    EXPECT_EQ(penWidthPixels(0, 15), 1);
    EXPECT_EQ(penWidthPixels(7, 15), 1);   // 0.47
    EXPECT_EQ(penWidthPixels(22.5, 15), 2); // 1.5 -> 2
    EXPECT_EQ(penWidthPixels(37.5, 15), 2); // 2.5 -> 2
    EXPECT_EQ(penWidthPixels(52.5, 15), 4); // 3.5 -> 4
    EXPECT_EQ(penWidthPixels(12, 2.4), 5);
    EXPECT_EQ(penWidthPixels(-30, 15), 1);
}

TEST(Units, ColourPacksRedInLowByte) {
    EXPECT_EQ(rgb(255, 0, 0), 255U);
    EXPECT_EQ(rgb(128, 64, 64), 128U + 256U * 64U + 65536U * 64U);
    EXPECT_EQ(redOf(rgb(1, 2, 3)), 1);
    EXPECT_EQ(greenOf(rgb(1, 2, 3)), 2);
    EXPECT_EQ(blueOf(rgb(1, 2, 3)), 3);
}

} // namespace
} // namespace vornith
