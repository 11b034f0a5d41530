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

constexpr double kReviewLength = 204.0;
constexpr int kNoPhase = -1; // a phase text outside 16 bits: the click does nothing

} // namespace

Drill::Drill(Form& form, RandomSource& random)
    : form_(form)
    , random_(random) {}

void Drill::RESET() {
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
}

void Drill::Sequential() {
    PrepareReview(Element::cmdSeq, Element::cmdRand, "1");
}

void Drill::Random() {
    // The first item is only drawn by the first click.
    PrepareReview(Element::cmdRand, Element::cmdSeq, "0");
}

void Drill::PrepareReview(Element shownButton, Element hiddenButton, std::string_view firstItem) {
    form_.setVisible(Element::Picture1, false);
    ClearAskedSet();
    for (const Element label : {Element::lblTitle, Element::lblAnswer, Element::lblQuestion}) {
        form_.setVisible(label, true);
        form_.setText(label, "");
    }
    form_.setVisible(Element::lblCounter, true);
    form_.setText(Element::lblCounter, "0");
    form_.setVisible(Element::lblOf204, true);
    WriteNumber(Element::txtCounter, 0);
    form_.setText(Element::txtQuestion, firstItem);
    WriteNumber(Element::txtSQA, Ready);
    form_.setVisible(hiddenButton, false);
    form_.setVisible(shownButton, true);
    form_.setText(shownButton, kStartCaption);
}

void Drill::cmdSeqClick() {
    switch (ReadPhase()) {
    case Ready:
        WriteNumber(Element::txtSQA, QuestionShown);
        form_.setText(Element::lblCounter, "1");
        ShowQuestion(Element::cmdSeq);
        break;
    case QuestionShown:
        // The sequential review ends on the answer of item 204.
        AnswerStep(Element::cmdSeq, ReadNumber(Element::txtQuestion));
        break;
    case AnswerShown:
        WriteNumber(Element::txtSQA, QuestionShown);
        Advance(Element::txtQuestion);
        Advance(Element::lblCounter);
        form_.setText(Element::lblAnswer, "");
        ShowQuestion(Element::cmdSeq);
        break;
    case Finished:
        RESET();
        break;
    default:
        break;
    }
}

void Drill::cmdRandClick() {
    const int phase = ReadPhase();
    switch (phase) {
    case Ready:
    case AnswerShown: {
        // Picking first lets an exhausted asked-set leave the window untouched;
        // the draw only touches the asked-set, so the user sees no difference.
        const std::optional<std::int16_t> item = GetRandom();
        if (!item)
            return;
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
        ShowQuestion(Element::cmdRand);
        break;
    }
    case QuestionShown:
        // The random review ends on the answer of its 204th draw, whichever
        // item that is.
        AnswerStep(Element::cmdRand, ReadNumber(Element::txtCounter));
        break;
    case Finished:
        RESET();
        break;
    default:
        break;
    }
}

void Drill::ShowQuestion(Element button) {
    if (const auto number = NearestInt16(ReadNumber(Element::txtQuestion)))
        GetTitle(*number);
    form_.setText(Element::lblQuestion, GetQuestion(ItemKey()));
    form_.setText(button, kAnswerCaption);
}

void Drill::AnswerStep(Element button, double reviewedSoFar) {
    const bool last = reviewedSoFar == kReviewLength;
    form_.setText(Element::lblAnswer, GetAnswer(ItemKey()));
    if (!last) {
        WriteNumber(Element::txtSQA, AnswerShown);
        form_.setText(button, kNextQuestionCaption);
        return;
    }
    // Answer, phase and caption are all in place before the modal box opens.
    WriteNumber(Element::txtSQA, Finished);
    form_.setText(button, kResetCaption);
    form_.showMessage(kEndMessage, kEndTitle);
}

std::optional<std::int16_t> Drill::GetRandom() {
    bool anyLeft = false;
    for (int row = 1; row < kRandomListRows && !anyLeft; ++row)
        anyLeft = !form_.rowSelected(row);
    if (!anyLeft)
        return std::nullopt;

    random_.reseed();
    // Rejection sampling: every draw is uniform over 1 to 204, and draws of
    // items already asked are thrown away.
    std::int16_t GetRandomData = 0;
    do {
        const double r = random_.next();
        GetRandomData = static_cast<std::int16_t>(std::floor(r * kReviewLength) + 1);
    } while (form_.rowSelected(GetRandomData));
    form_.setRowSelected(GetRandomData, true);
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

// The bank is keyed by the item number's plain decimal text, formed from the
// parsed number rather than the field's raw text.
std::string Drill::ItemKey() const {
    return WholeNumberText(ReadNumber(Element::txtQuestion));
}

void Drill::ClearAskedSet() {
    for (int row = 1; row < kRandomListRows; ++row)
        form_.setRowSelected(row, false);
}

} // namespace drill
