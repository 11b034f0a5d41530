// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole reviews on the in-memory form: 408 clicks each, the random one with
// about 1,203 draws and a clock reseed per pick.
#include "Drill.h"
#include "MemoryForm.h"
#include "RandomSource.h"

#include <benchmark/benchmark.h>

namespace {

void RunWholeReview(benchmark::State& state, bool random) {
    drill::ClockRandom generator;
    for (auto _ : state) {
        drill::MemoryForm form;
        drill::Drill drill(form, generator);
        random ? drill.Random() : drill.Sequential();
        while (form.messages().empty())
            random ? drill.cmdRandClick() : drill.cmdSeqClick();
        benchmark::DoNotOptimize(form.text(drill::Element::lblAnswer));
    }
}

void BM_SequentialReview(benchmark::State& state) {
    RunWholeReview(state, false);
}

void BM_RandomReview(benchmark::State& state) {
    RunWholeReview(state, true);
}

} // namespace

BENCHMARK(BM_SequentialReview)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RandomReview)->Unit(benchmark::kMicrosecond);
