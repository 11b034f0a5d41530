// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QuestionBank.h"

#include "Tables.h"

#include <algorithm>
#include <array>

namespace bank {
namespace {

constexpr bool IsPrintableText(std::string_view text, std::size_t minLength,
                               std::size_t maxLength) {
    if (text.size() < minLength || text.size() > maxLength)
        return false;
    for (const char c : text) {
        if (c < 0x20 || c > 0x7E || c == '|' || c == '"')
            return false;
    }
    return true;
}

constexpr bool ItemsAreNumberedInOrder() {
    for (int i = 0; i < kItemCount; ++i) {
        if (kItems[i].number != i + 1)
            return false;
    }
    return true;
}

constexpr bool ItemTextsAreWellFormed() {
    for (const BankItem& item : kItems) {
        if (!IsPrintableText(item.question, 4, 55) || !IsPrintableText(item.answer, 3, 55))
            return false;
    }
    return true;
}

constexpr bool SectionsCoverAllItemsOnce() {
    int next = 1;
    for (const SectionRange& section : kSections) {
        if (section.first != next || section.last < section.first)
            return false;
        next = section.last + 1;
    }
    return next == kItemCount + 1;
}

constexpr bool TitlesAreWellFormed() {
    for (const SectionRange& section : kSections) {
        if (!IsPrintableText(section.title, 3, 25))
            return false;
        for (const char c : section.title) {
            if (c >= 'a' && c <= 'z')
                return false;
        }
    }
    return true;
}

static_assert(ItemsAreNumberedInOrder(), "items must be numbered 1 to 204 in order, without gaps");
static_assert(ItemTextsAreWellFormed(),
              "questions need 4-55 and answers 3-55 printable ASCII characters, no '|' or '\"'");
static_assert(SectionsCoverAllItemsOnce(),
              "sections must be ascending, adjacent and cover items 1 to 204 exactly once");
static_assert(TitlesAreWellFormed(), "titles need 3-25 printable upper-case characters");

// The texts as the program carries them: every question and answer end to
// end in item order, each closed by a NUL. The table above, kept for reading,
// would also carry a pointer and a length for each text, which on the page
// weigh half as much again as the letters.
constexpr std::size_t kTextBytes = [] {
    std::size_t bytes = 0;
    for (const BankItem& item : kItems)
        bytes += item.question.size() + item.answer.size() + 2;
    return bytes;
}();

constexpr std::array<char, kTextBytes> kTexts = [] {
    std::array<char, kTextBytes> texts{};
    std::size_t at = 0;
    for (const BankItem& item : kItems) {
        for (const std::string_view text : {item.question, item.answer}) {
            for (const char c : text)
                texts[at++] = c;
            texts[at++] = '\0';
        }
    }
    return texts;
}();

// Where each text starts, text 0 being item 1's question, text 1 its answer,
// and so on. Found at run time, once: worked out by the compiler, the starts
// would weigh more in the page's download than the code that finds them.
std::array<std::uint16_t, 2 * kItemCount + 1> FindStarts() {
    std::array<std::uint16_t, 2 * kItemCount + 1> starts{};
    for (std::size_t i = 1; i < starts.size(); ++i)
        starts[i] = static_cast<std::uint16_t>(
            std::find(kTexts.begin() + starts[i - 1], kTexts.end(), '\0') - kTexts.begin() + 1);
    return starts;
}

std::string_view Text(int index) {
    static const std::array<std::uint16_t, 2 * kItemCount + 1> starts = FindStarts();
    const auto i = static_cast<std::size_t>(index);
    return {&kTexts[starts[i]], std::size_t(starts[i + 1] - starts[i] - 1)};
}

// Only the plain decimal texts "1" to "204" name an item: no sign, blank or
// leading zero.
int FindItem(std::string_view key) {
    if (key.empty() || key.size() > 3 || key.front() == '0')
        return 0;
    int number = 0;
    for (const char c : key) {
        if (c < '0' || c > '9')
            return 0;
        number = number * 10 + (c - '0');
    }
    return number <= kItemCount ? number : 0;
}

} // namespace

std::string_view QuestionOf(int item) {
    return Text(2 * (item - 1));
}

std::string_view AnswerOf(int item) {
    return Text(2 * (item - 1) + 1);
}

std::optional<std::string_view> GetQuestion(std::string_view QuestionInput) {
    if (const int item = FindItem(QuestionInput))
        return QuestionOf(item);
    return std::nullopt;
}

std::optional<std::string_view> GetAnswer(std::string_view AnswerInput) {
    if (const int item = FindItem(AnswerInput))
        return AnswerOf(item);
    return std::nullopt;
}

std::optional<std::string_view> GetTitle(std::int16_t TitleInput) {
    for (const SectionRange& section : kSections) {
        if (section.first <= TitleInput && TitleInput <= section.last)
            return section.title;
    }
    return std::nullopt;
}

int SectionOf(int item) {
    for (int section = 1; section <= kSectionCount; ++section)
        if (kSections[section - 1].first <= item && item <= kSections[section - 1].last)
            return section;
    return 0;
}

std::string Join(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const std::string_view part : parts)
        text += part;
    return text;
}

} // namespace bank
