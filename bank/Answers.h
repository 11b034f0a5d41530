// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The graded test's two rules, for the desktop and the web page alike: the
// four answers to choose from, and whether a written answer is right.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace bank {

inline constexpr int kChoiceCount = 4;
// The draws that make a set of choices: one for each other answer, then one
// for each place but the first, to shuffle them.
inline constexpr std::size_t kChoiceDraws = 2 * (kChoiceCount - 1);

// The item's answer and three answers of other items, in random order. The
// others differ from the right one and from each other (letter case and
// blanks ignored) and come first from the item's own section, then from
// items whose answer has the same unit, then from any item. The draws, each
// in [0, 1), decide which answers and where, so the same draws give the
// same choices every time.
std::array<std::string_view, kChoiceCount> Choices(int item,
                                                   std::span<const float, kChoiceDraws> draws);

// The item whose answer `answer` is (letter case and blanks ignored): the
// first in `asked`'s section, else the first in the bank; 0 for none.
int OwnerOf(std::string_view answer, int asked);

// Whether `typed` is right for `answer`: the same numbers by value and in
// order, and the same words and signs, ignoring letter case and blanks.
// Units after numbers may be left off, and a range's unit may stand after
// its last number or at each end: "830" and "830c" are right for "830C",
// "720-750C" for "720C - 750C"; "851", "830C - 850" and "830F" are not.
bool WrittenRight(std::string_view typed, std::string_view answer);

// Whether a written answer that the rule found wrong may be counted right by
// the learner: only when it holds exactly the answer's numbers, in order
// (always for an answer without a number).
bool MayCountRight(std::string_view typed, std::string_view answer);

} // namespace bank
