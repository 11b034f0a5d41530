// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Looking a limit up: the one rule that says which items a search shows,
// for the desktop's table and the web page alike, and the texts around it.
#pragma once

#include <string>
#include <string_view>

namespace bank {

inline constexpr std::string_view kLookUpTitle = "LOOK UP A LIMIT";
inline constexpr std::string_view kSearchLabel = "SEARCH";
inline constexpr std::string_view kQuestionHeader = "LIMIT";
inline constexpr std::string_view kAnswerHeader = "VALUE";

// Whether item (1 to 204) matches the query: every word of it (words are
// parted by blanks) appears, in any letter case, in the item's section
// title, question or answer. A query of blanks only matches every item; a
// number outside 1 to 204 matches nothing.
bool Matches(int item, std::string_view query);

// The line above the table: "12 OF 204 LIMITS", or a sentence saying that
// nothing matches the query.
std::string CountLine(int shown, std::string_view query);

} // namespace bank
