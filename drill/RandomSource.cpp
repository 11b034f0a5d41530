// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RandomSource.h"

#include <chrono>

namespace drill {

std::int64_t ClockRandom::SystemClock() {
    return std::chrono::system_clock::now().time_since_epoch().count();
}

void ClockRandom::reseed() {
    // Mixing in the old state keeps two reseeds within one clock tick apart.
    state_ ^= static_cast<std::uint64_t>(clock_());
}

float ClockRandom::next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    z ^= z >> 31;
    return static_cast<float>(z >> 40) * 0x1p-24f;
}

} // namespace drill
