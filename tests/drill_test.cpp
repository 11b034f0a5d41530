// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole reviews and a whole study session on the in-memory form, checked at
// every step; the random picker; the clicks that must not step.
#include "Drill.h"
#include "MemoryForm.h"
#include "QuestionBank.h"
#include "RandomSource.h"

#include <algorithm>
#include <deque>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

using drill::Drill;
using drill::Element;
using drill::List;
using drill::MemoryForm;
using drill::Step;

namespace {

// Plays scripted values, then steps through the items in turn; counts
// reseeds and draws.
struct TestRandom final : drill::RandomSource {
    static float ValueFor(int item) { return (static_cast<float>(item) - 0.5f) / 204.0f; }
    void reseed() override { ++reseeds; }
    float next() override {
        if (scripted.empty())
            return ValueFor(draws++ % 204 + 1);
        ++draws;
        const float value = scripted.front();
        scripted.pop_front();
        return value;
    }
    std::deque<float> scripted;
    int reseeds = 0, draws = 0;
};

struct Session {
    MemoryForm form;
    TestRandom random;
    Drill drill{form, random};
    std::string text(Element e) const { return form.text(e); }
    // What the learner sees: each visible element, "name=text|", a checked
    // box with a '+'.
    std::string look() const {
        std::string seen;
        for (const drill::ElementInfo& info : drill::kElements)
            if (form.isVisible(info.element))
                seen += std::string(info.name) + "=" + form.text(info.element) +
                        (form.isChecked(info.element) ? "+|" : "|");
        return seen;
    }
    std::string marks() const {
        const int marked = drill.MarkedToDrill();
        return marked ? "lblMarked=" + std::to_string(marked) + " TO REVIEW AGAIN|" : "";
    }
    std::string lastMessage() const { return form.messages().back().text; }
};

std::string Bank(std::optional<std::string_view> text) {
    return std::string(text.value_or("(none)"));
}

// What every order command leaves, whatever ran before: an empty card, the
// counter at 0 of the review's length, its button at START.
std::string Ready(const Session& s, const char* button, int length) {
    return "lblTitle=|lblQuestion=|lblAnswer=|lblCounter=0|lblOf204=OF " + std::to_string(length) +
           "|" + button + "=START|" + s.marks();
}

// Steps the review that is ready to its end box, checking every step against
// the bank, and marks the items in toMark after their answers. Returns the
// items in the order shown.
std::vector<int> RunReview(Session& s, Element button, const std::set<int>& toMark = {}) {
    const std::string of = s.text(Element::lblOf204), name(drill::ElementName(button));
    const int length = std::stoi(of.substr(3));
    const auto click = [&] {
        return button == Element::cmdSeq ? s.drill.cmdSeqClick() : s.drill.cmdRandClick();
    };
    const std::size_t messages = s.form.messages().size();
    std::vector<int> shown;
    std::string title;
    for (int n = 1; n <= length; ++n) {
        const Step question = click();
        const int item = std::stoi(s.text(Element::txtQuestion));
        const std::string key = std::to_string(item);
        shown.push_back(item);
        EXPECT_EQ(question, Bank(bank::GetTitle(std::int16_t(item))) != title ? Step::NewSection
                                                                              : Step::Question);
        title = Bank(bank::GetTitle(std::int16_t(item)));
        const std::string card =
            "lblTitle=" + title + "|lblQuestion=" + Bank(bank::GetQuestion(key)) + "|lblAnswer=";
        const std::string counter =
            "|lblCounter=" + std::to_string(n) + "|lblOf204=" + of + "|" + name + "=";
        EXPECT_EQ(s.look(),
                  card + counter + "ANSWER|" + s.marks()); // no mark box beside a question
        EXPECT_EQ(s.drill.ReviewAgain(), Step::None);
        EXPECT_EQ(click(), n < length ? Step::Answer : Step::End);
        // The answer cleared the item's mark; the learner may set it again.
        EXPECT_EQ(s.look(), card + Bank(bank::GetAnswer(key)) + counter +
                                (n < length ? "NEXT QUESTION" : "RESET") +
                                "|chkAgain=REVIEW AGAIN|" + s.marks());
        EXPECT_EQ(s.form.messages().size(), messages + (n < length ? 0 : 1));
        if (toMark.count(item)) {
            EXPECT_EQ(s.drill.ReviewAgain(), Step::Mark);
            EXPECT_TRUE(s.form.isChecked(Element::chkAgain) &&
                        s.form.rowSelected(List::MarkList, item));
        }
    }
    return shown;
}

} // namespace

