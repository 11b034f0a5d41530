// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Form.h"

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

// Review phases, stored as text in txtSQA. The visible review button's caption
// always names what the next click does.
enum Phase : std::int16_t {
    Ready = 0,         // "START"
    QuestionShown = 1, // "ANSWER"
    AnswerShown = 2,   // "NEXT QUESTION"
    Finished = 3,      // "RESET"
};

// The two review orders and the reset, one method per command or click. Each
// step reads the review state back from the form; the drill holds nothing but
// the form and the generator.
class Drill {
public:
    Drill(Form& form, RandomSource& random);

    // The order commands of the menu.
    void Sequential();
    void Random();

    // Clicks on the review buttons.
    void cmdSeqClick();
    void cmdRandClick();

    // Back to the idle look: picture shown, labels and buttons hidden, state 0.
    // The menu's File > Reset and the click that ends a review.
    void RESET();

    // Draws an item not yet asked in this random review, uniformly, and marks
    // it asked. Empty, without a draw, when every item has been asked.
    std::optional<std::int16_t> GetRandom();

private:
    void PrepareReview(Element shownButton, Element hiddenButton, std::string_view firstItem);
    void ShowQuestion(Element button);
    void AnswerStep(Element button, double reviewedSoFar);
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
