// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <bit>
#include <cstdint>
#include <vector>

struct WheelFile;

// What a check of one guarantee "if C of the K numbers are drawn, some ticket matches M" found,
// counted over every C-subset of the wheel's numbers.
struct WheelCheck {
    int match = 0;
    int correct = 0;
    qint64 draws = 0;
    // The C-subsets no ticket matches in M numbers.
    qint64 holes = 0;
    // The first holes in lexicographic order (as many as were asked for), each as positions 1 .. K.
    QList<QList<int>> firstHoles;

    bool holds() const { return holes == 0; }
};

// For one drawn count c: how many of the c-subsets some ticket matches in at least m numbers.
struct WheelCoverageRow {
    int drawn = 0;
    qint64 draws = 0;
    // covered[m - 1] for m = 1 .. min(c, P).
    QList<qint64> covered;
};

// Decides exactly, by counting every draw, which guarantees a wheel keeps. Tickets are bitmasks of
// positions; draws are walked in lexicographic order with the ticket counts of each prefix kept, so
// that a prefix already matched by a ticket, or one no ticket can still reach, is counted whole by
// a binomial instead of draw by draw.
// The count of set bits of a ticket mask. std::popcount is a library call on the baseline x86-64
// target; this inlines to a dozen instructions where the processor's own count cannot be assumed.
inline int bitCount(std::uint64_t x) {
#ifdef __POPCNT__
    return std::popcount(x);
#else
    x = x - ((x >> 1) & 0x5555555555555555ULL);
    x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return int((x * 0x0101010101010101ULL) >> 56);
#endif
}

class WheelVerifier {
public:
    // Positions travel as bits of one machine word.
    static constexpr int MaxNumbers = 64;

    // `tickets` as positions 1 .. `numbers`; a position repeated in a ticket counts once. Throws
    // VantoroError when `numbers` is not 1 .. MaxNumbers or a position is outside 1 .. numbers.
    WheelVerifier(int numbers, const QList<QList<int>>& tickets);
    // The tickets of a wheel file, K from its header. Throws VantoroError naming the file when its
    // header is not numbers, K is above MaxNumbers, a position is not one of 1 .. K, or it has no
    // ticket.
    static WheelVerifier fromFile(const WheelFile& file, const QString& path);

    int numbers() const { return m_numbers; }
    int ticketCount() const { return int(m_tickets.size()); }
    // The most positions one ticket holds (P for a regular wheel).
    int largestTicket() const { return m_largest; }

    // Counts the C-subsets (C = `correct`) no ticket matches in `match` numbers and keeps the
    // first `listHoles` of them. Throws VantoroError when `correct` is not 1 .. K or `match` not
    // 1 .. `correct`.
    WheelCheck check(int match, int correct, int listHoles = 1) const;
    // One row per drawn count from 1 to `maxDrawn` (at most K), each over every m up to the
    // smaller of the drawn count and the largest ticket.
    QList<WheelCoverageRow> coverage(int maxDrawn) const;

    // C(n, k); 0 outside 0 <= k <= n. Exact for n <= MaxNumbers.
    static qint64 binomial(int n, int k);

private:
    struct Search;
    struct Histogram;

    int m_numbers = 0;
    int m_largest = 0;
    std::vector<std::uint64_t> m_tickets;
    // The tickets holding each position (0-based), for the counts a new prefix element changes.
    std::vector<std::vector<int>> m_ticketsOf;
};

// "01 05 17 ..." for positions.
QString wheelPositionsText(const QList<int>& positions);
// The verdict as the wheel editor shows it: whether the guarantee holds, over how many draws, and
// the holes listed (at most those in `check.firstHoles`, then how many more there are).
QString wheelCheckText(const WheelCheck& check);
// A share of draws for the coverage table, truncated so that only a whole cover reads "100%":
// "100%", "99.99%", "0%".
QString wheelShareText(qint64 covered, qint64 draws);
// The coverage table as text: a header line, then one line per drawn count.
QStringList wheelCoverageLines(const QList<WheelCoverageRow>& rows);
