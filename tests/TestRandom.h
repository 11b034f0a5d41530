#pragma once

#include "RandomSource.h"

#include <deque>
#include <random>

// A generator for tests: plays scripted values first, then a fixed-seed
// engine, and counts reseeds and draws. Reseeding does not change the
// sequence, so every run draws the same numbers.
class TestRandom final : public drill::RandomSource {
public:
    explicit TestRandom(unsigned seed = 20060301)
        : engine_(seed) {}

    // The value that makes a draw give item n.
    static float ValueFor(int n) { return (static_cast<float>(n) - 0.5f) / 204.0f; }

    void script(float value) { scripted_.push_back(value); }
    void reseed() override { ++reseeds; }
    float next() override {
        ++draws;
        if (!scripted_.empty()) {
            const float value = scripted_.front();
            scripted_.pop_front();
            return value;
        }
        return static_cast<float>(engine_() >> 8) * 0x1p-24f;
    }

    int reseeds = 0;
    int draws = 0;

private:
    std::deque<float> scripted_;
    std::mt19937 engine_;
};
