// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NumberText.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <random>

// The lenient parse reads the leading number or 0; a phase is the nearest
// 16-bit integer.
TEST(NumberText, LenientParseAndPhases) {
    const std::pair<const char*, double> cases[] = {
        {"S Q A", 0}, {"Q #", 0}, {"Count", 0}, {"", 0},    {"204", 204}, {" 12abc", 12},
        {"+4", 4},    {"-3", -3}, {".5", 0.5},  {"inf", 0}, {"nan", 0},   {"-", 0},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(drill::LenientNumber(text), expected) << "text '" << text << "'";
    // Halves go to the even neighbour; what does not fit 16 bits has no phase.
    const std::pair<double, std::optional<std::int16_t>> phases[] = {
        {0.5, 0},         {1.5, 2},      {2.5, 2},       {-0.5, 0},   {32767.4, 32767},
        {-32768, -32768}, {32767.5, {}}, {-32768.6, {}}, {1e300, {}},
    };
    for (const auto& [value, expected] : phases)
        EXPECT_EQ(drill::NearestInt16(value), expected) << value;
}

// The portable conversions, which the web edition uses, give the standard
// ones' results: the same bits for every text, the same text for every number.
TEST(NumberText, PortableConversionsMatchTheStandardOnes) {
    const auto same = [](const std::string& text) {
        const double expected = drill::LenientNumber(text),
                     actual = drill::portable::LenientNumber(text);
        EXPECT_EQ(std::memcmp(&actual, &expected, sizeof actual), 0)
            << "'" << text << "': " << actual;
        EXPECT_EQ(drill::portable::WholeNumberText(expected), drill::WholeNumberText(expected))
            << expected;
    };
    const char* const edges[] = {
        "-0",    "-0.0",  "203.5", "-0.5", "1E+3", "1e",       "1e-",      "2e-3x",
        "5.",    "-.5",   ".e5",   "0x10", "1e23", "1.8e308",  "-1e400",   "-1e-400",
        "0e400", "\t-8q", "1,5",   "--1",  "+-1",  "4.9e-324", "2.4e-324", "9007199254740993",
    };
    for (const std::string text : edges)
        same(text);
    for (const std::string& digits : {std::string(20, '9'), std::string(33, '9')})
        same(digits), same("1e" + digits), same(digits + ".5");
    std::mt19937_64 random(20260307);
    const std::string alphabet = "0123456789.eE+- x";
    for (int i = 0; i < 40000; ++i) {
        std::string text;
        for (int length = int(random() % 14); length > 0; --length)
            text += alphabet[random() % alphabet.size()];
        same(text);
        std::uint64_t bits = random();
        double number;
        std::memcpy(&number, &bits, sizeof number);
        same(drill::WholeNumberText(std::ldexp(number, -int(random() % 900))));
        if (std::isfinite(number)) { // as the review's numbers always are
            EXPECT_EQ(drill::portable::WholeNumberText(number), drill::WholeNumberText(number))
                << number;
        }
    }
}
