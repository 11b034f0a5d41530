// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QuestionBank.h"

#include <gtest/gtest.h>

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
