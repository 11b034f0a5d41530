// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The review keeps no member state: its whole progress lives in named
// elements of the window and is read back from them on every step.
//
//   menu command or button click -> Drill step -> bank lookups
//                                      |
//                                      v
//                          Form (named elements, message box)
//
// Form is all the drill knows of the window. The Qt window implements it
// with its widgets; MemoryForm implements it in plain memory, so every review
// runs the same drill code with or without a display.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace drill {

// The elements that the review reads or writes, named as the window names
// them. Labels and buttons have a caption, the three hidden fields a text, the
// picture only a visible flag.
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

inline constexpr std::array kElements{
    Element::Picture1,   Element::lblTitle,    Element::lblQuestion, Element::lblAnswer,
    Element::lblCounter, Element::lblOf204,    Element::cmdSeq,      Element::cmdRand,
    Element::txtSQA,     Element::txtQuestion, Element::txtCounter,
};

// The objectName that the element carries in the window.
constexpr std::string_view ElementName(Element element) {
    constexpr std::array<std::string_view, kElements.size()> names{
        "Picture1", "lblTitle", "lblQuestion", "lblAnswer",   "lblCounter", "lblOf204",
        "cmdSeq",   "cmdRand",  "txtSQA",      "txtQuestion", "txtCounter",
    };
    return names[static_cast<std::size_t>(element)];
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
