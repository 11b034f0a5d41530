// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Answers.h"
#include "QuestionBank.h"
#include "Search.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <set>
#include <vector>

using bank::GetAnswer;
using bank::GetQuestion;
using bank::GetTitle;

// Only the plain decimal text names an item; every item has a title.
TEST(QuestionBank, LookupsAtTheEdges) {
    EXPECT_EQ(GetQuestion("1"), "Max for Enrichment");
    EXPECT_EQ(GetAnswer("204"), "Must be within MAC Max 15 - 30%");
    EXPECT_EQ(GetQuestion("48"), "Voltage Range "); // the trailing blank belongs to the text
    EXPECT_EQ(GetAnswer("121"), "2900 - 3300psi");
    for (const bank::BankItem& item : bank::kItems) { // the texts as the program packs them
        EXPECT_EQ(GetQuestion(std::to_string(item.number)), item.question);
        EXPECT_EQ(GetAnswer(std::to_string(item.number)), item.answer);
    }
    for (const char* key :
         {"0", "205", "-1", "32768", "", "01", " 1", "1 ", "+1", "1.0", "1e0", "Q #", "2040"}) {
        SCOPED_TRACE(std::string("key '") + key + "'");
        EXPECT_FALSE(GetQuestion(key).has_value());
        EXPECT_FALSE(GetAnswer(key).has_value());
    }
    // Titles at the edges of their ranges, and none outside 1 to 204.
    const std::pair<std::int16_t, std::string_view> cases[] = {
        {1, "STARTING TIT"},      {10, "STARTING TIT"}, {11, "ENGINE TIT"},
        {161, "TAXI OPERATOINS"}, {198, "GTC"},         {199, "MISCELLANEOUS"},
        {204, "MISCELLANEOUS"},   {0, "none"},          {205, "none"},
        {32767, "none"},          {-32768, "none"},
    };
    for (const auto& [number, title] : cases) {
        SCOPED_TRACE(number);
        EXPECT_EQ(GetTitle(number).value_or("none"), title);
    }
}

namespace {

std::vector<int> Found(std::string_view query) {
    std::vector<int> items;
    for (int item = 0; item <= 205; ++item)
        if (bank::Matches(item, query))
            items.push_back(item);
    return items;
}

} // namespace

