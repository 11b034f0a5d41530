#include "QuestionBank.h"
#include "Tables.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

using bank::GetAnswer;
using bank::GetQuestion;
using bank::GetTitle;

TEST(QuestionBank, EveryItemNumberFindsItsOwnRow) {
    for (int n = 1; n <= bank::kItemCount; ++n) {
        SCOPED_TRACE(n);
        const std::string key = std::to_string(n);
        EXPECT_EQ(GetQuestion(key), bank::kItems[n - 1].question);
        EXPECT_EQ(GetAnswer(key), bank::kItems[n - 1].answer);
    }
}

TEST(QuestionBank, OnlyThePlainDecimalTextNamesAnItem) {
    for (const char* key : {"0", "205", "-1", "32768", "", "01", " 1", "1 ", "+1", "1.0", "1e0",
                            "0x1", "one", "Q #", "S Q A", "2040", "1\n"}) {
        SCOPED_TRACE(std::string("key '") + key + "'");
        EXPECT_FALSE(GetQuestion(key).has_value());
        EXPECT_FALSE(GetAnswer(key).has_value());
    }
}

TEST(QuestionBank, TextsStandLetterForLetter) {
    EXPECT_EQ(GetQuestion("1"), "Max for Enrichment");
    EXPECT_EQ(GetAnswer("1"), "100C");
    EXPECT_EQ(GetQuestion("204"), "CG Limits");
    EXPECT_EQ(GetAnswer("204"), "Must be within MAC Max 15 - 30%");
    EXPECT_EQ(GetQuestion("48"), "Voltage Range ");
    EXPECT_EQ(GetQuestion("48")->size(), 14u);
    EXPECT_EQ(GetQuestion("99"), "To Unlock Pitchlock ");
    EXPECT_EQ(GetQuestion("196"), "Warmum Normal");
    EXPECT_EQ(GetQuestion("200"), "Flap setting for Prop Malfuction on Takeoff");
    EXPECT_EQ(GetAnswer("8"), "830C - 850C");
    EXPECT_EQ(GetTitle(161), "TAXI OPERATOINS");
}

TEST(QuestionBank, OnlyTheTitleTellsEqualQuestionsApart) {
    struct Case {
        const char* key;
        const char* answer;
        const char* title;
    };
    const Case cases[] = {
        {"105", "2900 - 3200psi", "UTIL / BOOST HYD PRESSURE"},
        {"114", "2900 - 3300psi", "AUXILIARY HYD PRESSURE"},
        {"117", "2900 - 3200psi", "NORMAL BRAKE PRESSURE"},
        {"121", "2900 - 3300psi", "EMERGENCY BRAKE PRESSURE"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(GetQuestion(c.key), "Normal");
        EXPECT_EQ(GetAnswer(c.key), c.answer);
        EXPECT_EQ(GetTitle(static_cast<std::int16_t>(std::stoi(c.key))), c.title);
    }
}

// Counts of repeated texts guard the table against a row pasted twice or
// a text edited in one place only.
TEST(QuestionBank, RepeatedTextsOccurAsOften) {
    std::map<std::string_view, int> questions;
    std::map<std::string_view, int> answers;
    for (const bank::BankItem& item : bank::kItems) {
        ++questions[item.question];
        ++answers[item.answer];
    }
    const auto repeated = [](const std::map<std::string_view, int>& counts) {
        int n = 0;
        for (const auto& [text, count] : counts)
            n += count > 1;
        return n;
    };
    EXPECT_EQ(repeated(questions), 13);
    EXPECT_EQ(repeated(answers), 12);
    EXPECT_EQ(questions["Normal"], 4);
    EXPECT_EQ(questions["Normal Range"], 4);
    EXPECT_EQ(questions["Max Allowable"], 4);
    EXPECT_EQ(answers["3500psi"], 5);
}

// Outside 1 to 204 there is no title, so the label keeps what it had.
TEST(QuestionBank, TitlesAtTheEdgesOfTheirRanges) {
    const std::pair<std::int16_t, std::string_view> cases[] = {
        {1, "STARTING TIT"},
        {10, "STARTING TIT"},
        {11, "ENGINE TIT"},
        {104, "PROPS"},
        {105, "UTIL / BOOST HYD PRESSURE"},
        {198, "GTC"},
        {199, "MISCELLANEOUS"},
        {204, "MISCELLANEOUS"},
        {0, "none"},
        {-1, "none"},
        {205, "none"},
        {32767, "none"},
        {-32768, "none"},
    };
    for (const auto& [number, title] : cases) {
        SCOPED_TRACE(number);
        EXPECT_EQ(GetTitle(number).value_or("none"), title);
    }
}
