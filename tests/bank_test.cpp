// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QuestionBank.h"
#include "Search.h"

#include <algorithm>
#include <gtest/gtest.h>
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
