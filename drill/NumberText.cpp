// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace drill {

double LenientNumber(std::string_view text) {
    std::size_t pos = text.find_first_not_of(" \t");
    if (pos == std::string_view::npos)
        return 0.0;
    double sign = 1.0;
    if (text[pos] == '+' || text[pos] == '-') {
        sign = text[pos] == '-' ? -1.0 : 1.0;
        ++pos;
    }
    // from_chars would also read "inf" and "nan"; only digits start a number.
    const bool startsNumber = pos < text.size() && ((text[pos] >= '0' && text[pos] <= '9') ||
                                                    (text[pos] == '.' && pos + 1 < text.size() &&
                                                     text[pos + 1] >= '0' && text[pos + 1] <= '9'));
    if (!startsNumber)
        return 0.0;
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data() + pos, text.data() + text.size(), value);
    if (error != std::errc{})
        return 0.0;
    return sign * value;
}

std::optional<std::int16_t> NearestInt16(double value) {
    const double rounded = std::nearbyint(value); // the default mode rounds a half to even
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() &&
          rounded <= std::numeric_limits<std::int16_t>::max()))
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::string WholeNumberText(double value) {
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed, 0);
    if (error != std::errc{})
        return "0";
    return std::string(buffer.data(), end);
}

} // namespace drill
