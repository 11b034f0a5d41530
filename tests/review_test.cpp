// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Drill.h"
#include "MemoryForm.h"
#include "TestRandom.h"

#include <gtest/gtest.h>
#include <string>

using drill::Drill;
using drill::Element;
using drill::MemoryForm;

// Whole reviews run through the window (tests/window_test.cpp) and the web
// page (web/tests); here the clicks that must not step, on the in-memory form.

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
