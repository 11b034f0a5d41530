// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Answers.h"

#include "QuestionBank.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace bank {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
char Folded(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether the texts are the same in lower case without blanks: what two
// answers are compared by.
bool SameKey(std::string_view a, std::string_view b) {
    for (std::size_t i = 0, j = 0;;) {
        while (i < a.size() && IsBlank(a[i]))
            ++i;
        while (j < b.size() && IsBlank(b[j]))
            ++j;
        if (i == a.size() || j == b.size())
            return i == a.size() && j == b.size();
        if (Folded(a[i++]) != Folded(b[j++]))
            return false;
    }
}

// The units that may follow a number, a line each: the unit as the bank
// writes it, then the spellings the bank and a learner use, lower case and
// without blanks (blanks in the text are skipped while matching). A unit is a
// whole word: no letter follows it. One text rather than a table, whose
// pointers would weigh more on the page than its letters.
// clang-format off
constexpr std::string_view kUnits =
    "C|c\n"
    "F|f\n"
    "psi|psi\n"
    "PSID|psid\n"
    "lbs|lbs|lb\n"
    "inch lbs|inchlbs\n"
    "kts|kts|kt|knots\n"
    "kias|kias\n"
    "%|%\n"
    "deg|deg|degrees\n"
    "sec|sec|secs|seconds\n"
    "min|min|mins|minutes\n"
    "Qts|qts|qt\n"
    "Gals|gals|gal\n"
    "ltrs|ltrs|liters|litres\n"
    "Hz|hz\n"
    "Amps|amps|amp\n"
    "V|v\n"
    "Kva|kva\n"
    "in. Hg|in.hg|inhg|incheshg\n"
    "fpm|fpm\n"
    "ft|ft\n"
    "Mach|mach\n"
    "cycle|cycle|cycles\n";
// clang-format on

// The unit that starts at `at` (blanks skipped), and where it ends.
std::optional<std::pair<std::string_view, std::size_t>> UnitAt(std::string_view text,
                                                               std::size_t at) {
    std::optional<std::pair<std::string_view, std::size_t>> best;
    std::size_t bestLength = 0;
    // Each word of the list ends at a '|' or a line's end; a line's first
    // word is the unit, the others its spellings.
    std::string_view name;
    for (std::size_t end = 0, start = 0; end < kUnits.size(); ++end) {
        if (kUnits[end] != '|' && kUnits[end] != '\n')
            continue;
        const std::string_view spelling = kUnits.substr(start, end - start);
        start = end + 1;
        if (name.empty()) {
            name = spelling;
            continue;
        }
        std::size_t i = at, matched = 0;
        while (matched < spelling.size() && i < text.size()) {
            if (IsBlank(text[i])) {
                ++i;
                continue;
            }
            if (Folded(text[i]) != spelling[matched])
                break;
            ++i;
            ++matched;
        }
        const bool whole = i == text.size() || !IsLetter(text[i]);
        if (matched == spelling.size() && whole && spelling.size() > bestLength) {
            best = {{name, i}};
            bestLength = spelling.size();
        }
        if (kUnits[end] == '\n')
            name = {};
    }
    return best;
}

// A text read as the rules see it: its numbers in order, each as plain
// decimal digits (so that ".5" and "0.50" or "130,000" and "130000" are the
// same) with the unit written after it ("" for none) and the rest up to the
// next number; and all of the rest in lower case without blanks, with '#'
// where each number stood.
struct Number {
    std::string digits;
    std::string_view unit;
    std::string gap;
};
struct Reading {
    std::vector<Number> numbers;
    std::string rest;
};

bool SameNumbers(const Reading& a, const Reading& b) {
    return std::equal(a.numbers.begin(), a.numbers.end(), b.numbers.begin(), b.numbers.end(),
                      [](const Number& x, const Number& y) { return x.digits == y.digits; });
}

// A "-" is a minus sign where a digit (or a "." and a digit) follows it and
// it stands at the start, after a blank or after another "-"; anywhere else
// it is a dash.
bool NumberStarts(std::string_view text, std::size_t at) {
    const auto digitAt = [&](std::size_t i) { return i < text.size() && IsDigit(text[i]); };
    const char c = text[at];
    if (IsDigit(c))
        return true;
    if (c == '.')
        return digitAt(at + 1);
    if (c == '-' && (at == 0 || IsBlank(text[at - 1]) || text[at - 1] == '-'))
        return digitAt(at + 1) || (at + 1 < text.size() && text[at + 1] == '.' && digitAt(at + 2));
    return false;
}

// Reads the number at `at`, which NumberStarts accepted, into its plain
// digits; returns where it ends. A comma groups thousands only when exactly
// three digits follow it.
std::size_t ReadNumber(std::string_view text, std::size_t at, std::string& number) {
    const auto digitAt = [&](std::size_t i) { return i < text.size() && IsDigit(text[i]); };
    const bool negative = text[at] == '-';
    std::size_t i = negative ? at + 1 : at;
    number.assign(negative, '-');
    while (digitAt(i)) {
        if (text[i] != '0' || number.size() > negative) // no leading zeros
            number += text[i];
        ++i;
        if (i < text.size() && text[i] == ',' && digitAt(i + 1) && digitAt(i + 2) &&
            digitAt(i + 3) && !digitAt(i + 4))
            ++i;
    }
    if (number.size() == negative)
        number += '0';
    if (i < text.size() && text[i] == '.' && digitAt(i + 1)) {
        number += '.';
        for (++i; digitAt(i); ++i)
            number += text[i];
        std::size_t end = number.size();
        while (number[end - 1] == '0') // no trailing zeros (the point stops it), nor a bare point
            --end;
        number.resize(number[end - 1] == '.' ? end - 1 : end);
    }
    if (number == "-0")
        number = "0";
    return i;
}

Reading Read(std::string_view text) {
    Reading reading;
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsBlank(text[i])) {
            ++i;
        } else if (NumberStarts(text, i)) {
            Number& number = reading.numbers.emplace_back();
            i = ReadNumber(text, i, number.digits);
            reading.rest += '#';
            if (const auto unit = UnitAt(text, i)) {
                number.unit = unit->first;
                i = unit->second;
            }
        } else {
            const char c = Folded(text[i++]);
            reading.rest += c;
            if (!reading.numbers.empty())
                reading.numbers.back().gap += c;
        }
    }
    return reading;
}

