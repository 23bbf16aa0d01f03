// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTime>
#include <cstdint>

// The one random source of every ticket generator: a 32-bit linear congruential generator,
// seed <- seed x 134775813 + 1 (mod 2^32). A draw from 0..m-1 is the upper 32 bits of the 64-bit
// product of the advanced seed and m, so the same seed always gives the same tickets, which is
// what lets vantoro-cli --seed repeat a run of the windows.
class RandomSource {
public:
    explicit RandomSource(std::uint32_t seed = 0) : m_seed(seed) {}

    // The seed the windows take before each generation: the UTC time of day in milliseconds.
    static std::uint32_t timeOfDaySeed(const QTime& utcTime);
    static std::uint32_t timeOfDaySeed();

    void setSeed(std::uint32_t seed) { m_seed = seed; }
    std::uint32_t seed() const { return m_seed; }

    // A value from 0 to range - 1; 0 when range is 0.
    std::uint32_t draw(std::uint32_t range) {
        m_seed = m_seed * 134775813u + 1u;
        return std::uint32_t((std::uint64_t(m_seed) * range) >> 32);
    }
    // A value from low to high, both included.
    int between(int low, int high) { return low + int(draw(std::uint32_t(high - low + 1))); }

private:
    std::uint32_t m_seed;
};
