// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Drill.h"
#include "MemoryForm.h"
#include "TestRandom.h"

#include <gtest/gtest.h>

using drill::Drill;
using drill::MemoryForm;

namespace {

int Asked(const MemoryForm& form) {
    int n = 0;
    for (int row = 1; row < drill::kRandomListRows; ++row)
        n += form.rowSelected(row);
    return n;
}

} // namespace

TEST(Picker, DrawsMapOntoItemsOneTo204) {
    const std::pair<float, int> cases[] = {{0.0f, 1}, {1.0f / 204, 2}, {0.99999994f, 204}};
    for (const auto& [r, item] : cases) {
        MemoryForm form;
        TestRandom random;
        random.script(r);
        EXPECT_EQ(Drill(form, random).GetRandom(), item);
        EXPECT_TRUE(form.rowSelected(item));
        EXPECT_EQ(Asked(form), 1);
    }
}

TEST(Picker, RedrawsAskedItemsAndReseedsOncePerPick) {
    MemoryForm form;
    TestRandom random;
    form.setRowSelected(5, true);
    for (int i = 0; i < 40; ++i)
        random.script(TestRandom::ValueFor(5));
    random.script(TestRandom::ValueFor(77));
    EXPECT_EQ(Drill(form, random).GetRandom(), 77);
    EXPECT_EQ(random.draws, 41);
    EXPECT_EQ(random.reseeds, 1);
}

// Row 0 is no item: with rows 1 to 204 set the set is exhausted, and the
// pick reports it instead of drawing for ever.
TEST(Picker, FindsTheLastFreeItemThenReportsExhaustion) {
    MemoryForm form;
    TestRandom random;
    Drill drill(form, random);
    for (int row = 1; row < 204; ++row)
        form.setRowSelected(row, true);
    EXPECT_EQ(drill.GetRandom(), 204);
    const int draws = random.draws;
    EXPECT_FALSE(drill.GetRandom().has_value());
    EXPECT_EQ(random.draws, draws);
    EXPECT_FALSE(form.rowSelected(0));
}