// With every section and no marks, both orders are exactly the plain review:
// 204 items in 408 clicks, the congratulation alone, one more click to reset.
TEST(Review, WholeReviewsOfEverySection) {
    std::vector<int> all(204);
    for (int item = 1; item <= 204; ++item)
        all[item - 1] = item;
    for (const Element button : {Element::cmdSeq, Element::cmdRand}) {
        Session s;
        const char* name = button == Element::cmdSeq ? "cmdSeq" : "cmdRand";
        EXPECT_EQ(button == Element::cmdSeq ? s.drill.Sequential() : s.drill.Random(), Step::Ready);
        EXPECT_EQ(s.look(), Ready(s, name, 204));
        std::vector<int> items = RunReview(s, button);
        std::sort(items.begin(), items.end()); // the random order: each once
        EXPECT_EQ(items, all);
        ASSERT_EQ(s.form.messages().size(), 1u);
        EXPECT_EQ(s.lastMessage() + "|" + s.form.messages()[0].title,
                  "YOU HAVE REACHED THE END OF THE REVIEW|CONGRATULATIONS!");
        EXPECT_EQ(button == Element::cmdSeq ? s.drill.cmdSeqClick() : s.drill.cmdRandClick(),
                  Step::Idle);
        EXPECT_EQ(s.look(), "Picture1=|");
        EXPECT_EQ(s.text(Element::txtSQA) + s.text(Element::txtQuestion) +
                      s.text(Element::txtCounter),
                  "000");
    }
}

// Every order command, from every phase of either order, starts afresh:
// nothing of the last card (its title above START above all) is left.
TEST(Review, EveryOrderCommandFromEveryPhaseStartsAfresh) {
    using Command = Step (Drill::*)();
    const std::pair<Command, const char*> orders[] = {
        {&Drill::Sequential, "cmdSeq"}, {&Drill::Random, "cmdRand"}, {&Drill::Marked, "cmdRand"}};
    for (const Command before : {&Drill::Sequential, &Drill::Random, &Drill::Marked}) {
        for (int clicks = 0; clicks <= 3; ++clicks) {
            for (const auto& [command, button] : orders) {
                Session s;
                s.drill.ChooseSections(drill::Sections().set(32)); // MISCELLANEOUS, 199 to 204
                const auto mark = [&s] {
                    s.form.setRowSelected(List::MarkList, 199, true);
                    s.form.setRowSelected(List::MarkList, 200, true);
                };
                mark();
                (s.drill.*before)();
                for (int click = 0; click < clicks; ++click)
                    before == &Drill::Sequential ? s.drill.cmdSeqClick() : s.drill.cmdRandClick();
                mark(); // an answer shown cleared one
                SCOPED_TRACE(std::to_string(clicks) + " clicks");
                EXPECT_EQ((s.drill.*command)(), Step::Ready);
                EXPECT_EQ(s.look(), Ready(s, button, command == &Drill::Marked ? 2 : 6));
                EXPECT_EQ(s.text(Element::txtQuestion),
                          command == &Drill::Sequential ? "199" : "0");
            }
        }
    }
}

