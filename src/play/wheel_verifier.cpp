// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/wheel_verifier.h"

#include "db/vantoro_error.h"
#include "play/wheel_file.h"

#include <QDir>
#include <QLocale>
#include <algorithm>
#include <array>
#include <bit>

namespace {

using Mask = std::uint64_t;

// The positions at and above `from` (0-based).
Mask fromPosition(int from) {
    return from >= 64 ? 0 : ~Mask(0) << from;
}

// Positions 0 .. numbers - 1.
Mask allPositions(int numbers) {
    return ~Mask(0) >> (64 - numbers);
}

struct BinomialTable {
    std::array<std::array<qint64, 65>, 65> value{};
    BinomialTable() {
        for (int n = 0; n <= 64; ++n) {
            value[n][0] = 1;
            for (int k = 1; k <= n; ++k)
                value[n][k] = value[n - 1][k - 1] + (k < n ? value[n - 1][k] : 0);
        }
    }
};

const BinomialTable& binomials() {
    static const BinomialTable table;
    return table;
}

int headerNumber(const QString& path, const QString& text, int line) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        throw VantoroError(QStringLiteral("The wheeling system file %1 has no number on line %2: \"%3\".")
                               .arg(QDir::toNativeSeparators(path))
                               .arg(line)
                               .arg(text.left(20)));
    return value;
}

} // namespace

qint64 WheelVerifier::binomial(int n, int k) {
    if (n < 0 || n > 64 || k < 0 || k > n)
        return 0;
    return binomials().value[n][k];
}

WheelVerifier::WheelVerifier(int numbers, const QList<QList<int>>& tickets) : m_numbers(numbers) {
    if (numbers < 1 || numbers > MaxNumbers)
        throw VantoroError(QStringLiteral("Wheels of 1 to %1 numbers can be checked, not of %2.")
                               .arg(MaxNumbers)
                               .arg(numbers));
    m_ticketsOf.resize(std::size_t(numbers));
    m_tickets.reserve(std::size_t(tickets.size()));
    for (const QList<int>& ticket : tickets) {
        Mask mask = 0;
        for (int position : ticket) {
            if (position < 1 || position > numbers)
                throw VantoroError(QStringLiteral("Ticket %1 holds %2, which is not a position from 1 to %3.")
                                       .arg(m_tickets.size() + 1)
                                       .arg(position)
                                       .arg(numbers));
            mask |= Mask(1) << (position - 1);
        }
        const int index = int(m_tickets.size());
        for (Mask rest = mask; rest; rest &= rest - 1)
            m_ticketsOf[std::size_t(std::countr_zero(rest))].push_back(index);
        m_largest = std::max(m_largest, bitCount(mask));
        m_tickets.push_back(mask);
    }
}

WheelVerifier WheelVerifier::fromFile(const WheelFile& file, const QString& path) {
    const int numbers = headerNumber(path, file.Numbers, 2);
    if (numbers < 1 || numbers > MaxNumbers)
        throw VantoroError(QStringLiteral("The wheeling system file %1 wheels %2 numbers; wheels of 1 to %3 "
                                          "numbers can be checked.")
                               .arg(QDir::toNativeSeparators(path))
                               .arg(numbers)
                               .arg(MaxNumbers));
    if (file.rows.isEmpty())
        throw VantoroError(QStringLiteral("The wheeling system file %1 holds no ticket.")
                               .arg(QDir::toNativeSeparators(path)));
    const QList<QList<int>> tickets = file.positions(path, numbers);
    return WheelVerifier(numbers, tickets);
}

// One walk over the C-subsets for one guarantee. Along a prefix of the draw, `counts` holds each
// ticket's matches with it; the mask passed down holds the positions that would lift some ticket
// to M matches. Those children are covered whole and never entered, so only prefixes that are
// still holes are walked, and the last position of a draw is counted by one popcount.
struct WheelVerifier::Search {
    const WheelVerifier& wheel;
    int match;
    int correct;
    int listHoles;
    std::vector<int> counts;
    std::vector<int> prefix;
    qint64 holes = 0;
    QList<QList<int>> firstHoles;

    Search(const WheelVerifier& verifier, int m, int c, int list)
        : wheel(verifier), match(m), correct(c), listHoles(list), counts(verifier.m_tickets.size(), 0) {}

    void noteHole(const std::vector<int>& positions) {
        QList<int> hole;
        hole.reserve(qsizetype(positions.size()));
        for (int position : positions)
            hole << position + 1;
        firstHoles << hole;
    }

    // Every completion of the prefix from `next` on is a hole: list the first ones still wanted.
    void listWholeSubtree(int next, int remaining) {
        std::vector<int> draw = prefix;
        const std::size_t base = draw.size();
        for (int i = 0; i < remaining; ++i)
            draw.push_back(next + i);
        const int numbers = wheel.m_numbers;
        while (firstHoles.size() < listHoles) {
            noteHole(draw);
            int i = remaining - 1;
            while (i >= 0 && draw[base + std::size_t(i)] == numbers - remaining + i)
                --i;
            if (i < 0)
                return;
            ++draw[base + std::size_t(i)];
            for (int j = i + 1; j < remaining; ++j)
                draw[base + std::size_t(j)] = draw[base + std::size_t(j) - 1] + 1;
        }
    }

