// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Small deterministic random source so every run draws the same pictures.

#include <cstdint>

class SeededNoise {
public:
    explicit SeededNoise(std::uint32_t seed) : state_(seed ? seed : 0x9e3779b9u) {}

    std::uint32_t next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }

    // Uniform value in [0, 1).
    double unit() { return (next() >> 8) * (1.0 / 16777216.0); }

    double range(double low, double high) { return low + (high - low) * unit(); }

private:
    std::uint32_t state_;
};
