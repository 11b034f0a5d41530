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

#include <array>
#include <string>
#include <string_view>

namespace drill {

// The elements that the review reads or writes. Labels and buttons have a
// caption, the three hidden fields a text, the picture only a visible flag.
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
};

struct ElementInfo {
    Element element;
    std::string_view name;      // the objectName it carries in the window
    std::string_view startText; // its design-time text
    bool startsVisible;
};

// Every element with its name and its look at start-up, in enum order.
inline constexpr std::array<ElementInfo, 11> kElements{{
    {Element::Picture1, "Picture1", "", true},
    {Element::lblTitle, "lblTitle", "", false},
    {Element::lblQuestion, "lblQuestion", "", false},
    {Element::lblAnswer, "lblAnswer", "", false},
    {Element::lblCounter, "lblCounter", "", false},
    {Element::lblOf204, "lblOf204", "OF 204", false},
    {Element::cmdSeq, "cmdSeq", "", false},
    {Element::cmdRand, "cmdRand", "", false},
    {Element::txtSQA, "txtSQA", "S Q A", false},
    {Element::txtQuestion, "txtQuestion", "Q #", false},
    {Element::txtCounter, "txtCounter", "Count", false},
}};

constexpr bool ElementsAreInEnumOrder() {
    for (std::size_t i = 0; i < kElements.size(); ++i)
        if (static_cast<std::size_t>(kElements[i].element) != i || kElements[i].name.empty())
            return false;
    return true;
}
static_assert(ElementsAreInEnumOrder(), "kElements must list every Element once, in enum order");
static_assert(static_cast<std::size_t>(Element::txtCounter) + 1 == kElements.size(),
              "kElements must end with the last Element");

constexpr const ElementInfo& Info(Element element) {
    return kElements[static_cast<std::size_t>(element)];
}
constexpr std::string_view ElementName(Element element) {
    return Info(element).name;
}

// The hidden list box RandomList: rows 0 to 204, row n's selection flag marks
// item n as already drawn. Row 0 exists and is never used.
inline constexpr int kRandomListRows = 205;
inline constexpr std::string_view kRandomListName = "RandomList";

class Form {
public:
    virtual ~Form() = default;

    // Caption of a label or button, text of a hidden field.
    virtual std::string text(Element element) const = 0;
    virtual void setText(Element element, std::string_view text) = 0;
    virtual void setVisible(Element element, bool visible) = 0;

    virtual bool rowSelected(int row) const = 0;
    virtual void setRowSelected(int row, bool selected) = 0;

    // A modal information box with one OK button; returns once it is closed.
    virtual void showMessage(std::string_view text, std::string_view title) = 0;
};

} // namespace drill
