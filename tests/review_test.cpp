// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Drill.h"
#include "MemoryForm.h"
#include "QuestionBank.h"
#include "TestRandom.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

using drill::Drill;
using drill::Element;
using drill::MemoryForm;

// The sequential order is run whole, click by click, through the window's
// widgets in window_test; here the random order and the clicks that must not
// step, on the in-memory form.

TEST(Review, RandomReviewEndsOnItsLastDrawEvenWhenItem204CameFirst) {
    MemoryForm form;
    TestRandom random;
    random.script(TestRandom::ValueFor(204));
    Drill drill(form, random);
    drill.Random();
    std::set<std::string> presented;
    for (int clicks = 0; form.messages().empty() && clicks < 408; ++clicks) {
        const bool question = form.text(Element::cmdRand) != "ANSWER";
        drill.cmdRandClick();
        const std::string item = form.text(Element::txtQuestion);
        if (question) {
            if (presented.empty()) {
                EXPECT_EQ(item, "204");
            }
            EXPECT_TRUE(presented.insert(item).second) << item << " came twice";
            EXPECT_TRUE(form.rowSelected(std::stoi(item)));
            EXPECT_EQ(form.text(Element::lblQuestion), *bank::GetQuestion(item));
            EXPECT_EQ(form.text(Element::lblAnswer), "") << "a question beside an old answer";
            EXPECT_EQ(form.text(Element::lblCounter), std::to_string(presented.size()));
            EXPECT_EQ(form.text(Element::txtCounter), form.text(Element::lblCounter));
        } else {
            EXPECT_EQ(form.text(Element::lblAnswer), *bank::GetAnswer(item));
        }
    }
    EXPECT_EQ(presented.size(), 204u);
    EXPECT_EQ(form.messages().size(), 1u);
    EXPECT_EQ(form.text(Element::cmdRand), "RESET");
    drill.cmdRandClick();
    EXPECT_TRUE(form.isVisible(Element::Picture1));
    EXPECT_FALSE(form.isVisible(Element::cmdRand) || form.rowSelected(204));
}

// A phase outside the table (outside 16 bits too), or a random step with
// every item asked, leaves everything as it was.
TEST(Review, ClicksThatCannotStepChangeNothing) {
    const auto state = [](const MemoryForm& form) {
        std::string s;
        for (const drill::ElementInfo& e : drill::kElements)
            s += form.text(e.element) + (form.isVisible(e.element) ? "+" : "-");
        for (int row = 0; row < drill::kRandomListRows; ++row)
            s += form.rowSelected(row) ? "1" : "0";
        return s;
    };
    const std::pair<const char*, bool> cases[] = {
        {"4", false},     {"-1", false},  {"40000", false}, {"-40000", false},
        {"1e300", false}, {"3.5", false}, {"0", true},      {"2", true},
    };
    for (const auto& [phase, exhausted] : cases) {
        SCOPED_TRACE(phase);
        MemoryForm form;
        TestRandom random;
        Drill drill(form, random);
        drill.Random();
        drill.cmdRandClick();
        form.setText(Element::txtSQA, phase);
        for (int row = 1; exhausted && row < drill::kRandomListRows; ++row)
            form.setRowSelected(row, true);
        const std::string before = state(form);
        if (!exhausted)
            drill.cmdSeqClick();
        drill.cmdRandClick();
        EXPECT_EQ(state(form), before);
    }
}