    // True when no ticket can reach M matches whatever positions from `next` on complete the draw.
    bool unreachable(int next, int remaining) const {
        const Mask above = fromPosition(next);
        for (std::size_t t = 0; t < counts.size(); ++t) {
            const int reach = counts[t] + std::min(remaining, bitCount(wheel.m_tickets[t] & above));
            if (reach >= match)
                return false;
        }
        return true;
    }

    void walk(int next, Mask lifting) {
        const int remaining = correct - int(prefix.size());
        const int numbers = wheel.m_numbers;
        if (remaining == 1) {
            const Mask open = ~lifting & fromPosition(next) & allPositions(numbers);
            holes += bitCount(open);
            for (Mask rest = open; rest && firstHoles.size() < listHoles; rest &= rest - 1) {
                prefix.push_back(std::countr_zero(rest));
                noteHole(prefix);
                prefix.pop_back();
            }
            return;
        }
        if (remaining == 2) {
            // The last two positions without descending: a ticket holding y that already matches
            // M - 2 of the prefix lifts every further position of its own. Tickets matching more
            // are in `lifting` already, so they may be taken in as well.
            const Mask open = ~lifting & fromPosition(next) & allPositions(numbers);
            for (Mask rest = open; rest; rest &= rest - 1) {
                const int position = std::countr_zero(rest);
                Mask childLifting = lifting;
                for (int t : wheel.m_ticketsOf[std::size_t(position)])
                    if (counts[std::size_t(t)] >= match - 2)
                        childLifting |= wheel.m_tickets[std::size_t(t)];
                const Mask last = ~childLifting & fromPosition(position + 1) & allPositions(numbers);
                holes += bitCount(last);
                for (Mask hole = last; hole && firstHoles.size() < listHoles; hole &= hole - 1) {
                    prefix.push_back(position);
                    prefix.push_back(std::countr_zero(hole));
                    noteHole(prefix);
                    prefix.resize(prefix.size() - 2);
                }
            }
            return;
        }
        if (unreachable(next, remaining)) {
            holes += binomial(numbers - next, remaining);
            if (firstHoles.size() < listHoles)
                listWholeSubtree(next, remaining);
            return;
        }
        for (int position = next; position <= numbers - remaining; ++position) {
            if (lifting >> position & 1)
                continue;
            Mask childLifting = lifting;
            const std::vector<int>& holders = wheel.m_ticketsOf[std::size_t(position)];
            for (int t : holders) {
                if (++counts[std::size_t(t)] == match - 1)
                    childLifting |= wheel.m_tickets[std::size_t(t)];
            }
            prefix.push_back(position);
            walk(position + 1, childLifting);
            prefix.pop_back();
            for (int t : holders)
                --counts[std::size_t(t)];
        }
    }
};

WheelCheck WheelVerifier::check(int match, int correct, int listHoles) const {
    if (correct < 1 || correct > m_numbers)
        throw VantoroError(
            QStringLiteral("The numbers correct must be from 1 to %1, the numbers in the wheel, "
                           "not %2.")
                .arg(m_numbers)
                .arg(correct));
    if (match < 1 || match > correct)
        throw VantoroError(
            QStringLiteral("The numbers matched must be from 1 to %1, the numbers correct, not %2.")
                .arg(correct)
                .arg(match));
    Search search(*this, match, correct, std::max(0, listHoles));
    // With M = 1 every position of a ticket lifts it to a match from the first position on.
    Mask lifting = 0;
    if (match == 1)
        for (Mask ticket : m_tickets)
            lifting |= ticket;
    search.walk(0, lifting);
    WheelCheck result;
    result.match = match;
    result.correct = correct;
    result.draws = binomial(m_numbers, correct);
    result.holes = search.holes;
    result.firstHoles = search.firstHoles;
    return result;
}

// One walk over the c-subsets for every m at once: the best match of each draw. `atLeast[j]` is the
// union of the tickets that already match j positions of the prefix, so the last position of a
// draw is counted for each m by one popcount; a prefix whose best match can no longer change is
// counted whole.
struct WheelVerifier::Histogram {
    const WheelVerifier& wheel;
    int drawn;
    int top; // the largest m counted
    std::vector<int> counts;
    std::vector<qint64> covered; // covered[m] for m = 1 .. top; [0] unused

    Histogram(const WheelVerifier& verifier, int c)
        : wheel(verifier), drawn(c), top(std::min(c, verifier.m_largest)),
          counts(verifier.m_tickets.size(), 0), covered(std::size_t(top) + 1, 0) {}

    int reachable(int next, int remaining) const {
        const Mask above = fromPosition(next);
        int best = 0;
        for (std::size_t t = 0; t < counts.size(); ++t)
            best = std::max(best, counts[t] + std::min(remaining, bitCount(wheel.m_tickets[t] & above)));
        return best;
    }

