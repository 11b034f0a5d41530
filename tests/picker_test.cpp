#include "Drill.h"
#include "MemoryForm.h"
#include "RandomSource.h"
#include "TestRandom.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

using drill::Drill;
using drill::MemoryForm;

namespace {

int CountSelected(const MemoryForm& form) {
    int n = 0;
    for (int row = 1; row < drill::kRandomListRows; ++row)
        n += form.rowSelected(row);
    return n;
}

void SelectAllBut(MemoryForm& form, int freeRow) {
    for (int row = 1; row < drill::kRandomListRows; ++row)
        form.setRowSelected(row, row != freeRow);
}

// Pearson's statistic of observed counts against equal expectations.
double ChiSquare(const std::vector<int>& counts, double expected) {
    double sum = 0;
    for (const int count : counts)
        sum += (count - expected) * (count - expected) / expected;
    return sum;
}

} // namespace

TEST(Picker, ExtremeDrawsMapToTheFirstAndLastItem) {
    const std::pair<float, int> cases[] = {
        {0.0f, 1},
        {0.99999994f, 204},
        {1.0f / 204.0f, 2},
        {203.0f / 204.0f, 204},
    };
    for (const auto& [r, expected] : cases) {
        SCOPED_TRACE(r);
        MemoryForm form;
        TestRandom random;
        random.script(r);
        Drill drill(form, random);
        std::int16_t data = 0;
        EXPECT_EQ(drill.GetRandom(data), expected);
        EXPECT_EQ(data, expected);
        EXPECT_TRUE(form.rowSelected(expected));
        EXPECT_EQ(CountSelected(form), 1);
    }
}

TEST(Picker, RedrawsAskedItemsAndReseedsOncePerPick) {
    MemoryForm form;
    TestRandom random;
    Drill drill(form, random);
    form.setRowSelected(5, true);
    form.setRowSelected(9, true);
    for (int i = 0; i < 40; ++i)
        random.script(TestRandom::ValueFor(i % 2 ? 5 : 9));
    random.script(TestRandom::ValueFor(77));

    std::int16_t data = 0;
    EXPECT_EQ(drill.GetRandom(data), 77);
    EXPECT_EQ(data, 77);
    EXPECT_EQ(random.draws, 41);
    EXPECT_EQ(random.reseeds, 1);
    EXPECT_EQ(CountSelected(form), 3);
}

TEST(Picker, TheLastFreeItemIsFound) {
    for (const int freeRow : {1, 100, 204}) {
        SCOPED_TRACE(freeRow);
        MemoryForm form;
        drill::ClockRandom random;
        Drill drill(form, random);
        SelectAllBut(form, freeRow);
        std::int16_t data = 0;
        EXPECT_EQ(drill.GetRandom(data), freeRow);
        EXPECT_EQ(CountSelected(form), 204);
    }
}

// Row 0 is clear but is no item: the set is still exhausted.
TEST(Picker, ExhaustedSetIsReportedWithoutDrawing) {
    MemoryForm form;
    TestRandom random;
    Drill drill(form, random);
    SelectAllBut(form, 0);
    std::int16_t data = 42;
    EXPECT_FALSE(drill.GetRandom(data).has_value());
    EXPECT_EQ(random.draws, 0);
    EXPECT_EQ(random.reseeds, 0);
    EXPECT_EQ(CountSelected(form), 204);
}

// Fixed seed, so the statistic is the same on every run; the bounds are the
// 0.999 quantiles of chi-square with 203 and 101 degrees of freedom.
TEST(Picker, PicksAreUniformOverTheItemsNotYetAsked) {
    TestRandom random;
    constexpr int kRounds = 200;

    std::vector<int> firstPicks(204, 0);
    for (int i = 0; i < 204 * kRounds; ++i) {
        MemoryForm form;
        Drill drill(form, random);
        std::int16_t data = 0;
        ++firstPicks[*drill.GetRandom(data) - 1];
    }
    EXPECT_LT(ChiSquare(firstPicks, kRounds), 271.0);

    // Even items asked: only the 102 odd ones may come out, evenly.
    std::vector<int> oddPicks(102, 0);
    for (int i = 0; i < 102 * kRounds; ++i) {
        MemoryForm form;
        Drill drill(form, random);
        for (int row = 2; row <= 204; row += 2)
            form.setRowSelected(row, true);
        std::int16_t data = 0;
        const int n = *drill.GetRandom(data);
        ASSERT_EQ(n % 2, 1);
        ++oddPicks[n / 2];
    }
    EXPECT_LT(ChiSquare(oddPicks, kRounds), 150.7);
}

TEST(Picker, ClockRandomStaysBelowOne) {
    drill::ClockRandom random;
    random.reseed();
    float lowest = 1;
    float highest = 0;
    for (int i = 0; i < 200000; ++i) {
        const float r = random.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    EXPECT_LT(lowest, 1.0f / 204.0f);
    EXPECT_GE(highest, 203.0f / 204.0f);
}