// Every word in any order and case, each in the title, the question or the
// answer; whatever a user may type gives a plain answer.
TEST(Search, EveryWordInAnyOrderAndCaseOverTitleQuestionAndAnswer) {
    const std::vector<int> startingTit{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    for (const char* query : {"tit start", "START TIT", "  start\ttiT "})
        EXPECT_EQ(Found(query), startingTit) << query;
    EXPECT_EQ(Found("oil 100PSI max"), std::vector<int>{74}); // title, answer and question
    EXPECT_EQ(Found("normal brake 3200"), (std::vector<int>{117, 119}));
    EXPECT_EQ(Found(" \t ").size(), 204u);         // blanks only: everything
    const std::vector<int> hundred = Found("100"); // 100C, 100psi, 100kts, +/- 100psi
    for (const int item : {1, 74, 144, 185})
        EXPECT_TRUE(std::count(hundred.begin(), hundred.end(), item)) << item;
    EXPECT_EQ(Found("(5 min)"), (std::vector<int>{11, 84}));

    // Nothing found, said in one sentence with the query as typed (cut short).
    const std::string longQuery(100000, 'x');
    for (const std::string& query :
         {std::string("\"quoted\""), std::string("27\xC2\xB0"), longQuery})
        EXPECT_TRUE(Found(query).empty()) << query.substr(0, 40);
    EXPECT_EQ(bank::CountLine(0, longQuery),
              "NO LIMIT MATCHES \"" + std::string(60, 'x') + "...\".");
    EXPECT_EQ(bank::CountLine(0, std::string(59, 'x') + "\xC2\xB0" + "y"),
              "NO LIMIT MATCHES \"" + std::string(59, 'x') + "...\".");
    EXPECT_EQ(bank::CountLine(12, "tit"), "12 OF 204 LIMITS");
}

// The written-answer rule: numbers by value and in order, words and signs
// ignoring case and blanks, units that may be left off or stand once per range.
TEST(Answers, WrittenAnswers) {
    struct Case {
        const char* typed;
        const char* answer;
        bool right;
        bool mayCountRight;
    };
    const Case cases[] = {
        {"830", "830C", true, true},
        {" 830 c ", "830C", true, true},
        {"830F", "830C", false, true}, // another unit
        {"851", "850C", false, false},
        {"830C", "830C - 850C", false, false}, // a number missing
        {"830 850 900", "830C - 850C", false, false},
        {"720-750C", "720C - 750C", true, true},
        {"720 to 750C", "720C - 750C", false, true}, // a word the rule cannot read
        {"750 - 720", "720C - 750C", false, false},  // the order counts
        {"720 750", "720C - 750C", false, true},     // two numbers, no dash
        {"2900psi - 3200psi", "2900 - 3200psi", true, true},
        {"98-102 +/- .5", "98 - 102% +/- .5%", true, true},
        {"98 - 102% +/- 0.50%", "98 - 102% +/- .5%", true, true},
        {"98 - 102% - .5%", "98 - 102% +/- .5%", false, true},
        {"-5 - -8 deg", "-5 - -8 deg", true, true},
        {"-5 - 8 deg", "-5 - -8 deg", false, false},
        {"5 sec on / 10 off, until -43", "5 sec ON / 10 OFF, until -43C", true, true},
        {"5 sec on / 10 off, until 43", "5 sec ON / 10 OFF, until -43C", false, false},
        {"155000lbs", "155,000lbs", true, true},
        {"155,00", "155,000lbs", false, false}, // a comma without three digits
        {"115/200V, 400 cycle", "115/200V, 400 cycle", true, true},
        {"115/200, 400", "115/200V, 400 cycle", true, true},
        {"115/200400", "115/200V, 400 cycle", false, false},
        {"-1260 +/- 600", "-1260 +/- 600lbs", true, true},
        {"+/- .5%", "+/- 0.5%", true, true},
        {"<= 180 (65 above power off stall speed)", "<= 180kts (65kts above Power Off Stall Speed)",
         true, true},
        {"<180kts (65kts above Power Off Stall Speed)",
         "<= 180kts (65kts above Power Off Stall Speed)", false, true},
        {"reduce to 10 in hg", "Reduce to 10 in. Hg", true, true},
        {"10", "Reduce to 10 in. Hg", false, true},
        {"iso dc buss", "Iso DC Buss", true, true},
        {"Iso DC Buss", "Ess DC Buss", false, true}, // no number: may always be counted
        {"23%-gb oil", "23%-GB Oil", true, true},
        {".64", "0.64 Mach", true, true},
        {"064", "0.64 Mach", false, false},
        {"007.50 - -0.0", "7.5 - 0", true, true}, // zeros that change no number
        {"2 cycles (2 mins)", "2 Cycles (2 Mins)", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " for " + c.answer);
        EXPECT_EQ(bank::WrittenRight(c.typed, c.answer), c.right);
        EXPECT_EQ(bank::MayCountRight(c.typed, c.answer), c.mayCountRight);
    }
    // Every answer is right for itself, in lower case with blanks doubled.
    for (const bank::BankItem& item : bank::kItems) {
        std::string loose;
        for (const char c : item.answer)
            loose +=
                c == ' ' ? std::string("  ") : std::string(1, static_cast<char>(std::tolower(c)));
        EXPECT_TRUE(bank::WrittenRight(item.answer, item.answer)) << item.number;
        EXPECT_TRUE(bank::WrittenRight(loose, item.answer)) << item.number;
    }
}

// The choices rule over every item: four distinct texts, the right one once,
// from the item's own section first, reproducible from the same source.
TEST(Answers, ChoicesForEveryItem) {
    const auto squeezed = [](std::string_view text) {
        std::string key;
        for (const char c : text)
            if (c != ' ')
                key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return key;
    };
    std::uint32_t state = 12345;
    const auto lcg = [&state] {
        std::array<float, bank::kChoiceDraws> draws{};
        for (float& draw : draws) {
            state = state * 1664525u + 1013904223u;
            draw = static_cast<float>(state >> 8) / 16777216.0f;
        }
        return draws;
    };
    std::array<int, bank::kChoiceCount> rightAt{};
    for (int item = 1; item <= bank::kItemCount; ++item) {
        SCOPED_TRACE(item);
        const std::string_view answer = bank::kItems[item - 1].answer;
        const auto choices = bank::Choices(item, lcg());
        std::set<std::string> keys;
        for (std::size_t k = 0; k < choices.size(); ++k) {
            keys.insert(squeezed(choices[k]));
            if (choices[k] == answer)
                ++rightAt[k];
        }
        EXPECT_EQ(keys.size(), 4u);
        EXPECT_EQ(std::count(choices.begin(), choices.end(), answer), 1);
        // A distractor is somebody's answer: its owner is in the item's own
        // section when that section has three other texts.
        for (const std::string_view choice : choices)
            EXPECT_NE(bank::OwnerOf(choice, item), 0) << choice;
    }
    for (const int count : rightAt) // the right one lands in every place
        EXPECT_GT(count, 30);

    // The same source gives the same choices; the own section comes first.
    std::uint32_t seed = state;
    const auto first = bank::Choices(3, lcg());
    state = seed;
    EXPECT_EQ(bank::Choices(3, lcg()), first);
    for (const std::string_view choice : first)
        EXPECT_EQ(bank::SectionOf(bank::OwnerOf(choice, 3)), 1) << choice;
    // OIL QUANTITY has two other answers; the third has their unit, gallons.
    for (int run = 0; run < 8; ++run) {
        const auto oil = bank::Choices(44, lcg());
        std::set<std::string_view> texts(oil.begin(), oil.end());
        EXPECT_TRUE(texts.count("4 Gals") && texts.count("0.25 Gal / Hour"));
        EXPECT_EQ(texts.count("3.2 gal") + texts.count("2.0 gal") + texts.count("3.4 gal"), 1u);
    }
    // Whose value a choice is: the asked item's section first, then the bank.
    EXPECT_EQ(bank::OwnerOf("850C", 3), 20);
    EXPECT_EQ(bank::OwnerOf("3500psi", 115), 115);
    EXPECT_EQ(bank::OwnerOf("3500PSI", 1), 106);
    EXPECT_EQ(bank::OwnerOf("977c", 1), 11);
    EXPECT_EQ(bank::OwnerOf("nobody's", 1), 0);
}
