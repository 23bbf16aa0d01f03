// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <atomic>
#include <cstdint>
#include <functional>

struct WheelFile;

// What to build: a wheel of `numbers` (K) with `perTicket` (P) numbers a ticket such that whenever
// `correct` (C) of the K are drawn, some ticket matches `match` (M).
struct WheelMakeRequest {
    int numbers = 0;
    int perTicket = 0;
    int match = 0;
    int correct = 0;
    double seconds = 60;
    std::uint32_t seed = 1;
    // Exactly this many tickets when above 0; else as few as the time allows.
    int tickets = 0;
    // Independent searches, each with its own seed; 0 for one per core.
    int searches = 0;
    // Whether wheels may also be built from wheels on other numbers (WheelConstruction): for M
    // below C two parts of the numbers joined, for M = C a wheel on fewer or more numbers; false
    // searches all the draws at once only.
    bool allowConstruction = true;
    // `seconds` counts each search's own CPU time rather than the clock on the wall, so that other
    // work on a busy machine does not shorten it (for measuring the search).
    bool cpuTime = false;
    // Stop as soon as a wheel of this many tickets or fewer is found; 0 searches on to `lowerBound`
    // or the time (for measuring how fast a known size is reached).
    int enough = 0;
};

// Where the search stands, reported about twice a second.
struct WheelMakeProgress {
    int bestTickets = 0; // 0 until a wheel keeping the guarantee is found
    int bound = 0;       // no wheel for the guarantee has fewer tickets
    int tickets = 0;     // the size being searched
    qint64 holes = 0;    // draws left uncovered at that size, least over the searches
    double seconds = 0;
};

// Builds small wheels. On each core: a local search over one-number exchanges in a ticket that make
// an uncovered draw matched, costed only over the draws the exchange touches (the best exchange by
// draw weights, raised on the draws left uncovered when none gains, where M = C; simulated annealing
// otherwise); then wheels made of whole orbits of groups of turns and affine maps of the numbers
// (WheelSymmetry); then the local search again, from its own wheel or from the wheel of orbits when
// that is clearly smaller. Each time the guarantee holds, the wheel is kept and a ticket removed,
// and the search goes on. Where M = C, a moment's search comes first, then wheels built from
// wheels on other numbers (WheelConstruction::extended) where they can beat it.
class WheelGenerator {
public:
    using Progress = std::function<void(const WheelMakeProgress&)>;

    // Every search keeps ten bytes a draw, fourteen where M = C: C(K, C) above this is not searched
    // directly, only as the union of wheels on parts of the numbers.
    static constexpr std::int64_t MaxDraws = 5'000'000;

    // The best wheel found, checked by WheelVerifier, its header stating the guarantee; its
    // tickets in lexicographic order. Throws VantoroError for a request it cannot search (K above
    // 64, P above K, M above P or C, too many draws and no split) and when no wheel was found in
    // the time (or none of exactly `tickets`). `stop` ends the search early, keeping the best so far.
    // The search also ends as soon as the best wheel has `lowerBound` tickets: none can be smaller.
    static WheelFile make(const WheelMakeRequest& request, const Progress& progress = {},
                          const std::atomic<bool>* stop = nullptr);

    // A proved floor on the tickets of any wheel keeping the guarantee: for M = C the Schönheim
    // bound, ceil(K/P * ceil((K-1)/(P-1) * ... ceil((K-M+1)/(P-M+1)))); otherwise the draws over
    // the most draws one ticket can match, and 1 when one ticket matches every draw. 0 for a request
    // outside 1 <= M <= min(P, C), P <= K, C <= K.
    static qint64 lowerBound(int numbers, int perTicket, int match, int correct);
};
