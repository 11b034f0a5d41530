// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Look Up, one keystroke at a time: the search rule over all 204 items, and
// the desktop table refiltered and laid out again as a learner types.
#include "LookUp.h"
#include "QuestionBank.h"
#include "Search.h"

#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <string>

namespace {

const std::string kTyped = "oil press max";

void BM_RuleOverAllItems(benchmark::State& state) {
    std::size_t length = 1;
    for (auto _ : state) {
        int shown = 0;
        for (int item = 1; item <= bank::kItemCount; ++item)
            shown += bank::Matches(item, std::string_view(kTyped).substr(0, length)) ? 1 : 0;
        benchmark::DoNotOptimize(shown);
        length = length % kTyped.size() + 1;
    }
}

// Each iteration is one keystroke: the next prefix of the typed text, then
// the events that filter, lay out and paint the table.
void BM_DesktopKeystroke(benchmark::State& state) {
    LookUp lookUp(nullptr);
    lookUp.open();
    QApplication::processEvents();
    auto* search = lookUp.findChild<QLineEdit*>("txtSearch");
    std::size_t length = 1;
    for (auto _ : state) {
        search->setText(QString::fromStdString(kTyped.substr(0, length)));
        lookUp.repaint();
        QApplication::processEvents();
        length = length % kTyped.size() + 1;
    }
}

} // namespace

BENCHMARK(BM_RuleOverAllItems)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DesktopKeystroke)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
