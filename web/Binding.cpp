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
#include "NumberText.h"
#include "ProgramInfo.h"
#include "QuestionBank.h"
#include "RandomSource.h"
#include "Search.h"

#include <emscripten/emscripten.h>
#include <string>
#include <string_view>
#include <utility>

// The page's clock, in microseconds since 1970: Date.now()'s, finer where
// the browser allows.
extern "C" EM_IMPORT(tol_clock) double tol_clock();

namespace {

std::int64_t PageClock() {
    return static_cast<std::int64_t>(tol_clock());
}

struct Session {
    drill::MemoryForm form;
    drill::ClockRandom random{PageClock};
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

// The calls the page makes, exported under the names web/CMakeLists.txt lists.
extern "C" {

// Runs the menu command or button click of that name and says what step it
// took ("question", "new-section", "answer", ...); "" for an unknown name.
const char* tol_command(const char* name) {
    using Command = drill::Step (drill::Drill::*)();
    static constexpr std::pair<std::string_view, Command> kCommands[] = {
        {"Sequential", &drill::Drill::Sequential},
        {"Random", &drill::Drill::Random},
        {"Marked", &drill::Drill::Marked},
        {"RESET", &drill::Drill::RESET},
        {"cmdSeqClick", &drill::Drill::cmdSeqClick},
        {"cmdRandClick", &drill::Drill::cmdRandClick},
        {"ReviewAgain", &drill::Drill::ReviewAgain},
        {"ClearMarks", &drill::Drill::ClearMarks},
        {"ChooseTheAnswer", &drill::Drill::ChooseTheAnswer},
        {"WriteTheAnswer", &drill::Drill::WriteTheAnswer},
        {"Check", &drill::Drill::Check},
        {"CountItRight", &drill::Drill::CountItRight},
        {"TestTheMisses", &drill::Drill::TestTheMisses},
    };
    static constexpr std::string_view kSteps[] = {
        "none", "idle", "ready", "question", "new-section", "answer", "end", "mark", "verdict"};
    drill::Drill& drill = TheSession().drill;
    for (const auto& [command, run] : kCommands)
        if (command == name)
            return Hand(kSteps[static_cast<int>((drill.*run)())]);
    // "Choose1" to "Choose4": the test's four answers.
    const std::string_view command(name);
    if (command.size() == 7 && command.substr(0, 6) == "Choose")
        return Hand(kSteps[static_cast<int>(drill.Choose(command[6] - '0'))]);
    return Hand("");
}

// What the learner typed into the written test's field, before Check.
void tol_set_answer(const char* text) {
    TheSession().form.setText(drill::Element::txtAnswer, text);
}

// Part 0 of an element is its name, "" past the last, part 1 its text.
const char* tol_element(int element, int part) {
    if (!ValidElement(element))
        return "";
    return Hand(part == 0 ? drill::kElements[element].name
                          : TheSession().form.text(drill::Element(element)));
}

// 1 where the element is shown, plus 2 where it is checked.
int tol_element_state(int element) {
    const drill::MemoryForm& form = TheSession().form;
    return ValidElement(element) ? form.isVisible(drill::Element(element)) +
                                       2 * form.isChecked(drill::Element(element))
                                 : 0;
}

// 1 where Begin Review > Order > Marked has anything to drill, plus 2 while
// a test runs.
int tol_review_state() {
    const drill::Drill& drill = TheSession().drill;
    return (drill.MarkedToDrill() > 0) + 2 * drill.TestRunning();
}

// The sections box: a row per section, 1 to 33 ("" past the last), and the
// choice made in it as a text of '1' (chosen) and '0' (left out), refused
// when none is chosen.
const char* tol_section_label(int section) {
    return Hand(section >= 1 && section <= bank::kSectionCount ? drill::SectionLabel(section) : "");
}

const char* tol_chosen_sections() {
    const drill::Sections& chosen = TheSession().drill.ChosenSections();
    std::string flags(chosen.size(), '0');
    for (std::size_t i = 0; i < chosen.size(); ++i)
        if (chosen[i])
            flags[i] = '1';
    return Hand(flags);
}

bool tol_choose_sections(const char* flags) {
    drill::Sections chosen;
    for (std::size_t i = 0; i < chosen.size() && flags[i] != '\0'; ++i)
        chosen[i] = flags[i] == '1';
    return TheSession().drill.ChooseSections(chosen);
}

// The texts the page shows or says around the review, the verdict as a
// screen reader hears it among them.
const char* tol_text(const char* which) {
    static constexpr std::pair<std::string_view, std::string_view> kTexts[] = {
        {"sections-title", drill::kSectionsTitle},
        {"no-section", drill::kNoSectionChosen},
        {"marked", drill::kMarkedSpoken},
        {"not-marked", drill::kNotMarkedSpoken},
        {"lookup-title", bank::kLookUpTitle},
        {"search-label", bank::kSearchLabel},
        {"question-header", bank::kQuestionHeader},
        {"answer-header", bank::kAnswerHeader},
        {"your-answer", drill::kYourAnswer},
        {"choices-label", drill::kChoicesLabel},
        {"right", drill::kRight},
        {"about", TAVRIN_ABOUT_TEXT},
        {"donation-url", TAVRIN_DONATION_URL},
    };
    for (const auto& [name, text] : kTexts)
        if (name == which)
            return Hand(text);
    return Hand(std::string_view(which) == "verdict" ? TheSession().drill.VerdictSpoken() : "");
}

// Look Up: which items the query shows, as a text of '1' (shown) and '0'
// per item, and the line that says how many.
const char* tol_lookup(const char* query) {
    std::string shown(bank::kItemCount, '0');
    for (int item = 1; item <= bank::kItemCount; ++item)
        if (bank::Matches(item, query))
            shown[static_cast<std::size_t>(item - 1)] = '1';
    return Hand(shown);
}

const char* tol_count_line(const char* query, int shown) {
    return Hand(bank::CountLine(shown, query));
}

// Message boxes in the order the drill showed them, the page showing each
// once: part 0 of one is its title, 1 its text (never "" but past the last),
// 2 the caption of its second button ("" for a box with OK alone).
const char* tol_message(int index, int part) {
    const auto& messages = TheSession().form.messages();
    if (index < 0 || index >= static_cast<int>(messages.size()))
        return "";
    const drill::MemoryForm::Message& message = messages[static_cast<std::size_t>(index)];
    return Hand(part == 0 ? message.title : part == 1 ? message.text : message.otherButton);
}

// The bank itself, which the page's tests check every card against.
const char* tol_bank(const char* what, int item) {
    const std::string key = drill::WholeNumberText(item);
    const std::string_view kind(what);
    const auto text = kind == "question" ? bank::GetQuestion(key)
                      : kind == "answer" ? bank::GetAnswer(key)
                                         : bank::GetTitle(static_cast<std::int16_t>(item));
    return Hand(text.value_or(""));
}

} // extern "C"
