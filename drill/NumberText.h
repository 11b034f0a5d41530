// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Numbers in the review state are stored as text in the window's elements.
// The two conversions are written out here rather than taken from the C or
// C++ library, so that every build (the web one included, whose library
// lacks floating-point from_chars and to_chars) runs the same small code.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace drill {

// The lenient decimal parse: the number at the start of the text, or 0 when
// the text does not start with one ("S Q A", "Q #", "Count" and "" read as
// 0). Leading blanks and a sign are allowed; the point is always '.'. A
// number too large for a double, or too small to be told from 0, reads as 0.
// Up to 19 significant digits are read; the result is the correctly rounded
// double wherever the digits make an integer up to 2^53 and the power of ten
// is at most 22 either way (every number the review keeps), and within a few
// parts in 10^15 otherwise.
double LenientNumber(std::string_view text);

// The value taken to the nearest integer, a half to the even neighbour; empty
// when the result does not fit a signed 16-bit integer.
std::optional<std::int16_t> NearestInt16(double value);

// The plain decimal text of the value taken to the nearest whole number, a
// half to the even one: "0", "1", "204", "-0". Exact for every finite value;
// "0" where that takes more than 32 characters.
std::string WholeNumberText(double value);

} // namespace drill