// Two sections chosen, a sequential review with some items marked, then the
// marked order until none is left; cards written out here as well, so that a
// fault in the bank's lookups cannot hide behind the same lookups.
TEST(Study, SectionsMarksAndTheMarkedOrderDownToNone) {
    Session s;
    EXPECT_FALSE(s.drill.ChooseSections({})); // none: refused, nothing changed
    EXPECT_TRUE(s.drill.ChosenSections().all());
    EXPECT_TRUE(
        s.drill.ChooseSections(drill::Sections().set(0).set(32))); // STARTING TIT, MISCELLANEOUS
    EXPECT_EQ(s.drill.Marked(), Step::None); // nothing marked: not offered, nothing changes
    EXPECT_EQ(s.look(), "Picture1=|");

    s.drill.Sequential();
    EXPECT_EQ(s.look(), Ready(s, "cmdSeq", 16));
    const std::vector<int> chosen{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 199, 200, 201, 202, 203, 204};
    EXPECT_EQ(RunReview(s, Element::cmdSeq, {3, 10, 199}), chosen);
    EXPECT_EQ(s.text(Element::lblTitle) + "|" + s.text(Element::lblQuestion) + "|" +
                  s.text(Element::lblAnswer),
              "MISCELLANEOUS|CG Limits|Must be within MAC Max 15 - 30%");
    EXPECT_EQ(s.lastMessage(),
              "YOU HAVE REACHED THE END OF THE REVIEW\n3 OF 16 MARKED TO REVIEW AGAIN. "
              "CHOOSE BEGIN REVIEW, ORDER, MARKED TO DRILL THEM.");
    s.drill.cmdSeqClick(); // RESET: the marks stay, their count goes with the review
    EXPECT_EQ(s.look() + s.marks(), "Picture1=|lblMarked=3 TO REVIEW AGAIN|");

    // The marked order: the three, each once, in random order; 199 missed
    // again. (The box comes with the last answer, before a mark can be set.)
    s.random.scripted = {TestRandom::ValueFor(199), TestRandom::ValueFor(10),
                         TestRandom::ValueFor(3)};
    EXPECT_EQ(s.drill.Marked(), Step::Ready);
    EXPECT_EQ(s.look(), Ready(s, "cmdRand", 3));
    EXPECT_EQ(RunReview(s, Element::cmdRand, {199}), (std::vector<int>{199, 10, 3}));
    EXPECT_EQ(s.lastMessage(),
              "YOU HAVE REACHED THE END OF THE REVIEW\n1 OF 3 STILL MARKED TO REVIEW AGAIN. "
              "CHOOSE BEGIN REVIEW, ORDER, MARKED TO DRILL THEM.");
    EXPECT_EQ(s.drill.ReviewAgain(), Step::Mark); // the last answer, after the box
    EXPECT_EQ(s.drill.ReviewAgain(), Step::Mark); // and unmarked again

    EXPECT_EQ(s.drill.Marked(), Step::Ready);
    EXPECT_EQ(RunReview(s, Element::cmdRand), std::vector<int>{199});
    EXPECT_EQ(s.text(Element::lblQuestion) + "|" + s.text(Element::lblAnswer),
              "Crew Door Jettison|<3.1 inches Hg");
    EXPECT_EQ(s.lastMessage(),
              "YOU HAVE REACHED THE END OF THE REVIEW\nNONE IS STILL MARKED TO REVIEW AGAIN.");

    // Marks outside the chosen sections are kept but not drilled; Clear Marks
    // clears them all.
    s.drill.Sequential();
    s.drill.cmdSeqClick();
    s.drill.cmdSeqClick();
    s.drill.ReviewAgain(); // item 1
    s.form.setRowSelected(List::MarkList, 50, true);
    EXPECT_EQ(s.drill.MarkedToDrill(), 1);
    EXPECT_TRUE(s.drill.ChooseSections(drill::Sections().set()));
    EXPECT_EQ(s.marks(), "lblMarked=2 TO REVIEW AGAIN|");
    s.drill.ClearMarks();
    EXPECT_EQ(
        s.look(),
        "lblTitle=STARTING TIT|lblQuestion=Max for Enrichment|lblAnswer=100C|lblCounter=1|"
        "lblOf204=OF 16|cmdSeq=NEXT QUESTION|chkAgain=REVIEW AGAIN|"); // the review keeps its items
}

// A draw r in [0, 1) is item 1 + floor(204 r). Items already asked are drawn
// again, after one reseed per pick, until a free one comes. Row 0 is no item:
// with rows 1 to 204 set the set is exhausted, and the pick reports it instead
// of drawing for ever.
TEST(Picker, MapsDrawsOntoFreeItemsAndReportsExhaustion) {
    for (const auto& [r, item] : {std::pair{0.0f, 1}, {1.0f / 204, 2}, {0.99999994f, 204}}) {
        MemoryForm form;
        TestRandom random;
        random.scripted = {r};
        EXPECT_EQ(Drill(form, random).GetRandom(), item);
        EXPECT_TRUE(form.rowSelected(List::RandomList, item));
    }
    MemoryForm form;
    TestRandom random; // draws items 1, 2, 3, ... in turn
    Drill drill(form, random);
    for (int row = 1; row < 204; ++row)
        form.setRowSelected(List::RandomList, row, true);
    EXPECT_EQ(drill.GetRandom(), 204);
    EXPECT_EQ(random.draws, 204);
    EXPECT_EQ(random.reseeds, 1);
    EXPECT_FALSE(drill.GetRandom().has_value());
    EXPECT_EQ(random.draws, 204);
    EXPECT_FALSE(form.rowSelected(List::RandomList, 0));
}

// A phase outside the table (outside 16 bits too), or a random step with
// every item asked, leaves everything as it was.
TEST(Review, ClicksThatCannotStepChangeNothing) {
    const std::pair<const char*, bool> cases[] = {
        {"4", false}, {"-1", false}, {"40000", false}, {"3.5", false}, {"0", true}, {"2", true},
    };
    for (const auto& [phase, exhausted] : cases) {
        SCOPED_TRACE(phase);
        Session s;
        s.drill.Random();
        s.drill.cmdRandClick();
        s.form.setText(Element::txtSQA, phase);
        for (int row = 1; exhausted && row < drill::kRandomListRows; ++row)
            s.form.setRowSelected(List::RandomList, row, true);
        const auto state = [&s] {
            return s.look() + s.text(Element::txtQuestion) + s.text(Element::txtCounter);
        };
        const std::string before = state();
        if (!exhausted) {
            EXPECT_EQ(s.drill.cmdSeqClick(), Step::None);
            EXPECT_EQ(s.drill.ReviewAgain(), Step::None); // no answer is shown
        }
        EXPECT_EQ(s.drill.cmdRandClick(), Step::None);
        EXPECT_EQ(state(), before);
    }
}
