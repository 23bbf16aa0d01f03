// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/wheel_verifier.h"

#include <bit>
#include <cstdint>
#include <vector>

// The wheel searches' shared arithmetic on tickets and draws as bitmasks of positions 0 .. K-1.
namespace wheelbits {

using Mask = std::uint64_t;

inline Mask bit(int position) {
    return Mask(1) << position;
}

inline Mask all(int numbers) {
    return ~Mask(0) >> (64 - numbers);
}

// Calls `visit` with every `count`-subset of the bits of `pool`, or-ed with `base`.
template <typename Visit> void forEachSubset(Mask pool, int count, Mask base, const Visit& visit) {
    if (count == 0) {
        visit(base);
        return;
    }
    if (bitCount(pool) < count)
        return;
    const Mask lowest = pool & (~pool + 1);
    forEachSubset(pool & ~lowest, count - 1, base | lowest, visit);
    forEachSubset(pool & ~lowest, count, base, visit);
}

// Every draw of `correct` of the `numbers` that `ticket` matches in `match` numbers or more.
template <typename Visit>
void forEachMatched(Mask ticket, int numbers, int match, int correct, const Visit& visit) {
    const int held = bitCount(ticket);
    for (int inside = match; inside <= std::min(held, correct); ++inside)
        forEachSubset(ticket, inside, 0, [&](Mask part) {
            forEachSubset(all(numbers) & ~ticket, correct - inside, part, visit);
        });
}

// The colex rank of the `size`-subsets of `numbers` positions: the subsets counted in the order
// of their masks as integers, so that a mask's rank is its place among all the masks of its size.
class Colex {
public:
    Colex(int numbers, int size) : m_numbers(numbers), m_size(size) {
        m_table.resize(std::size_t(numbers) * std::size_t(size + 1));
        for (int position = 0; position < numbers; ++position)
            for (int i = 0; i <= size; ++i)
                m_table[std::size_t(position * (size + 1) + i)] = WheelVerifier::binomial(position, i);
    }

    std::int64_t count() const { return WheelVerifier::binomial(m_numbers, m_size); }

    std::int64_t rank(Mask subset) const {
        std::int64_t result = 0;
        const std::int64_t* row = m_table.data() + 1;
        for (Mask rest = subset; rest; rest &= rest - 1, ++row)
            result += row[std::countr_zero(rest) * (m_size + 1)];
        return result;
    }

    Mask unrank(std::int64_t value) const {
        Mask subset = 0;
        int top = m_numbers - 1;
        for (int i = m_size; i >= 1; --i) {
            while (at(top, i) > value)
                --top;
            subset |= bit(top);
            value -= at(top, i);
            --top;
        }
        return subset;
    }

private:
    std::int64_t at(int position, int i) const { return m_table[std::size_t(position * (m_size + 1) + i)]; }

    int m_numbers;
    int m_size;
    // C(position, i) for a subset whose i-th member (from 1) sits at `position`.
    std::vector<std::int64_t> m_table;
};

// The next larger mask with as many bits, which is the next subset in colex order.
inline Mask nextSubset(Mask subset) {
    const Mask lowest = subset & (~subset + 1);
    const Mask ripple = subset + lowest;
    return ripple | (((subset ^ ripple) >> 2) / lowest);
}

} // namespace wheelbits
