// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NumberText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace drill {
namespace {

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// 10^0 to 10^22: each is exact in a double.
constexpr std::array<double, 23> kPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// mantissa × 10^exponent. Where both the mantissa and the power of ten are
// exact doubles, one multiplication or division rounds the exact result
// once, correctly; elsewhere each step of 10^22 may round once more.
double Scale(std::uint64_t mantissa, int exponent) {
    double value = static_cast<double>(mantissa);
    for (; exponent > 22 && std::isfinite(value); exponent -= 22)
        value *= kPowersOfTen[22];
    for (; exponent < -22 && value != 0.0; exponent += 22)
        value /= kPowersOfTen[22];
    if (exponent > 22 || exponent < -22)
        return value; // beyond a double's range: infinite or 0
    return exponent < 0 ? value / kPowersOfTen[static_cast<std::size_t>(-exponent)]
                        : value * kPowersOfTen[static_cast<std::size_t>(exponent)];
}

} // namespace

double LenientNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    double sign = 1.0;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        sign = text.front() == '-' ? -1.0 : 1.0;
        text.remove_prefix(1);
    }
    // Digits, then a point and digits; only a digit, or a point and a digit,
    // start a number ("inf", "nan" and "0x" read no further than a digit).
    std::uint64_t mantissa = 0;
    int exponent = 0, significant = 0;
    bool digits = false, dropped = false;
    std::size_t at = 0;
    const auto readDigits = [&](bool afterPoint) {
        for (; at < text.size() && IsDigit(text[at]); ++at) {
            digits = true;
            const int digit = text[at] - '0';
            if (significant < 19) {
                mantissa = mantissa * 10 + static_cast<std::uint64_t>(digit);
                significant += mantissa != 0;
                exponent -= afterPoint;
            } else {
                dropped |= digit != 0;
                exponent += !afterPoint;
            }
        }
    };
    readDigits(false);
    if (at < text.size() && text[at] == '.') {
        ++at;
        readDigits(true);
    }
    if (!digits)
        return 0.0;
    // An exponent counts only where a digit follows its sign.
    if (at + 1 < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t next = at + 1;
        const bool negative = text[next] == '-';
        next += text[next] == '+' || text[next] == '-';
        int power = 0;
        for (; next < text.size() && IsDigit(text[next]); ++next)
            power = std::min(power * 10 + (text[next] - '0'), 100000);
        if (next > at + 1 && IsDigit(text[next - 1]))
            exponent += negative ? -power : power;
    }
    if (mantissa == 0)
        return sign * 0.0;
    const double value = Scale(mantissa, exponent);
    if (value == 0.0 || !std::isfinite(value))
        return 0.0; // out of a double's range
    return sign * value;
}

std::string WholeNumberText(double value) {
    if (std::isnan(value))
        return std::signbit(value) ? "-nan" : "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    const double whole = std::fabs(std::nearbyint(value)); // a half to even
    std::string digits;
    if (whole < 0x1p64) {
        for (auto number = static_cast<std::uint64_t>(whole); digits.empty() || number != 0;
             number /= 10)
            digits += static_cast<char>('0' + number % 10);
    } else if (whole < 0x1p107) { // beyond that, over 32 digits
        // whole = m × 2^shift with m below 2^53: m doubled shift times, in
        // base-10^9 limbs, lowest first; four hold 36 digits.
        int shift = 0;
        const double fraction = std::frexp(whole, &shift);
        const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
        std::array<std::uint64_t, 4> limbs{mantissa % 1000000000, mantissa / 1000000000};
        for (shift -= 53; shift > 0; shift -= 29) {
            const int bits = std::min(shift, 29);
            std::uint64_t carry = 0;
            for (std::uint64_t& limb : limbs) {
                const std::uint64_t product = (limb << bits) + carry;
                limb = product % 1000000000;
                carry = product / 1000000000;
            }
        }
        std::size_t used = limbs.size();
        while (limbs[used - 1] == 0)
            --used;
        for (std::size_t i = 0; i < used; ++i)
            for (int place = 0; place < 9 && (i + 1 < used || limbs[i] != 0); ++place)
                digits += static_cast<char>('0' + limbs[i] % 10), limbs[i] /= 10;
    } else {
        return "0";
    }
    if (std::signbit(value))
        digits += '-';
    if (digits.size() > 32)
        return "0";
    std::reverse(digits.begin(), digits.end());
    return digits;
}

std::optional<std::int16_t> NearestInt16(double value) {
    const double rounded = std::nearbyint(value); // the default mode rounds a half to even
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() &&
          rounded <= std::numeric_limits<std::int16_t>::max()))
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

} // namespace drill
