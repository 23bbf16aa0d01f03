// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/repeating_sets.h"

#include "stats/number_stats.h"

#include <algorithm>

namespace {

constexpr int Span = 100; // numbers 0..99

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

RepeatingSetsCounter::RepeatingSetsCounter(bool triples)
    : m_triples(triples), m_counters(size_t(triples ? Span * Span * Span : Span * Span), 0) {}

RepeatingSets RepeatingSetsCounter::count(const NumberWindow& drawings, int drawingCount, int numbersUsed,
                                          int low, int high) {
    RepeatingSets sets;
    sets.triples = m_triples;
    sets.caption =
        m_triples ? QStringLiteral("Repeating Triples Chart") : QStringLiteral("Repeating Pairs Chart");
    sets.Label3 = m_triples ? QStringLiteral("Triples") : QStringLiteral("Pairs");
    const int size = m_triples ? 3 : 2;
    const int used = std::min(numbersUsed, drawings.positions);
    if (used < size)
        return sets;

    std::fill(m_counters.begin(), m_counters.end(), 0);
    int* counters = m_counters.data();
    int highest = 0;
    const int count = std::clamp(drawingCount, 0, drawings.count());
    std::vector<int> numbers;
    numbers.reserve(size_t(used));
    for (int d = 0; d < count; ++d) {
        // A bonus that was not drawn (a blank field) makes no set with the numbers that were.
        numbers.clear();
        for (int p = 1; p <= used; ++p)
            if (const int value = drawings.at(d, p); value != NumberWindow::Missing)
                numbers.push_back(value);
        std::sort(numbers.begin(), numbers.end());
        const int drawn = int(numbers.size());
        // A daily game may repeat a digit: such a set is counted (and may set the highest count)
        // but never listed.
        for (int i = 0; i < drawn; ++i)
            for (int j = i + 1; j < drawn; ++j) {
                const int pair = numbers[size_t(i)] * Span + numbers[size_t(j)];
                if (!m_triples) {
                    highest = std::max(highest, ++counters[pair]);
                    continue;
                }
                for (int k = j + 1; k < drawn; ++k)
                    highest = std::max(highest, ++counters[pair * Span + numbers[size_t(k)]]);
            }
    }
    sets.highestCount = highest;
    if (highest < 2)
        return sets;

    // One pass over the listed sets fills every count's list, in ascending order of the numbers.
    std::vector<QStringList> lists(size_t(highest) + 1);
    low = std::max(low, 0);
    high = std::min(high, Span - 1);
    for (int a = low; a <= high; ++a)
        for (int b = a + 1; b <= high; ++b) {
            if (!m_triples) {
                const int t = counters[a * Span + b];
                if (t >= 2)
                    lists[size_t(t)] << QStringLiteral("          ") + twoDigits(a) + QStringLiteral(" - ") +
                                            twoDigits(b);
                continue;
            }
            for (int c = b + 1; c <= high; ++c) {
                const int t = counters[(a * Span + b) * Span + c];
                if (t >= 2)
                    lists[size_t(t)] << QStringLiteral("        ") + twoDigits(a) + QStringLiteral(" - ") +
                                            twoDigits(b) + QStringLiteral(" - ") + twoDigits(c);
            }
        }
    for (int t = highest; t >= 2; --t) {
        const QStringList& list = lists[size_t(t)];
        if (list.isEmpty() && !m_triples)
            continue;
        sets.OccurencesList << QStringLiteral("   ") + twoDigits(t) + QString(14, QLatin1Char(' ')) +
                                   QStringLiteral("(%1)").arg(list.size(), 3, 10, QLatin1Char('0'));
        sets.counts << t;
        sets.PairLists << list;
    }
    return sets;
}

RepeatingSets RepeatingSetsCounter::count(DbfTable& table, const LotteryDefinition& definition,
                                          bool includeBonus, int drawingCutoffCount, int totalDrawings) {
    NumberStatsInput input;
    input.firstPosition = 1;
    input.lastPosition = includeBonus ? definition.NumbersDrawn : definition.regularNumbers();
    input.low = includeBonus ? definition.LowestNumber : definition.lowestRegular();
    input.regularPositions = definition.regularNumbers();
    input.high = definition.HighestNumber;
    input.DrawingCutoffCount = std::max(0, std::min(drawingCutoffCount, totalDrawings));
    input.TotalDrawings = totalDrawings;
    const int size = m_triples ? 3 : 2;
    if (input.lastPosition < size) // nothing to count: the lists stay empty
        return count(NumberWindow{}, 0, input.lastPosition, input.low, input.high);
    return count(readNumberWindow(table, input), input.DrawingCutoffCount, input.lastPosition, input.low,
                 input.high);
}
