// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NumberText.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <random>

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

namespace {

template <class To, class From> To Bits(From from) {
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
}

} // namespace

// The portable conversions, which the web edition uses, against the standard
// ones: the same bits for every text and the same text for every number.
TEST(NumberText, PortableConversionsMatchTheStandardOnes) {
    const auto same = [](const std::string& text) {
        const double expected = drill::LenientNumber(text);
        const double actual = drill::portable::LenientNumber(text);
        EXPECT_EQ(Bits<std::uint64_t>(actual), Bits<std::uint64_t>(expected))
            << "text '" << text << "': " << actual << " against " << expected;
        EXPECT_EQ(drill::portable::WholeNumberText(expected), drill::WholeNumberText(expected))
            << "number " << expected;
    };
    for (const char* text : {"0",
                             "-0",
                             "+0",
                             "0.0",
                             "-0.0",
                             "204",
                             "204.5",
                             "203.5",
                             "-0.5",
                             "0.5000001",
                             "1e3",
                             "1E+3",
                             "1e",
                             "1e+",
                             "1e-",
                             "2e-3x",
                             "5.",
                             "-5.",
                             ".5",
                             "-.5",
                             ".",
                             "-.",
                             ".e5",
                             "0x10",
                             "0x1p3",
                             "1e308",
                             "1.8e308",
                             "-1e400",
                             "1e-400",
                             "-1e-400",
                             "4.9e-324",
                             "2.4e-324",
                             "1e-310",
                             "00000000000000000000000000001",
                             "1e22",
                             "1e23",
                             "9007199254740993",
                             " \t 7",
                             "\t-8q",
                             "1,5",
                             "1.5.5",
                             "--1",
                             "+-1",
                             "- 1",
                             "1e99999999999999999999",
                             "123456789012345678901234567890",
                             "0e400",
                             "0.000e-99999",
                             "99999999999999999999999999999999.5"})
        same(text);
    for (const double number : {1e31, 1e32, -1e31, 9.999999999999999e31, 0.49999999999999994, -0.0,
                                2.5, 3.5, -2.5, 4503599627370497.0})
        EXPECT_EQ(drill::portable::WholeNumberText(number), drill::WholeNumberText(number))
            << number;

    std::mt19937_64 random(20260307);
    const std::string alphabet = "0123456789.eE+- x";
    for (int i = 0; i < 40000; ++i) {
        std::string text;
        for (int length = int(random() % 14); length > 0; --length)
            text += alphabet[random() % alphabet.size()];
        same(text);
    }
    for (int i = 0; i < 40000; ++i) {
        const double number = Bits<double>(random());
        if (std::isfinite(number))
            same(drill::WholeNumberText(std::ldexp(number, -int(random() % 900))));
        EXPECT_EQ(drill::portable::WholeNumberText(number), drill::WholeNumberText(number))
            << number;
    }
}
