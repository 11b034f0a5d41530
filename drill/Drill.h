// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Form.h"

#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace drill {

class RandomSource;

inline constexpr std::string_view kStartCaption = "START";
inline constexpr std::string_view kAnswerCaption = "ANSWER";
inline constexpr std::string_view kNextQuestionCaption = "NEXT QUESTION";
inline constexpr std::string_view kResetCaption = "RESET";
inline constexpr std::string_view kEndMessage = "YOU HAVE REACHED THE END OF THE REVIEW";
inline constexpr std::string_view kEndTitle = "CONGRATULATIONS!";

// Study: marks and chosen sections.
inline constexpr std::string_view kToReviewAgain = " TO REVIEW AGAIN";
inline constexpr std::string_view kMarkedSpoken = "MARKED TO REVIEW AGAIN";
inline constexpr std::string_view kNotMarkedSpoken = "NOT MARKED TO REVIEW AGAIN";
inline constexpr std::string_view kMarkedAtEnd = " MARKED TO REVIEW AGAIN.";
inline constexpr std::string_view kStillMarkedAtEnd = " STILL MARKED TO REVIEW AGAIN.";
inline constexpr std::string_view kNoneMarkedAtEnd = "NONE IS STILL MARKED TO REVIEW AGAIN.";
inline constexpr std::string_view kDrillThem = " CHOOSE BEGIN REVIEW, ORDER, MARKED TO DRILL THEM.";
inline constexpr std::string_view kSectionsTitle = "SECTIONS";
inline constexpr std::string_view kNoSectionChosen = "CHOOSE AT LEAST ONE SECTION TO REVIEW.";

// The graded test.
inline constexpr std::string_view kCheckCaption = "CHECK";
inline constexpr std::string_view kFinishCaption = "FINISH";
inline constexpr std::string_view kYourAnswer = "YOUR ANSWER";
inline constexpr std::string_view kChoicesLabel = "CHOOSE THE ANSWER";
inline constexpr std::string_view kRight = "RIGHT";
inline constexpr std::string_view kWrong = "WRONG";
inline constexpr std::string_view kTheAnswerIs = "THE ANSWER IS ";
inline constexpr std::string_view kYouChose = "YOU CHOSE ";
inline constexpr std::string_view kYouWrote = "YOU WROTE ";
inline constexpr std::string_view kIs = " IS ";
inline constexpr std::string_view kTestEndTitle = "END OF THE TEST";
inline constexpr std::string_view kTestTheMisses = "TEST THE MISSES";

using Sections = std::bitset<bank::kSectionCount>; // bit s - 1 stands for section s

// A section's row in the sections box: "STARTING TIT (10)", for a section
// from 1 to 33.
std::string SectionLabel(int section);

// Review phases, stored as text in txtSQA. The visible review button's caption
// always names what the next click does.
enum Phase : std::int16_t {
    Ready = 0,         // "START"
    QuestionShown = 1, // "ANSWER"
    AnswerShown = 2,   // "NEXT QUESTION"
    Finished = 3,      // "RESET"
};

// The orders stored in txtOrder.
enum Order : std::int16_t {
    NoOrder = 0,
    SequentialOrder = 1,
    RandomOrder = 2,
    MarkedOrder = 3,
    ChooseTest = 4,
    WriteTest = 5,
};

constexpr bool IsTestOrder(Order order) {
    return order == ChooseTest || order == WriteTest;
}

// What a command did, so that the window and the page know where the focus
// goes and what a screen reader is told, without reading it from texts.
enum class Step {
    None,       // nothing changed that needs the focus
    Idle,       // back to the picture
    Ready,      // a new review waits on START
    Question,   // a question of the same section as the one before
    NewSection, // a question whose section title is new to this review
    Answer,
    End,     // the last answer, and the end box
    Mark,    // the shown item's mark changed
    Verdict, // a test's answer was checked, or counted right
};

// The review orders and the reset, one method per command or click, plus the
// study commands: marks, the marked order and the chosen sections. Each step
// reads the review state back from the form; the drill holds nothing but the
// form and the generator.
class Drill {
public:
    Drill(Form& form, RandomSource& random);

    // The order commands of the menu. Each covers the chosen sections; the
    // marked order only their marked items, in random order.
    Step Sequential();
    Step Random();
    Step Marked();

    // Clicks on the review buttons.
    Step cmdSeqClick();
    Step cmdRandClick();

    // Back to the idle look: picture shown, labels and buttons hidden, state 0.
    // The menu's File > Reset and the click that ends a review.
    Step RESET();

    // Draws an item not yet asked in this random review, uniformly, and marks
    // it asked. Empty, without a draw, when every item has been asked.
    std::optional<std::int16_t> GetRandom();

    // Marks or unmarks the item whose answer is shown.
    Step ReviewAgain();
    Step ClearMarks();
    // Marked items in the chosen sections: what the marked order would drill.
    int MarkedToDrill() const;

    Sections ChosenSections() const;
    // False, changing nothing, when no section is chosen. A running review
    // keeps its items; the next order command takes the new choice.
    bool ChooseSections(const Sections& chosen);

    // The graded test of every item of the chosen sections, once each in
    // random order: four answers to choose from, or one to write. Its
    // verdicts set and clear the marks. Any order command, another test or
    // RESET ends it.
    Step ChooseTheAnswer();
    Step WriteTheAnswer();
    // The learner's choice, 1 to 4, or the text written in txtAnswer.
    Step Choose(int choice);
    Step Check();
    // Turns a wrong written verdict right, where the numbers allow it.
    Step CountItRight();
    // A test of the same form over the items the last one left marked.
    Step TestTheMisses();
    // A test that has not reached its end box: the study commands wait.
    bool TestRunning() const;
    // What a screen reader is told of the verdict: "WRONG. THE ANSWER IS 830C".
    std::string VerdictSpoken() const;

private:
    Step PrepareReview(Order order, Element shownButton, Element hiddenButton);
    Step ShowQuestion(Element button);
    Step AnswerStep(Element button, double reviewedSoFar);
    bool InReview(int item, Order order) const;
    std::optional<int> NextItem(int after) const;
    std::optional<int> ShownItem() const;
    void ShowMarks();
    std::string EndMessage() const;
    Order ReadOrder() const;
    Step StartTest(Order order);
    void PoseQuestion();
    Step ShowVerdict(bool right, const std::string& detail);
    Step FinishTest();
    std::string TestSummary() const;
    void HideTest();
    void Advance(Element element);
    int ReadPhase() const;
    double ReadNumber(Element element) const;
    void WriteNumber(Element element, double value);
    std::string ItemKey() const;
    void ClearAskedSet();

    // Writes the section title of item TitleInput into lblTitle; leaves it as
    // it was for a number outside 1 to 204.
    void GetTitle(std::int16_t TitleInput);
    // The bank's texts, empty where no item has the number.
    static std::string GetQuestion(std::string_view QuestionInput);
    static std::string GetAnswer(std::string_view AnswerInput);

    Form& form_;
    RandomSource& random_;
};

} // namespace drill
