// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NumberText.h"

#include <gtest/gtest.h>

TEST(NumberText, LenientParseReadsTheLeadingNumberOrZero) {
    const std::pair<const char*, double> cases[] = {
        {"S Q A", 0}, {"Q #", 0}, {"Count", 0}, {"", 0},    {"204", 204}, {" 12abc", 12},
        {"+4", 4},    {"-3", -3}, {".5", 0.5},  {"inf", 0}, {"nan", 0},   {"-", 0},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(std::string("text '") + text + "'");
        EXPECT_EQ(drill::LenientNumber(text), expected);
    }
}

// Halves go to the even neighbour; what does not fit 16 bits has no phase.
TEST(NumberText, NearestSixteenBitInteger) {
    const std::pair<double, std::optional<std::int16_t>> cases[] = {
        {0.5, 0},         {1.5, 2},      {2.5, 2},       {-0.5, 0},   {32767.4, 32767},
        {-32768, -32768}, {32767.5, {}}, {-32768.6, {}}, {1e300, {}},
    };
    for (const auto& [value, expected] : cases) {
        SCOPED_TRACE(value);
        EXPECT_EQ(drill::NearestInt16(value), expected);
    }
}