// A number of a range ("720 - 750C", "30 to 15psi") without a unit of its
// own takes the unit of the range's next number.
void ShareRangeUnits(Reading& reading) {
    std::vector<Number>& numbers = reading.numbers;
    for (std::size_t k = numbers.size(); k-- > 1;)
        if (numbers[k - 1].unit.empty() &&
            (numbers[k - 1].gap == "-" || numbers[k - 1].gap == "to"))
            numbers[k - 1].unit = numbers[k].unit;
}

// What the choices rule compares units by: the first number's unit, or
// none for an answer without a number.
std::optional<std::string_view> AnswerUnit(std::string_view answer) {
    Reading reading = Read(answer);
    if (reading.numbers.empty())
        return std::nullopt;
    ShareRangeUnits(reading);
    return reading.numbers.front().unit;
}

} // namespace

std::array<std::string_view, kChoiceCount> Choices(int item,
                                                   std::span<const float, kChoiceDraws> draws) {
    std::array<std::string_view, kChoiceCount> choices{};
    if (item < 1 || item > kItemCount)
        return choices;
    std::size_t drawn = 0;
    const auto pick = [&](std::size_t count) {
        const auto at = static_cast<std::size_t>(draws[drawn++] * static_cast<float>(count));
        return std::min(at, count - 1);
    };
    // The texts offered or waiting in a pool, each once however many items
    // share it.
    std::array<std::string_view, kItemCount> seen{AnswerOf(item)};
    std::size_t seenCount = 1;
    std::size_t chosen = 0;
    choices[chosen++] = AnswerOf(item);
    const int section = SectionOf(item);
    const auto unit = AnswerUnit(AnswerOf(item));
    // The tiers: the item's section, then its answer's unit, then any item.
    // A tier's pool is left over only when the four are full.
    for (int tier = 0; tier < 3 && chosen < kChoiceCount; ++tier) {
        const auto inTier = [&](int other) {
            return tier == 2 ||
                   (tier == 0 ? SectionOf(other) == section : AnswerUnit(AnswerOf(other)) == unit);
        };
        std::array<std::string_view, kItemCount> pool;
        std::size_t pooled = 0;
        for (int other = 1; other <= kItemCount; ++other) {
            const std::string_view answer = AnswerOf(other);
            const auto same = [&](std::string_view text) { return SameKey(text, answer); };
            if (other != item && inTier(other) &&
                std::none_of(seen.begin(), seen.begin() + seenCount, same)) {
                pool[pooled++] = answer;
                seen[seenCount++] = answer;
            }
        }
        while (chosen < kChoiceCount && pooled > 0) {
            const std::size_t at = pick(pooled);
            choices[chosen++] = pool[at];
            std::copy(pool.begin() + at + 1, pool.begin() + pooled, pool.begin() + at);
            --pooled;
        }
    }
    for (std::size_t k = kChoiceCount - 1; k > 0; --k) // Fisher-Yates
        std::swap(choices[k], choices[pick(k + 1)]);
    return choices;
}

int OwnerOf(std::string_view answer, int asked) {
    int first = 0;
    for (int item = 1; item <= kItemCount; ++item) {
        if (!SameKey(AnswerOf(item), answer))
            continue;
        if (SectionOf(item) == SectionOf(asked))
            return item;
        if (first == 0)
            first = item;
    }
    return first;
}

bool WrittenRight(std::string_view typed, std::string_view answer) {
    const Reading mine = Read(typed);
    Reading right = Read(answer);
    if (!SameNumbers(mine, right) || mine.rest != right.rest)
        return false;
    ShareRangeUnits(right);
    for (std::size_t k = 0; k < right.numbers.size(); ++k)
        if (!mine.numbers[k].unit.empty() && mine.numbers[k].unit != right.numbers[k].unit)
            return false;
    return true;
}

bool MayCountRight(std::string_view typed, std::string_view answer) {
    const Reading right = Read(answer);
    return right.numbers.empty() || SameNumbers(Read(typed), right);
}

} // namespace bank
