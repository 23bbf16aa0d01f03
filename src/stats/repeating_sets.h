// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lottery/lottery_definition.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

class DbfTable;
struct NumberWindow;

// What the Repeating Pairs (or Triples) Chart shows: the drop-down of occurrence counts and, for
// each of its entries, the pairs or triples seen exactly that often.
struct RepeatingSets {
    bool triples = false;
    QString caption; // "Repeating Pairs Chart" or "Repeating Triples Chart"
    QString Label3;  // "Pairs" or "Triples"
    int highestCount = 0;
    QStringList OccurencesList;   // "   05              (012)", highest count first
    QList<int> counts;            // the count of each entry
    QList<QStringList> PairLists; // the list lines of each entry: "          03 - 17"

    // The entry of `count`, or -1.
    int entryOf(int count) const { return int(counts.indexOf(count)); }
};

// Counts pairs or triples. One counter serves a window for as long as it is open: its tables (a
// million counters for the triples) are allocated once and cleared for each count.
class RepeatingSetsCounter {
public:
    explicit RepeatingSetsCounter(bool triples);

    // Counts the first `numbersUsed` fields of the `drawingCount` latest drawings of `drawings`
    // (newest first) and lists the sets of numbers low..high seen at least twice.
    RepeatingSets count(const NumberWindow& drawings, int drawingCount, int numbersUsed, int low, int high);
    // Reads the drawings of the open table and counts them: all NumbersDrawn fields with
    // `includeBonus`, else the regular ones.
    RepeatingSets count(DbfTable& table, const LotteryDefinition& definition, bool includeBonus,
                        int drawingCutoffCount, int totalDrawings);

private:
    bool m_triples;
    std::vector<int> m_counters; // a x 100 + b, or a x 10000 + b x 100 + c
};
