// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace drill {

// The pseudo-random generator that the random order draws from.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    // Uniform over [0, 1); never 1.
    virtual float next() = 0;
};

// Reseeded from the system clock before every pick. SplitMix64 is used
// because a reseed costs one store, where a std::mt19937 reseed fills 624
// words every time, and because nearby clock readings still give unrelated
// sequences. The value is built from 24 bits, so it is exact in a float and
// at most 1 - 2^-24: std::generate_canonical<float> can round up to 1.
class ClockRandom final : public RandomSource {
public:
    // Any count that moves on with time; the system clock's by default.
    using Clock = std::int64_t (*)();
    static std::int64_t SystemClock();

    explicit ClockRandom(Clock clock = SystemClock)
        : clock_(clock) {}
    void reseed() override;
    float next() override;

private:
    Clock clock_;
    std::uint64_t state_ = 0;
};

} // namespace drill
