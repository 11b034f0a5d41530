// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RandomSource.h"

#include <deque>
#include <random>

// Plays scripted values, then a fixed-seed engine whose sequence reseeding
// does not change; counts reseeds and draws.
class TestRandom final : public drill::RandomSource {
public:
    static float ValueFor(int item) { return (static_cast<float>(item) - 0.5f) / 204.0f; }
    void script(float value) { scripted_.push_back(value); }
    void reseed() override { ++reseeds; }
    float next() override {
        ++draws;
        if (scripted_.empty())
            return static_cast<float>(engine_() >> 8) * 0x1p-24f;
        const float value = scripted_.front();
        scripted_.pop_front();
        return value;
    }

    int reseeds = 0;
    int draws = 0;

private:
    std::deque<float> scripted_;
    std::mt19937 engine_{20060301};
};
