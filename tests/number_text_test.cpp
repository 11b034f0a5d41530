// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <string>

// The lenient parse reads the leading number or 0; a phase is the nearest
// 16-bit integer; a whole number's text is the rounded value.
TEST(NumberText, LenientParseWholeTextsAndPhases) {
    // (Digits, points, signs, exponents and blanks in any mix: the comparison
    // with the standard conversion below.)
    const std::pair<const char*, double> cases[] = {
        {"S Q A", 0},    {"Q #", 0},     {"Count", 0},
        {"", 0},         {" 12abc", 12}, {"inf", 0},
        {"nan", 0},      {"0x10", 0},    {"1,5", 1},
        {"2e-3x", 2e-3}, {"\t-8q", -8},  {"1e400", 0},
        {"-1e-400", 0},  {"0e400", 0},   {"0.000000000000000000000000001234", 1.234e-27},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(drill::LenientNumber(text), expected) << "text '" << text << "'";
    EXPECT_TRUE(std::signbit(drill::LenientNumber("-0")));

    const std::pair<double, const char*> texts[] = {
        {0, "0"},
        {204, "204"},
        {2.5, "2"},
        {3.5, "4"},
        {-0.3, "-0"},
        {-7.5, "-8"},
        {1e20, "100000000000000000000"},
        {1e32, "0"},
        {0x1p64, "18446744073709551616"},
    };
    for (const auto& [value, expected] : texts)
        EXPECT_EQ(drill::WholeNumberText(value), expected) << value;

    // Halves go to the even neighbour; what does not fit 16 bits has no phase.
    const std::pair<double, std::optional<std::int16_t>> phases[] = {
        {0.5, 0},         {1.5, 2},      {2.5, 2},       {-0.5, 0},   {32767.4, 32767},
        {-32768, -32768}, {32767.5, {}}, {-32768.6, {}}, {1e300, {}},
    };
    for (const auto& [value, expected] : phases)
        EXPECT_EQ(drill::NearestInt16(value), expected) << value;
}

#if defined(__cpp_lib_to_chars)

// The C++ library's conversions as the measure: short decimals read to the
// same bits, longer ones to within a few units in the last place, and every
// finite double's whole-number text is the same.
TEST(NumberText, AgreesWithTheStandardConversions) {
    const auto standard = [](std::string_view text) {
        double value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        return error == std::errc{} ? value : 0.0;
    };
    std::mt19937_64 random(20260307);
    for (int i = 0; i < 20000; ++i) {
        // Up to 15 digits around a point, with a power of ten the digits
        // leave within 22 either way.
        std::string digits = std::to_string(random() % 1000000000000000);
        const int point = int(random() % (digits.size() + 1));
        const int power = int(random() % 23) - 11;
        const std::string text = digits.substr(0, point) + "." + digits.substr(point) + "e" +
                                 std::to_string(power + int(digits.size()) - point);
        const double expected = standard(text), actual = drill::LenientNumber(text);
        EXPECT_EQ(std::memcmp(&actual, &expected, sizeof actual), 0) << text << ": " << actual;
    }
    const std::string alphabet = "0123456789.eE+- x";
    for (int i = 0; i < 40000; ++i) {
        std::string text;
        for (int length = int(random() % 24); length > 0; --length)
            text += alphabet[random() % alphabet.size()];
        const std::size_t start = text.find_first_not_of(' ');
        const bool negative = start != std::string::npos && text[start] == '-';
        std::string_view number(text);
        number.remove_prefix(std::min(start, text.size()) +
                             (negative || (start < text.size() && text[start] == '+')));
        const bool startsNumber =
            !number.empty() && (std::isdigit(number[0]) ||
                                (number[0] == '.' && number.size() > 1 && std::isdigit(number[1])));
        const double expected = startsNumber ? (negative ? -1 : 1) * standard(number) : 0.0;
        const double actual = drill::LenientNumber(text);
        EXPECT_LE(std::fabs(actual - expected), 4e-15 * std::fabs(expected)) << text;

        std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        value = std::ldexp(value, -int(random() % 900));
        if (!std::isfinite(value))
            continue;
        std::array<char, 32> buffer{};
        const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                                std::chars_format::fixed, 0);
        EXPECT_EQ(drill::WholeNumberText(value),
                  error == std::errc{} ? std::string(buffer.data(), end) : "0")
            << value;
    }
}

#endif