    void walk(int depth, int next, int best, const std::vector<Mask>& atLeast) {
        const int remaining = drawn - depth;
        const int numbers = wheel.m_numbers;
        if (remaining == 1) {
            const Mask open = allPositions(numbers) & fromPosition(next);
            const qint64 choices = bitCount(open);
            for (int m = 1; m <= top; ++m)
                covered[std::size_t(m)] += best >= m ? choices : bitCount(atLeast[std::size_t(m) - 1] & open);
            return;
        }
        if (reachable(next, remaining) <= best) {
            const qint64 draws = binomial(numbers - next, remaining);
            for (int m = 1; m <= std::min(best, top); ++m)
                covered[std::size_t(m)] += draws;
            return;
        }
        std::vector<Mask> child(atLeast.size());
        for (int position = next; position <= numbers - remaining; ++position) {
            child = atLeast;
            int childBest = best;
            const std::vector<int>& holders = wheel.m_ticketsOf[std::size_t(position)];
            for (int t : holders) {
                const int count = ++counts[std::size_t(t)];
                if (std::size_t(count) < child.size())
                    child[std::size_t(count)] |= wheel.m_tickets[std::size_t(t)];
                childBest = std::max(childBest, count);
            }
            walk(depth + 1, position + 1, childBest, child);
            for (int t : holders)
                --counts[std::size_t(t)];
        }
    }
};

QList<WheelCoverageRow> WheelVerifier::coverage(int maxDrawn) const {
    QList<WheelCoverageRow> rows;
    for (int drawn = 1; drawn <= std::min(maxDrawn, m_numbers); ++drawn) {
        Histogram histogram(*this, drawn);
        // atLeast[j] for j = 0 .. top: every ticket matches at least 0 positions of any prefix.
        std::vector<Mask> atLeast(std::size_t(histogram.top) + 1, 0);
        for (Mask ticket : m_tickets)
            atLeast[0] |= ticket;
        histogram.walk(0, 0, 0, atLeast);
        WheelCoverageRow row;
        row.drawn = drawn;
        row.draws = binomial(m_numbers, drawn);
        for (int m = 1; m <= histogram.top; ++m)
            row.covered << histogram.covered[std::size_t(m)];
        rows << row;
    }
    return rows;
}

QString wheelPositionsText(const QList<int>& positions) {
    QStringList cells;
    for (int position : positions)
        cells << QStringLiteral("%1").arg(position, 2, 10, QLatin1Char('0'));
    return cells.join(QLatin1Char(' '));
}

QString wheelCheckText(const WheelCheck& check) {
    const QLocale locale(QLocale::English);
    const QString guarantee =
        QStringLiteral("if %1 numbers played are correct, at least 1 ticket will match %2 "
                       "numbers")
            .arg(check.correct)
            .arg(check.match);
    if (check.holds())
        return QStringLiteral("The wheel keeps its guarantee: %1. All %2 draws of %3 numbers were checked.")
            .arg(guarantee, locale.toString(check.draws))
            .arg(check.correct);
    QString text =
        QStringLiteral("The wheel does not keep the guarantee %1: %2 of the %3 draws of %4 numbers "
                       "are holes, matched by no ticket in %5 numbers.")
            .arg(guarantee, locale.toString(check.holes), locale.toString(check.draws))
            .arg(check.correct)
            .arg(check.match);
    text += check.holes == 1 ? QStringLiteral("\nThe hole:") : QStringLiteral("\nThe first holes:");
    for (const QList<int>& hole : check.firstHoles)
        text += QLatin1Char('\n') + wheelPositionsText(hole);
    if (check.holes > check.firstHoles.size())
        text += QStringLiteral("\nand %1 more.").arg(locale.toString(check.holes - check.firstHoles.size()));
    return text;
}

QString wheelShareText(qint64 covered, qint64 draws) {
    if (draws <= 0 || covered <= 0)
        return QStringLiteral("0%");
    if (covered >= draws)
        return QStringLiteral("100%");
    // Hundredths of a percent, rounded down: a share short of the whole never reads 100%. Long
    // division digit by digit, as covered * 10000 overflows 64 bits for the largest wheels.
    qint64 hundredths = 0;
    quint64 rest = quint64(covered);
    for (int digit = 0; digit < 4; ++digit) {
        rest *= 10;
        hundredths = hundredths * 10 + qint64(rest / quint64(draws));
        rest %= quint64(draws);
    }
    return QStringLiteral("%1.%2%").arg(hundredths / 100).arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

QStringList wheelCoverageLines(const QList<WheelCoverageRow>& rows) {
    int top = 0;
    for (const WheelCoverageRow& row : rows)
        top = std::max(top, int(row.covered.size()));
    QString header = QStringLiteral("Drawn         Draws");
    for (int m = 1; m <= top; ++m)
        header += QStringLiteral("  %1").arg(QStringLiteral("%1 match").arg(m), 8);
    QStringList lines{header};
    for (const WheelCoverageRow& row : rows) {
        QString line = QStringLiteral("%1  %2").arg(row.drawn, 5).arg(row.draws, 12);
        for (qint64 covered : row.covered)
            line += QStringLiteral("  %1").arg(wheelShareText(covered, row.draws), 8);
        lines << line;
    }
    return lines;
}
