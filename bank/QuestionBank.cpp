// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QuestionBank.h"

#include "Tables.h"

#include <charconv>

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

// Only the plain decimal texts "1" to "204" name an item. from_chars alone
// would also take "01", so a leading zero is refused first.
const BankItem* FindItem(std::string_view key) {
    if (key.empty() || key.front() < '1' || key.front() > '9')
        return nullptr;
    int number = 0;
    const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), number);
    if (error != std::errc{} || end != key.data() + key.size() || number > kItemCount)
        return nullptr;
    return &kItems[number - 1];
}

} // namespace

std::optional<std::string_view> GetQuestion(std::string_view QuestionInput) {
    if (const BankItem* item = FindItem(QuestionInput))
        return item->question;
    return std::nullopt;
}

std::optional<std::string_view> GetAnswer(std::string_view AnswerInput) {
    if (const BankItem* item = FindItem(AnswerInput))
        return item->answer;
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
