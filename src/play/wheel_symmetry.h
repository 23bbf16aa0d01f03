// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/wheel_generator.h"

#include <cstdint>
#include <functional>
#include <vector>

// A group of permutations of the K numbers: the first numbers stand in `cycles` cycles of
// `length`, the next in one cycle of `shortLength` (0 for none; it divides `length`), the last
// `fixed` are left as they are. An element maps the place x of every cycle alike to a x + b (mod
// the cycle's length), for b any place and a any power of `multiplier`, a unit mod `length` (1 for
// the turns alone).
struct WheelGroup {
    int cycles = 0;
    int length = 0;
    int shortLength = 0;
    int fixed = 0;
    int multiplier = 1;
    // Every element, as the image of each position 0 .. K-1.
    std::vector<std::vector<std::uint8_t>> elements;

    int order() const { return int(elements.size()); }
};

// Wheels made of whole orbits of a group: every ticket carried round the group is a ticket of the
// wheel too. Many of the smallest wheels known are such, and among them a wheel is chosen orbit by
// orbit, a search a group's order smaller than the one over single tickets, which finds what that
// one wanders past. Orbits shorter than the group's order (a ticket some elements leave as it is)
// count for their own tickets; draws a search leaves uncovered get tickets of their own.
class WheelSymmetry {
public:
    // The groups worth a search for the request, the largest first: a ticket's orbit no larger than
    // the floor on the wheel, and few enough orbits to hold their draws in memory.
    static std::vector<WheelGroup> groups(const WheelMakeRequest& request);

    // The smallest wheel keeping the request's guarantee found among those made of orbits of
    // `group` and tickets for the holes they leave, until `spent` says so; empty when none was made
    // in the time. Tickets as masks of positions 0 .. K-1.
    static std::vector<std::uint64_t> search(const WheelMakeRequest& request, const WheelGroup& group,
                                             std::uint64_t seed, const std::function<bool()>& spent);
};
