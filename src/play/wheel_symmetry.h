// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/wheel_generator.h"

#include <cstdint>
#include <functional>
#include <vector>

// A group of permutations of the K numbers: the numbers but the last `fixed` stand in `cycles`
// cycles of `length`, and an element turns every cycle alike by the same number of places. (Groups
// that also multiply the places by a unit were tried: their orbits are too often short, and they
// made larger wheels in every trial.)
struct WheelGroup {
    int cycles = 0;
    int length = 0;
    int fixed = 0;
    // Every element, as the image of each position 0 .. K-1.
    std::vector<std::vector<std::uint8_t>> elements;

    int order() const { return int(elements.size()); }
};

// Wheels made of whole orbits of a group: every ticket carried round the group is a ticket of the
// wheel too. Many of the smallest wheels known are such, and among them a wheel is chosen orbit by
// orbit, a search a group's order smaller than the one over single tickets, which finds what that
// one wanders past. Only orbits of the group's full order are used, so a wheel of s orbits has s
// times the order tickets; draws a search leaves uncovered get tickets of their own.
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
