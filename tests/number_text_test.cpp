#include "NumberText.h"

#include <gtest/gtest.h>
#include <limits>

using drill::LenientNumber;
using drill::NearestInt16;
using drill::WholeNumberText;

TEST(NumberText, LenientParseReadsTheLeadingNumberOrZero) {
    const std::pair<const char*, double> cases[] = {
        {"S Q A", 0}, {"Q #", 0},  {"Count", 0},  {"", 0},   {"   ", 0}, {"0", 0},     {"7", 7},
        {"204", 204}, {" 12", 12}, {"12abc", 12}, {"+4", 4}, {"-3", -3}, {"2.5", 2.5}, {".5", 0.5},
        {"3 4", 3},   {"inf", 0},  {"nan", 0},    {"-", 0},  {".", 0},   {"1e2", 100},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(std::string("text '") + text + "'");
        EXPECT_EQ(LenientNumber(text), expected);
    }
}

TEST(NumberText, PhaseRoundsHalvesToEven) {
    const std::pair<double, int> cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {2.49, 2}, {-1.5, -2}, {204, 204},
    };
    for (const auto& [value, expected] : cases) {
        SCOPED_TRACE(value);
        EXPECT_EQ(NearestInt16(value), expected);
    }
}

TEST(NumberText, ValuesOutsideSixteenBitsHaveNoPhase) {
    EXPECT_EQ(NearestInt16(32767), 32767);
    EXPECT_EQ(NearestInt16(32767.4), 32767);
    EXPECT_EQ(NearestInt16(-32768), -32768);
    EXPECT_FALSE(NearestInt16(32767.5).has_value()); // rounds to even 32768
    EXPECT_FALSE(NearestInt16(-32768.6).has_value());
    EXPECT_FALSE(NearestInt16(1e300).has_value());
    EXPECT_FALSE(NearestInt16(std::numeric_limits<double>::infinity()).has_value());
    EXPECT_FALSE(NearestInt16(std::numeric_limits<double>::quiet_NaN()).has_value());
}

TEST(NumberText, WholeNumbersAreWrittenPlain) {
    EXPECT_EQ(WholeNumberText(0), "0");
    EXPECT_EQ(WholeNumberText(1), "1");
    EXPECT_EQ(WholeNumberText(204), "204");
    EXPECT_EQ(WholeNumberText(LenientNumber("203") + 1.0), "204");
}
