// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/wheel_generator.h"

#include <QList>
#include <atomic>

// Two parts of the K numbers: positions 1 .. a form part A, a + 1 .. K part B. A draw of C puts x
// numbers in A and C - x in B; when the tickets on A match M whenever `correctA` of A are drawn and
// those on B whenever `correctB` of B are, and correctA + correctB = C + 1, then x < correctA means
// C - x >= correctB: the union of the two wheels keeps "M if C" on all K.
struct WheelSplit {
    int a = 0;
    int correctA = 0;
    int correctB = 0;

    bool operator==(const WheelSplit&) const = default;
};

// Builds a wheel as the union of wheels on two parts of its numbers (each made by
// WheelGenerator::make, so a part may split in turn) and, where the draws fit, by the direct search
// too, keeping the smallest. This is how wheels whose draws are too many to search at once are made:
// a 6-of-49 "3 if 6" wheel is a "3 if 3" wheel on 22 numbers beside a "3 if 4" wheel on 27.
class WheelConstruction {
public:
    // Every split of the request whose parts hold a ticket each (P <= a, P <= K - a), ask no more
    // than the part has (M <= correctA <= a, M <= correctB <= K - a) and can be made; a split and
    // its mirror are one. Empty for M = C, for an exact ticket count and outside the requests make()
    // accepts.
    static QList<WheelSplit> splits(const WheelMakeRequest& request);

    // The smallest wheel found in request.seconds over the splits and the direct search, as
    // positions 1 .. K a ticket. Greedy wheels come first (the direct one, then split by split for
    // up to a quarter of the time), so that a stop still has a whole wheel; the rest of the time
    // goes to the direct search and the parts of the smallest few splits. Not checked
    // here: WheelGenerator::make verifies whatever it returns, and refuses the requests that have
    // no split and too many draws before they come here.
    static QList<QList<int>> make(const WheelMakeRequest& request, const WheelGenerator::Progress& progress,
                                  const std::atomic<bool>* stop);

    // For M = C (a "M if M" wheel on K numbers): the smallest wheel built in `seconds` from wheels on
    // other numbers, as positions 1 .. K a ticket; empty when none was built. Two ways:
    //  - S numbers joined to every ticket of a "M-1 if M-1" wheel of P - S numbers on the other
    //    K - S, beside a "M if M" wheel on those K - S: a draw holding some of the S holds at most
    //    M - 1 of the others, all in one ticket of the first, and a draw holding none is matched by
    //    the second;
    //  - a wheel on K + 1 numbers whose last number gives way to another in each ticket holding it.
    // Only ways whose larger wheel may be a Steiner system (every M-set in exactly one ticket) are
    // made, and only where the floors of their parts add up to less than `beat` (when above 0), a
    // size already found; at most the few whose floors add up least, each part by
    // WheelGenerator::make without a construction of its own. A 28-number "3 if 3" wheel of 5-number
    // tickets is then the 260 tickets on 26 beside 113 of 3 numbers, each with the other two. Not
    // checked here: make() verifies what it returns.
    static QList<QList<int>> extended(const WheelMakeRequest& request, double seconds, qint64 beat,
                                      const WheelGenerator::Progress& progress,
                                      const std::atomic<bool>* stop);
};
