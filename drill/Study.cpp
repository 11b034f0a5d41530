// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Studying what is not known yet, added to the review: a mark on each item
// the learner missed (MarkList), the marked order that drills them, and the
// sections chosen for review (SectionList). Like the review state, all of it
// lives in the form's named elements and lasts as long as the program.
#include "Drill.h"
#include "NumberText.h"
#include "QuestionBank.h"

namespace drill {

std::string SectionLabel(int section) {
    const bank::SectionRange& range = bank::kSections[static_cast<std::size_t>(section - 1)];
    return bank::Join({range.title, " (", WholeNumberText(range.last - range.first + 1), ")"});
}

Step Drill::Marked() {
    return PrepareReview(MarkedOrder, Element::cmdRand, Element::cmdSeq);
}

bool Drill::InReview(int item, Order order) const {
    if (IsTestOrder(order))
        return form_.rowSelected(List::TestList, item);
    return form_.rowSelected(List::SectionList, bank::SectionOf(item)) &&
           (order != MarkedOrder || form_.rowSelected(List::MarkList, item));
}

// A mark means "missed the last time its answer was shown": the answer step
// clears it, and this sets it again.
Step Drill::ReviewAgain() {
    const int phase = ReadPhase();
    const auto item = ShownItem();
    // In a test the verdicts set the marks.
    const Order order = ReadOrder();
    if ((phase != AnswerShown && phase != Finished) || !item || IsTestOrder(order))
        return Step::None;
    const bool marked = !form_.rowSelected(List::MarkList, *item);
    form_.setRowSelected(List::MarkList, *item, marked);
    form_.setChecked(Element::chkAgain, marked);
    ShowMarks();
    return Step::Mark;
}

Step Drill::ClearMarks() {
    if (TestRunning())
        return Step::None;
    for (int item = 1; item <= bank::kItemCount; ++item)
        form_.setRowSelected(List::MarkList, item, false);
    form_.setChecked(Element::chkAgain, false);
    ShowMarks();
    return Step::None;
}

int Drill::MarkedToDrill() const {
    int marked = 0;
    for (int section = 1; section <= bank::kSectionCount; ++section) {
        if (!form_.rowSelected(List::SectionList, section))
            continue;
        const bank::SectionRange& range = bank::kSections[static_cast<std::size_t>(section - 1)];
        for (int item = range.first; item <= range.last; ++item)
            marked += form_.rowSelected(List::MarkList, item) ? 1 : 0;
    }
    return marked;
}

Sections Drill::ChosenSections() const {
    Sections chosen;
    for (int section = 1; section <= bank::kSectionCount; ++section)
        chosen[section - 1] = form_.rowSelected(List::SectionList, section);
    return chosen;
}

bool Drill::ChooseSections(const Sections& chosen) {
    if (chosen.none() || TestRunning())
        return false;
    for (int section = 1; section <= bank::kSectionCount; ++section)
        form_.setRowSelected(List::SectionList, section, chosen[section - 1]);
    ShowMarks();
    return true;
}

// "3 TO REVIEW AGAIN" during a review, while anything is marked.
void Drill::ShowMarks() {
    const int marked = MarkedToDrill();
    form_.setText(Element::lblMarked,
                  marked > 0 ? bank::Join({WholeNumberText(marked), kToReviewAgain}) : "");
    const Order order = ReadOrder();
    // A test's counter line holds its score instead.
    form_.setVisible(Element::lblMarked, marked > 0 && order != NoOrder && !IsTestOrder(order));
}

// The congratulation, then how many of the review's items are marked; a
// review without marks ends with the congratulation alone, a marked one says
// that none is left.
std::string Drill::EndMessage() const {
    std::string text(kEndMessage);
    const int marked = MarkedToDrill();
    const bool markedOrder = ReadOrder() == MarkedOrder;
    if (marked > 0) {
        text += bank::Join({"\n", WholeNumberText(marked), " ", kOfPrefix,
                            WholeNumberText(ReadNumber(Element::txtLength)),
                            markedOrder ? kStillMarkedAtEnd : kMarkedAtEnd, kDrillThem});
    } else if (markedOrder) {
        text += '\n';
        text += kNoneMarkedAtEnd;
    }
    return text;
}

} // namespace drill
