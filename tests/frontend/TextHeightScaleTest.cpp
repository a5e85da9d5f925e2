#include "frontend/TextHeightScale.h"

#include <gtest/gtest.h>

#include <array>

namespace quarl {
namespace {

// pixels * textHeight / 13, rounded. 13 is odd, so no product lies exactly halfway: a remainder of 6 is just under
// one half and rounds towards zero, 7 is just over and rounds away from it.
TEST(TextHeightScale, RoundsToTheNearestPixelHalvesAwayFromZero)
{
    const std::array<int, 3> cases[] = {
        // pixels, text height, scaled
        {633, 13, 633}, // text of the drawn height keeps every length
        {0, 16, 0},
        {13, 16, 16},                 // remainder 0
        {54, 16, 66},                 // 66.46, remainder 6: Label2's width at 120 dots per inch
        {2, 16, 2},                   // 2.46, remainder 6
        {11, 16, 14},                 // 13.54, remainder 7
        {385, 16, 474},               // 473.85, remainder 11
        {12, 20, 18},                 // 18.46, remainder 6
        {1, 20, 2},                   // 1.54, remainder 7
        {633, 20, 974},               // 973.85, remainder 11
        {1, 19, 1},                   // 1.46, remainder 6
        {12, 19, 18},                 // 17.54, remainder 7
        {-54, 16, -66},               // -66.46
        {-2, 16, -2},                 // -2.46
        {-11, 16, -14},               // -13.54
        {-1, 20, -2},                 // -1.54
        {1000000000, 16, 1230769231}, // the product needs more than 32 bits
        {-1000000000, 16, -1230769231},
        {2000000000, 13, 2000000000},
    };
    for (const auto& [pixels, textHeight, scaled] : cases)
        EXPECT_EQ(ScaledToTextHeight(pixels, textHeight), scaled)
            << pixels << " px for text " << textHeight << " px high";
}

} // namespace
} // namespace quarl
