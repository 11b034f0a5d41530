// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <utility>

namespace drill {
namespace {

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The decimal number at the start of text: digits, a point and digits, and an
// exponent where digits follow its sign. Its length, or 0 if there is none.
std::size_t DecimalPrefix(std::string_view text) {
    std::size_t end = 0, digits = 0;
    while (end < text.size() && IsDigit(text[end]))
        ++end, ++digits;
    if (end < text.size() && text[end] == '.')
        for (++end; end < text.size() && IsDigit(text[end]); ++end)
            ++digits;
    if (digits == 0)
        return 0;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        if (exponent < text.size() && IsDigit(text[exponent])) {
            end = exponent;
            while (end < text.size() && IsDigit(text[end]))
                ++end;
        }
    }
    return end;
}

// The number at the start of text, empty where there is none, or where it is
// too large for a double or too small to be told from 0: std::from_chars
// reports those out of range.
std::optional<double> ParsePortable(std::string_view number) {
    const std::string text(number.substr(0, DecimalPrefix(number)));
    if (text.empty())
        return std::nullopt;
    const double value = std::strtod(text.c_str(), nullptr);
    const std::string mantissa = text.substr(0, text.find_first_of("eE"));
    if (std::isinf(value) ||
        (value == 0.0 && mantissa.find_first_of("123456789") != std::string::npos))
        return std::nullopt;
    return value;
}

// The sign of a number text, and the text after its leading blanks and sign.
std::pair<double, std::string_view> SplitSign(std::string_view text) {
    const std::size_t start = std::min(text.find_first_not_of(" \t"), text.size());
    text.remove_prefix(start);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        const double sign = text.front() == '-' ? -1.0 : 1.0;
        return {sign, text.substr(1)};
    }
    return {1.0, text};
}

} // namespace

namespace portable {

double LenientNumber(std::string_view text) {
    const auto [sign, number] = SplitSign(text);
    const std::optional<double> value = ParsePortable(number);
    return value ? sign * *value : 0.0;
}

std::string WholeNumberText(double value) {
    // At most 32 characters, as the standard path's buffer holds.
    std::array<char, 33> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.0f", value);
    if (length < 0 || length >= static_cast<int>(buffer.size()))
        return "0";
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

} // namespace portable

#if defined(__cpp_lib_to_chars)

double LenientNumber(std::string_view text) {
    const auto [sign, number] = SplitSign(text);
    // from_chars would also read "inf" and "nan"; only digits, or a point
    // and a digit, start a number.
    const bool startsNumber =
        !number.empty() &&
        (IsDigit(number[0]) || (number[0] == '.' && number.size() > 1 && IsDigit(number[1])));
    if (!startsNumber)
        return 0.0;
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc{})
        return 0.0;
    return sign * value;
}

std::string WholeNumberText(double value) {
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed, 0);
    if (error != std::errc{})
        return "0";
    return std::string(buffer.data(), end);
}

#else // a standard library without floating-point from_chars and to_chars

double LenientNumber(std::string_view text) {
    return portable::LenientNumber(text);
}

std::string WholeNumberText(double value) {
    return portable::WholeNumberText(value);
}

#endif

std::optional<std::int16_t> NearestInt16(double value) {
    const double rounded = std::nearbyint(value); // the default mode rounds a half to even
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() &&
          rounded <= std::numeric_limits<std::int16_t>::max()))
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

} // namespace drill
