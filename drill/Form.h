// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The review's state is, by design, the texts of the window's named elements:
// every step reads it back from them and writes it to them, so it is not kept
// in members, and the names below are the window's own.
//
//   menu command or button click -> Drill step -> bank lookups
//                                      |
//                                      v
//                          Form (named elements, message box)
//
// Form is all the drill knows of the window. The Qt window implements it with
// its widgets; MemoryForm in plain memory, for the tests and for the web page
// (which draws its elements from it), so every review runs the same drill code
// with or without a display.
#pragma once

#include "QuestionBank.h"

#include <array>
#include <string>
#include <string_view>

namespace drill {

// The elements that the review reads or writes. Labels and buttons have a
// caption, the hidden fields a text, the picture only a visible flag; the
// review-again box also has a checked flag.
enum class Element {
    Picture1,
    lblTitle,
    lblQuestion,
    lblAnswer,
    lblCounter,
    lblOf204,
    cmdSeq,
    cmdRand,
    txtSQA,      // review phase
    txtQuestion, // item number on display
    txtCounter,  // draw count of the random order
    chkAgain,    // marks the item whose answer is shown to review again
    lblMarked,   // how many items are marked, "3 TO REVIEW AGAIN"
    txtLength,   // how many items the review presents, its end test
    txtOrder,    // which order runs: 1 sequential, 2 random, 3 marked, 4 and 5 the tests
    // The graded test: four answers to choose from, or a field to write one
    // in; the verdict, the learner's overrule of it, and the running score.
    cmdChoice1,
    cmdChoice2,
    cmdChoice3,
    cmdChoice4,
    txtAnswer,
    lblVerdict,
    cmdCountRight,
    lblScore, // "5 RIGHT", which the score is read back from
};

struct ElementInfo {
    Element element;
    std::string_view name;      // the objectName it carries in the window
    std::string_view startText; // its design-time text
    bool startsVisible;
};

// The caption after the counter, "OF 204" for a review of every item, made
// from the bank's count.
inline constexpr std::string_view kOfPrefix = "OF ";
struct OfCaption {
    std::array<char, 16> chars{};
    std::size_t size = 0;
    constexpr std::string_view view() const { return {chars.data(), size}; }
};
constexpr OfCaption MakeOfCaption(int count) {
    OfCaption caption;
    for (const char c : kOfPrefix)
        caption.chars[caption.size++] = c;
    char digits[10]{};
    int n = 0;
    do
        digits[n++] = static_cast<char>('0' + count % 10);
    while ((count /= 10) > 0);
    while (n > 0)
        caption.chars[caption.size++] = digits[--n];
    return caption;
}
inline constexpr OfCaption kOfAllItemsCaption = MakeOfCaption(bank::kItemCount);
inline constexpr std::string_view kOfAllItems = kOfAllItemsCaption.view();

// Every element with its name and its look at start-up, in enum order.
inline constexpr std::array<ElementInfo, 23> kElements{{
    {Element::Picture1, "Picture1", "", true},
    {Element::lblTitle, "lblTitle", "", false},
    {Element::lblQuestion, "lblQuestion", "", false},
    {Element::lblAnswer, "lblAnswer", "", false},
    {Element::lblCounter, "lblCounter", "", false},
    {Element::lblOf204, "lblOf204", kOfAllItems, false},
    {Element::cmdSeq, "cmdSeq", "", false},
    {Element::cmdRand, "cmdRand", "", false},
    {Element::txtSQA, "txtSQA", "S Q A", false},
    {Element::txtQuestion, "txtQuestion", "Q #", false},
    {Element::txtCounter, "txtCounter", "Count", false},
    {Element::chkAgain, "chkAgain", "REVIEW AGAIN", false},
    {Element::lblMarked, "lblMarked", "", false},
    {Element::txtLength, "txtLength", "Length", false},
    {Element::txtOrder, "txtOrder", "Order", false},
    {Element::cmdChoice1, "cmdChoice1", "", false},
    {Element::cmdChoice2, "cmdChoice2", "", false},
    {Element::cmdChoice3, "cmdChoice3", "", false},
    {Element::cmdChoice4, "cmdChoice4", "", false},
    {Element::txtAnswer, "txtAnswer", "", false},
    {Element::lblVerdict, "lblVerdict", "", false},
    {Element::cmdCountRight, "cmdCountRight", "COUNT IT RIGHT", false},
    {Element::lblScore, "lblScore", "", false},
}};

constexpr bool ElementsAreInEnumOrder() {
    for (std::size_t i = 0; i < kElements.size(); ++i)
        if (static_cast<std::size_t>(kElements[i].element) != i || kElements[i].name.empty())
            return false;
    return true;
}
static_assert(ElementsAreInEnumOrder(), "kElements must list every Element once, in enum order");
static_assert(static_cast<std::size_t>(Element::lblScore) + 1 == kElements.size(),
              "kElements must end with the last Element");

constexpr const ElementInfo& Info(Element element) {
    return kElements[static_cast<std::size_t>(element)];
}
constexpr std::string_view ElementName(Element element) {
    return Info(element).name;
}

// Hidden list boxes whose row selection flags hold state. Row 0 of each
// exists and is never used.
enum class List {
    // Row n: item n is not (or no longer) to be asked in this review: drawn
    // already, or outside the review's sections or marks.
    RandomList,
    // Row n: item n is marked to review again.
    MarkList,
    // Row s: section s (1 to 33, in bank order) is chosen for review.
    SectionList,
    // Row n: item n is in the running test.
    TestList,
};

struct ListInfo {
    List list;
    std::string_view name;
    int rows;
    bool startsSelected; // rows 1 and up
};

inline constexpr std::array<ListInfo, 4> kLists{{
    {List::RandomList, "RandomList", bank::kItemCount + 1, false},
    {List::MarkList, "MarkList", bank::kItemCount + 1, false},
    {List::SectionList, "SectionList", bank::kSectionCount + 1, true},
    {List::TestList, "TestList", bank::kItemCount + 1, false},
}};

constexpr const ListInfo& Info(List list) {
    return kLists[static_cast<std::size_t>(list)];
}
inline constexpr int kRandomListRows = Info(List::RandomList).rows;

constexpr bool ListsFitTheLongest() {
    for (std::size_t i = 0; i < kLists.size(); ++i)
        if (static_cast<std::size_t>(kLists[i].list) != i || kLists[i].rows > kRandomListRows)
            return false;
    return true;
}
static_assert(ListsFitTheLongest(), "kLists must be in enum order, RandomList the longest");

class Form {
public:
    virtual ~Form() = default;

    // Caption of a label or button, text of a hidden field.
    virtual std::string text(Element element) const = 0;
    virtual void setText(Element element, std::string_view text) = 0;
    virtual void setVisible(Element element, bool visible) = 0;

    // The checked flag of the review-again box.
    virtual void setChecked(Element element, bool checked) = 0;

    virtual bool rowSelected(List list, int row) const = 0;
    virtual void setRowSelected(List list, int row, bool selected) = 0;

    // A modal information box with an OK button and, where otherButton is
    // not empty, a second button of that caption. Returns once it is closed:
    // true when the second button closed it. A form that cannot wait for the
    // learner shows the box and returns false; its front end then runs the
    // second button's command itself.
    virtual bool showMessage(std::string_view text, std::string_view title,
                             std::string_view otherButton) = 0;
};

} // namespace drill
