// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The three lookups of the question bank. They hold no state and never fail:
// a key that names no item gives an empty result, which callers show as empty
// text.
#pragma once

#include "Tables.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace bank {

// The question of the item whose number is exactly QuestionInput's text:
// "1" to "204" and nothing else ("01", " 1", "1.0" and "+1" name no item).
std::optional<std::string_view> GetQuestion(std::string_view QuestionInput);

// The answer of the item, keyed like GetQuestion.
std::optional<std::string_view> GetAnswer(std::string_view AnswerInput);

// The question and the answer of item 1 to 204, by number.
std::string_view QuestionOf(int item);
std::string_view AnswerOf(int item);

// The title of the section that holds item TitleInput. Callers write it into
// the title label and, on an empty result, leave the label as it was.
std::optional<std::string_view> GetTitle(std::int16_t TitleInput);

// The number (1 to 33) of the section that holds the item; 0 for none.
int SectionOf(int item);

// The blanks the rules skip or split at: space, tab, and the line breaks.
constexpr bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// The parts one after another: the one way texts of several parts are made,
// so that each such text costs a call rather than a chain of temporaries.
std::string Join(std::initializer_list<std::string_view> parts);

} // namespace bank
