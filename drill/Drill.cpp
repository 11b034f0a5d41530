// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Drill.h"

#include "NumberText.h"
#include "QuestionBank.h"
#include "RandomSource.h"

#include <cmath>

namespace drill {
namespace {

constexpr int kNoPhase = -1; // a phase text outside 16 bits: the click does nothing

} // namespace

Drill::Drill(Form& form, RandomSource& random)
    : form_(form)
    , random_(random) {}

Step Drill::RESET() {
    form_.setVisible(Element::Picture1, true);
    ClearAskedSet();
    for (const Element label :
         {Element::lblTitle, Element::lblAnswer, Element::lblQuestion, Element::lblCounter}) {
        form_.setVisible(label, false);
        form_.setText(label, "");
    }
    form_.setVisible(Element::lblOf204, false);
    WriteNumber(Element::txtCounter, 0);
    WriteNumber(Element::txtQuestion, 0);
    WriteNumber(Element::txtSQA, Ready);
    form_.setVisible(Element::cmdSeq, false);
    form_.setVisible(Element::cmdRand, false);
    // Marks outlive the review; only their display goes.
    WriteNumber(Element::txtOrder, NoOrder);
    form_.setVisible(Element::chkAgain, false);
    form_.setVisible(Element::lblMarked, false);
    HideTest();
    return Step::Idle;
}

Step Drill::Sequential() {
    return PrepareReview(SequentialOrder, Element::cmdSeq, Element::cmdRand);
}

Step Drill::Random() {
    return PrepareReview(RandomOrder, Element::cmdRand, Element::cmdSeq);
}

// Each order command starts its review afresh from whatever ran before. The
// asked-set starts out holding the items outside the review, so the picker
// never draws them and the sequential order skips them; with every section
// chosen it starts empty.
Step Drill::PrepareReview(Order order, Element shownButton, Element hiddenButton) {
    std::bitset<kRandomListRows> outside;
    for (int item = 1; item <= bank::kItemCount; ++item)
        outside[item] = !InReview(item, order);
    const int length = bank::kItemCount - static_cast<int>(outside.count());
    if (length == 0)
        return Step::None; // the marked order with nothing marked: not offered

    form_.setVisible(Element::Picture1, false);
    for (int item = 1; item <= bank::kItemCount; ++item)
        form_.setRowSelected(List::RandomList, item, outside[item]);
    for (const Element label : {Element::lblTitle, Element::lblAnswer, Element::lblQuestion}) {
        form_.setVisible(label, true);
        form_.setText(label, "");
    }
    form_.setVisible(Element::lblCounter, true);
    form_.setText(Element::lblCounter, "0");
    form_.setVisible(Element::lblOf204, true);
    form_.setText(Element::lblOf204, bank::Join({kOfPrefix, WholeNumberText(length)}));
    WriteNumber(Element::txtCounter, 0);
    // The sequential order shows its first item on the first click; the
    // random orders only draw it then.
    WriteNumber(Element::txtQuestion, order == SequentialOrder ? NextItem(0).value_or(0) : 0);
    WriteNumber(Element::txtSQA, Ready);
    form_.setVisible(hiddenButton, false);
    form_.setVisible(shownButton, true);
    form_.setText(shownButton, kStartCaption);

    WriteNumber(Element::txtLength, length);
    WriteNumber(Element::txtOrder, order);
    form_.setVisible(Element::chkAgain, false);
    HideTest();
    if (IsTestOrder(order)) {
        form_.setText(Element::lblScore, bank::Join({"0 ", kRight}));
        form_.setVisible(Element::lblScore, true);
    }
    ShowMarks();
    return Step::Ready;
}

Step Drill::cmdSeqClick() {
    if (TestRunning())
        return Step::None;
    switch (ReadPhase()) {
    case Ready:
        WriteNumber(Element::txtSQA, QuestionShown);
        form_.setText(Element::lblCounter, "1");
        return ShowQuestion(Element::cmdSeq);
    case QuestionShown:
        // The sequential review ends on the answer of its last item.
        return AnswerStep(Element::cmdSeq, ReadNumber(Element::lblCounter));
    case AnswerShown: {
        const auto next = NextItem(static_cast<int>(ReadNumber(Element::txtQuestion)));
        if (!next)
            return Step::None;
        WriteNumber(Element::txtSQA, QuestionShown);
        WriteNumber(Element::txtQuestion, *next);
        Advance(Element::lblCounter);
        form_.setText(Element::lblAnswer, "");
        return ShowQuestion(Element::cmdSeq);
    }
    case Finished:
        return RESET();
    default:
        return Step::None;
    }
}

Step Drill::cmdRandClick() {
    const int phase = ReadPhase();
    switch (phase) {
    case Ready:
    case AnswerShown: {
        if (phase == AnswerShown && TestRunning() &&
            ReadNumber(Element::txtCounter) == ReadNumber(Element::txtLength))
            return FinishTest(); // a test's last verdict, kept open for an appeal
        // Picking first lets an exhausted asked-set leave the window untouched;
        // the draw only touches the asked-set, so the user sees no difference.
        const std::optional<std::int16_t> item = GetRandom();
        if (!item)
            return Step::None;
        WriteNumber(Element::txtSQA, QuestionShown);
        if (phase == Ready) {
            WriteNumber(Element::txtCounter, 1);
            form_.setText(Element::lblCounter, "1");
        } else {
            Advance(Element::txtCounter);
            Advance(Element::lblCounter);
            form_.setText(Element::lblAnswer, "");
        }
        WriteNumber(Element::txtQuestion, *item);
        return ShowQuestion(Element::cmdRand);
    }
    case QuestionShown:
        if (TestRunning())
            return Check(); // the button reads CHECK in the write form, and is hidden in the other
        // The random review ends on the answer of its last draw, whichever
        // item that is.
        return AnswerStep(Element::cmdRand, ReadNumber(Element::txtCounter));
    case Finished:
        return RESET();
    default:
        return Step::None;
    }
}

Step Drill::ShowQuestion(Element button) {
    // The order command emptied the title, so a review's first one is new.
    const std::string titleBefore = form_.text(Element::lblTitle);
    if (const auto number = NearestInt16(ReadNumber(Element::txtQuestion)))
        GetTitle(*number);
    form_.setText(Element::lblQuestion, GetQuestion(ItemKey()));
    form_.setVisible(Element::chkAgain, false);
    form_.setText(button, kAnswerCaption);
    if (TestRunning())
        PoseQuestion();
    return form_.text(Element::lblTitle) != titleBefore ? Step::NewSection : Step::Question;
}

Step Drill::AnswerStep(Element button, double reviewedSoFar) {
    const bool last = reviewedSoFar == ReadNumber(Element::txtLength);
    form_.setText(Element::lblAnswer, GetAnswer(ItemKey()));
    // Showing an answer clears the item's mark; the learner may set it again.
    if (const auto item = ShownItem())
        form_.setRowSelected(List::MarkList, *item, false);
    form_.setChecked(Element::chkAgain, false);
    form_.setVisible(Element::chkAgain, true);
    ShowMarks();
    if (!last) {
        WriteNumber(Element::txtSQA, AnswerShown);
        form_.setText(button, kNextQuestionCaption);
        return Step::Answer;
    }
    // Answer, phase and caption are all in place before the modal box opens.
    WriteNumber(Element::txtSQA, Finished);
    form_.setText(button, kResetCaption);
    form_.showMessage(EndMessage(), kEndTitle, {});
    return Step::End;
}

std::optional<std::int16_t> Drill::GetRandom() {
    bool anyLeft = false;
    for (int row = 1; row < kRandomListRows && !anyLeft; ++row)
        anyLeft = !form_.rowSelected(List::RandomList, row);
    if (!anyLeft)
        return std::nullopt;

    random_.reseed();
    // Rejection sampling: every draw is uniform over all items, and draws of
    // items already asked (or outside the review) are thrown away.
    std::int16_t GetRandomData = 0;
    do {
        const double r = random_.next();
        GetRandomData = static_cast<std::int16_t>(std::floor(r * bank::kItemCount) + 1);
    } while (form_.rowSelected(List::RandomList, GetRandomData));
    form_.setRowSelected(List::RandomList, GetRandomData, true);
    return GetRandomData;
}

void Drill::GetTitle(std::int16_t TitleInput) {
    if (const auto title = bank::GetTitle(TitleInput))
        form_.setText(Element::lblTitle, *title);
}

std::string Drill::GetQuestion(std::string_view QuestionInput) {
    return std::string(bank::GetQuestion(QuestionInput).value_or(""));
}

std::string Drill::GetAnswer(std::string_view AnswerInput) {
    return std::string(bank::GetAnswer(AnswerInput).value_or(""));
}

// The next item of the review after the given one, in item order.
std::optional<int> Drill::NextItem(int after) const {
    for (int item = std::max(after + 1, 1); item <= bank::kItemCount; ++item)
        if (!form_.rowSelected(List::RandomList, item))
            return item;
    return std::nullopt;
}

void Drill::Advance(Element element) {
    WriteNumber(element, ReadNumber(element) + 1.0);
}

int Drill::ReadPhase() const {
    return NearestInt16(ReadNumber(Element::txtSQA)).value_or(kNoPhase);
}

double Drill::ReadNumber(Element element) const {
    return LenientNumber(form_.text(element));
}

void Drill::WriteNumber(Element element, double value) {
    form_.setText(element, WholeNumberText(value));
}

// The item on display, when the item number names one.
std::optional<int> Drill::ShownItem() const {
    const auto item = NearestInt16(ReadNumber(Element::txtQuestion));
    if (!item || *item < 1 || *item > bank::kItemCount)
        return std::nullopt;
    return *item;
}

// The bank is keyed by the item number's plain decimal text, formed from the
// parsed number rather than the field's raw text.
std::string Drill::ItemKey() const {
    return WholeNumberText(ReadNumber(Element::txtQuestion));
}

void Drill::ClearAskedSet() {
    for (int row = 1; row < kRandomListRows; ++row)
        form_.setRowSelected(List::RandomList, row, false);
}

} // namespace drill
