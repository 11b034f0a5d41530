// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The graded test, added to the review: the same random order over the items
// of TestList, with the big button's answer step replaced by the learner's
// choice of four (cmdChoice1 to 4) or written answer (txtAnswer), checked by
// the bank's rules. The verdict shows beside the answer, sets or clears the
// item's mark, and counts in lblScore; the end box says how the sections went.
// Like the review state, all of it lives in the form's named elements.
#include "Answers.h"
#include "Drill.h"
#include "NumberText.h"
#include "QuestionBank.h"
#include "RandomSource.h"

#include <algorithm>
#include <array>
#include <span>
#include <utility>

namespace drill {
namespace {

constexpr std::array<Element, bank::kChoiceCount> kChoices{
    Element::cmdChoice1, Element::cmdChoice2, Element::cmdChoice3, Element::cmdChoice4};

std::string ScoreText(double right) {
    return bank::Join({WholeNumberText(right), " ", kRight});
}

bool IsBlankText(std::string_view text) {
    return std::all_of(text.begin(), text.end(), bank::IsBlank);
}

// An item of the last test that its verdict left marked.
bool Missed(const Form& form, int item) {
    return form.rowSelected(List::TestList, item) && form.rowSelected(List::MarkList, item);
}

bool AnyMissed(const Form& form) {
    for (int item = 1; item <= bank::kItemCount; ++item)
        if (Missed(form, item))
            return true;
    return false;
}

} // namespace

Step Drill::ChooseTheAnswer() {
    return StartTest(ChooseTest);
}

Step Drill::WriteTheAnswer() {
    return StartTest(WriteTest);
}

Step Drill::StartTest(Order order) {
    for (int item = 1; item <= bank::kItemCount; ++item)
        form_.setRowSelected(List::TestList, item,
                             form_.rowSelected(List::SectionList, bank::SectionOf(item)));
    return PrepareReview(order, Element::cmdRand, Element::cmdSeq);
}

// Offered by the end box while the last test has misses.
Step Drill::TestTheMisses() {
    const Order order = ReadOrder();
    if (!IsTestOrder(order) || ReadPhase() != Finished)
        return Step::None;
    if (!AnyMissed(form_))
        return Step::None;
    for (int item = 1; item <= bank::kItemCount; ++item)
        form_.setRowSelected(List::TestList, item, Missed(form_, item));
    return PrepareReview(order, Element::cmdRand, Element::cmdSeq);
}

bool Drill::TestRunning() const {
    return IsTestOrder(ReadOrder()) && ReadPhase() != Finished;
}

// A question of the test waits for its answer: the choices in place of the
// big button, or the empty field with the button reading CHECK.
void Drill::PoseQuestion() {
    form_.setText(Element::lblVerdict, "");
    form_.setVisible(Element::lblVerdict, false);
    form_.setVisible(Element::cmdCountRight, false);
    const auto item = ShownItem();
    if (ReadOrder() == ChooseTest && item) {
        std::array<float, bank::kChoiceDraws> draws{};
        for (float& draw : draws)
            draw = random_.next();
        const auto choices = bank::Choices(*item, draws);
        for (std::size_t k = 0; k < kChoices.size(); ++k) {
            form_.setText(kChoices[k], choices[k]);
            form_.setVisible(kChoices[k], true);
        }
        form_.setVisible(Element::cmdRand, false); // a test skips nothing
    } else {
        form_.setText(Element::txtAnswer, "");
        form_.setVisible(Element::txtAnswer, true);
        form_.setText(Element::cmdRand, kCheckCaption);
    }
}

Step Drill::Choose(int choice) {
    const auto item = ShownItem();
    if (ReadOrder() != ChooseTest || ReadPhase() != QuestionShown || !item || choice < 1 ||
        choice > bank::kChoiceCount)
        return Step::None;
    const std::string chosen = form_.text(kChoices[static_cast<std::size_t>(choice - 1)]);
    if (chosen == GetAnswer(ItemKey()))
        return ShowVerdict(true, {});
    // Whose value the wrong choice is, so that it is not learnt as a fact.
    const int owner = bank::OwnerOf(chosen, *item);
    std::string detail = bank::Join({kYouChose, chosen});
    if (owner != 0)
        detail += bank::Join({". ", chosen, kIs, bank::GetTitle(std::int16_t(owner)).value_or(""),
                              ", ", GetQuestion(WholeNumberText(owner))});
    return ShowVerdict(false, detail);
}

// Enter in the field, or the big button reading CHECK; an empty field
// checks nothing.
Step Drill::Check() {
    const std::string typed = form_.text(Element::txtAnswer);
    if (ReadOrder() != WriteTest || ReadPhase() != QuestionShown || IsBlankText(typed))
        return Step::None;
    const bool right = bank::WrittenRight(typed, GetAnswer(ItemKey()));
    return ShowVerdict(right, right ? std::string() : bank::Join({kYouWrote, typed}));
}

Step Drill::ShowVerdict(bool right, const std::string& detail) {
    const std::string answer = GetAnswer(ItemKey());
    form_.setText(Element::lblAnswer, answer);
    form_.setText(Element::lblVerdict,
                  bank::Join({right ? kRight : kWrong, detail.empty() ? "" : ". ", detail}));
    form_.setVisible(Element::lblVerdict, true);
    if (const auto item = ShownItem())
        form_.setRowSelected(List::MarkList, *item, !right);
    if (right)
        form_.setText(Element::lblScore, ScoreText(ReadNumber(Element::lblScore) + 1.0));
    for (const Element choice : kChoices)
        form_.setVisible(choice, false);
    form_.setVisible(Element::txtAnswer, false);
    // A written answer that the rule could not read may be counted right, but
    // never one with a wrong, missing or extra number.
    const bool appeal = !right && ReadOrder() == WriteTest &&
                        bank::MayCountRight(form_.text(Element::txtAnswer), answer);
    form_.setVisible(Element::cmdCountRight, appeal);
    form_.setVisible(Element::cmdRand, true);
    WriteNumber(Element::txtSQA, AnswerShown);
    const bool last = ReadNumber(Element::txtCounter) == ReadNumber(Element::txtLength);
    // The end box waits while the last verdict may still be counted right.
    if (last && !appeal)
        return FinishTest();
    form_.setText(Element::cmdRand, last ? kFinishCaption : kNextQuestionCaption);
    return Step::Verdict;
}

Step Drill::CountItRight() {
    const std::string verdict = form_.text(Element::lblVerdict);
    if (ReadOrder() != WriteTest || ReadPhase() != AnswerShown ||
        verdict.compare(0, kWrong.size(), kWrong) != 0 ||
        !bank::MayCountRight(form_.text(Element::txtAnswer), GetAnswer(ItemKey())))
        return Step::None;
    form_.setText(Element::lblVerdict, kRight);
    form_.setText(Element::lblScore, ScoreText(ReadNumber(Element::lblScore) + 1.0));
    if (const auto item = ShownItem())
        form_.setRowSelected(List::MarkList, *item, false);
    form_.setVisible(Element::cmdCountRight, false);
    if (ReadNumber(Element::txtCounter) == ReadNumber(Element::txtLength))
        return FinishTest();
    return Step::Verdict;
}

Step Drill::FinishTest() {
    WriteNumber(Element::txtSQA, Finished);
    form_.setText(Element::cmdRand, kResetCaption);
    form_.setVisible(Element::cmdCountRight, false);
    if (form_.showMessage(TestSummary(), kTestEndTitle, AnyMissed(form_) ? kTestTheMisses : ""))
        return TestTheMisses();
    return Step::End;
}

// "5 OF 7 RIGHT.", then, with misses, how many are marked and the sections
// with a miss, the lowest share right first.
std::string Drill::TestSummary() const {
    const double length = ReadNumber(Element::txtLength);
    std::string text = bank::Join({WholeNumberText(ReadNumber(Element::lblScore)), " ", kOfPrefix,
                                   WholeNumberText(length), " ", kRight, "."});
    struct Result {
        int section, asked, missed;
    };
    std::array<Result, bank::kSectionCount> results{};
    std::size_t withMisses = 0;
    int missed = 0;
    for (int section = 1; section <= bank::kSectionCount; ++section) {
        const bank::SectionRange& range = bank::kSections[static_cast<std::size_t>(section - 1)];
        Result result{section, 0, 0};
        for (int item = range.first; item <= range.last; ++item) {
            if (!form_.rowSelected(List::TestList, item))
                continue;
            ++result.asked;
            result.missed += form_.rowSelected(List::MarkList, item) ? 1 : 0;
        }
        if (result.missed > 0)
            results[withMisses++] = result;
        missed += result.missed;
    }
    if (missed == 0)
        return text;
    text += bank::Join({"\n", WholeNumberText(missed), " ", kOfPrefix, WholeNumberText(length),
                        kMarkedAtEnd, kDrillThem});
    // Share right a/b below c/d when a * d < c * b; ties: more misses first,
    // then bank order, which the insertion keeps (there are at most 33).
    const auto before = [](const Result& a, const Result& b) {
        const int left = (a.asked - a.missed) * b.asked, right = (b.asked - b.missed) * a.asked;
        return left != right ? left < right : a.missed > b.missed;
    };
    for (std::size_t i = 1; i < withMisses; ++i)
        for (std::size_t j = i; j > 0 && before(results[j], results[j - 1]); --j)
            std::swap(results[j], results[j - 1]);
    for (const Result& result : std::span(results).first(withMisses))
        text += bank::Join({"\n", bank::kSections[std::size_t(result.section - 1)].title, ": ",
                            WholeNumberText(result.asked - result.missed), " ", kOfPrefix,
                            WholeNumberText(result.asked), " ", kRight});
    return text;
}

std::string Drill::VerdictSpoken() const {
    const std::string verdict = form_.text(Element::lblVerdict);
    if (verdict.empty())
        return {};
    const std::string_view word = verdict.compare(0, kWrong.size(), kWrong) == 0 ? kWrong : kRight;
    return bank::Join({word, ". ", kTheAnswerIs, form_.text(Element::lblAnswer),
                       std::string_view(verdict).substr(word.size())});
}

// Everything of a test goes when the next review or test starts, or RESET.
void Drill::HideTest() {
    for (const Element element :
         {Element::cmdChoice1, Element::cmdChoice2, Element::cmdChoice3, Element::cmdChoice4,
          Element::txtAnswer, Element::lblVerdict, Element::cmdCountRight, Element::lblScore}) {
        form_.setVisible(element, false);
        if (element != Element::cmdCountRight)
            form_.setText(element, "");
    }
}

Order Drill::ReadOrder() const {
    return static_cast<Order>(NearestInt16(ReadNumber(Element::txtOrder)).value_or(NoOrder));
}

} // namespace drill
