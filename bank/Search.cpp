// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Search.h"

#include "QuestionBank.h"

#include <algorithm>

namespace bank {
namespace {

// The bank is ASCII; other bytes (a typed degree sign, say) compare as they
// are, so they match only themselves.
char Folded(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// A count's decimal text.
std::string WholeText(int count) {
    char digits[12];
    char* first = std::end(digits);
    do
        *--first = static_cast<char>('0' + count % 10);
    while ((count /= 10) > 0);
    return std::string(first, std::end(digits));
}

bool Contains(std::string_view text, std::string_view word) {
    return std::search(text.begin(), text.end(), word.begin(), word.end(),
                       [](char a, char b) { return Folded(a) == Folded(b); }) != text.end();
}

} // namespace

bool Matches(int item, std::string_view query) {
    if (item < 1 || item > kItemCount)
        return false;
    const std::string_view title = GetTitle(static_cast<std::int16_t>(item)).value_or("");
    std::size_t at = 0;
    while (at < query.size()) {
        while (at < query.size() && IsBlank(query[at]))
            ++at;
        std::size_t end = at;
        while (end < query.size() && !IsBlank(query[end]))
            ++end;
        const std::string_view word = query.substr(at, end - at);
        if (!word.empty() && !Contains(title, word) && !Contains(QuestionOf(item), word) &&
            !Contains(AnswerOf(item), word))
            return false;
        at = end;
    }
    return true;
}

std::string CountLine(int shown, std::string_view query) {
    if (shown == 0) {
        // A long query is cut short, and never inside a UTF-8 sequence.
        constexpr std::size_t kShownLength = 60;
        std::string shownQuery(query.substr(0, kShownLength));
        if (query.size() > kShownLength) {
            while (!shownQuery.empty() &&
                   (static_cast<unsigned char>(query[shownQuery.size()]) & 0xC0) == 0x80)
                shownQuery.pop_back();
            shownQuery += "...";
        }
        return Join({"NO LIMIT MATCHES \"", shownQuery, "\"."});
    }
    return Join({WholeText(shown), " OF ", WholeText(kItemCount), " LIMITS"});
}

} // namespace bank
