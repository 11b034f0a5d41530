// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The web page's way into the drill: one review session per page (the named
// elements in memory, the clock-seeded generator and the Drill over them)
// and a few C functions for JavaScript. The page forwards each command or
// click by its name, then draws every element from the form, as the window
// does through WidgetForm.
#include "Drill.h"
#include "MemoryForm.h"
#include "ProgramInfo.h"
#include "QuestionBank.h"
#include "RandomSource.h"

#include <emscripten/emscripten.h>
#include <string>
#include <string_view>

namespace {

struct Session {
    drill::MemoryForm form;
    drill::ClockRandom random;
    drill::Drill drill{form, random};
};

Session& TheSession() {
    static Session session;
    return session;
}

// The text handed back last; JavaScript copies it before the next call.
const char* Hand(std::string_view text) {
    static std::string held;
    held = text;
    return held.c_str();
}

bool ValidElement(int element) {
    return element >= 0 && element < static_cast<int>(drill::kElements.size());
}

} // namespace

extern "C" {

// Runs the menu command or button click of that name; false for any other.
EMSCRIPTEN_KEEPALIVE bool tol_command(const char* name) {
    drill::Drill& drill = TheSession().drill;
    const std::string_view command(name);
    if (command == "Sequential")
        drill.Sequential();
    else if (command == "Random")
        drill.Random();
    else if (command == "RESET")
        drill.RESET();
    else if (command == "cmdSeqClick")
        drill.cmdSeqClick();
    else if (command == "cmdRandClick")
        drill.cmdRandClick();
    else
        return false;
    return true;
}

EMSCRIPTEN_KEEPALIVE int tol_element_count() {
    return static_cast<int>(drill::kElements.size());
}

EMSCRIPTEN_KEEPALIVE const char* tol_element_name(int element) {
    return Hand(ValidElement(element) ? drill::kElements[element].name : "");
}

EMSCRIPTEN_KEEPALIVE const char* tol_element_text(int element) {
    return Hand(ValidElement(element) ? TheSession().form.text(drill::Element(element)) : "");
}

EMSCRIPTEN_KEEPALIVE bool tol_element_visible(int element) {
    return ValidElement(element) && TheSession().form.isVisible(drill::Element(element));
}

// Message boxes in the order the drill showed them; the page shows each once.
EMSCRIPTEN_KEEPALIVE int tol_message_count() {
    return static_cast<int>(TheSession().form.messages().size());
}

EMSCRIPTEN_KEEPALIVE const char* tol_message_title(int index) {
    return Hand(TheSession().form.messages().at(index).title);
}

EMSCRIPTEN_KEEPALIVE const char* tol_message_text(int index) {
    return Hand(TheSession().form.messages().at(index).text);
}

EMSCRIPTEN_KEEPALIVE const char* tol_about_text() {
    return TAVRIN_ABOUT_TEXT;
}

EMSCRIPTEN_KEEPALIVE const char* tol_donation_url() {
    return TAVRIN_DONATION_URL;
}

// The bank itself, which the page's tests check every card against.
EMSCRIPTEN_KEEPALIVE const char* tol_bank(const char* what, int item) {
    const std::string key = std::to_string(item);
    const std::string_view kind(what);
    const auto text = kind == "question" ? bank::GetQuestion(key)
                      : kind == "answer" ? bank::GetAnswer(key)
                                         : bank::GetTitle(static_cast<std::int16_t>(item));
    return Hand(text.value_or(""));
}

} // extern "C"
