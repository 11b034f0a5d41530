// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The random picker and the clicks that must not step, on the in-memory form.
// Whole reviews run through the window and the web page, over the same drill.
#include "Drill.h"
#include "MemoryForm.h"
#include "RandomSource.h"

#include <deque>
#include <gtest/gtest.h>
#include <string>

using drill::Drill;
using drill::Element;
using drill::MemoryForm;

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

} // namespace

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
        EXPECT_TRUE(form.rowSelected(item));
    }
    MemoryForm form;
    TestRandom random; // draws items 1, 2, 3, ... in turn
    Drill drill(form, random);
    for (int row = 1; row < 204; ++row)
        form.setRowSelected(row, true);
    EXPECT_EQ(drill.GetRandom(), 204);
    EXPECT_EQ(random.draws, 204);
    EXPECT_EQ(random.reseeds, 1);
    EXPECT_FALSE(drill.GetRandom().has_value());
    EXPECT_EQ(random.draws, 204);
    EXPECT_FALSE(form.rowSelected(0));
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
        {"4", false}, {"-1", false}, {"40000", false}, {"3.5", false}, {"0", true}, {"2", true},
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
