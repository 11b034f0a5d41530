// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Numbers in the review state are stored as text in the window's elements.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace drill {

// The lenient decimal parse: the number at the start of the text, or 0 when
// the text does not start with one ("S Q A", "Q #", "Count" and "" read as
// 0). Leading blanks and a sign are allowed; the C locale is always used.
double LenientNumber(std::string_view text);

// The value taken to the nearest integer, a half to the even neighbour; empty
// when the result does not fit a signed 16-bit integer.
std::optional<std::int16_t> NearestInt16(double value);

// The plain decimal text of a whole number: "0", "1", "204".
std::string WholeNumberText(double value);

// The same two conversions without floating-point std::from_chars and
// std::to_chars, for standard libraries that lack them (emscripten's): a
// decimal prefix read by strtod and printed by snprintf, whose "C" locale is
// the only one there. They give the standard calls' results, bit for bit.
namespace portable {
double LenientNumber(std::string_view text);
std::string WholeNumberText(double value);
} // namespace portable

} // namespace drill
