// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

struct LotteryDefinition;

// Everything that makes one graph window different from another: all four graph windows are the
// one window over TEMP.DBT told a different configuration.
struct GraphConfig {
    enum class Opens { OnCreation, OnActivation };
    enum class Closes { ClosesTable, ReleasedWithWindow };

    QString className;   // the window's objectName, e.g. "TGraphForm"
    QString name;        // "Frequency Graph": the print windows' titles
    QString caption;     // the window caption and the graph title, e.g. "Frequency Graph (Canada 6/49)"
    QString layoutFile;  // the stored layout in the home, e.g. "frequency_graph.json"
    QString labelField;  // the field that labels the rows: "NUMBER" or "DRAWDATE"
    int rowsShown = 1;   // rows in view when it opens
    int rowsFromEnd = 0; // when above 0, the first row in view at opening is this many from the end
    bool fewerMoreRows = false;       // buttons 11 and 12 change the rows in view, not the categories
    bool firstButtonShowsAll = false; // button 7 shows all categories rather than moving to the first
    Opens opens = Opens::OnCreation;
    Closes closes = Closes::ClosesTable;
    QStringList hints; // the 27 tool-bar hints, in order
};

// How many numbers the number graphs show at once: HighestBonus for "Use Bonus Numbers Only"
// (option 2), else 63 for Daily Millions, else HighestNumber for a range from 1 and
// HighestNumber + 1 for a range from 0.
int graphNumberCount(const LotteryDefinition& definition, int bonusOption);

// prefix + name, the name cut so that the text stays within `limit` characters, then ")".
QString graphCaption(const QString& prefix, const QString& lotteryName, int limit);

// The 27 hints: the common ones around the ten of buttons 3 to 12.
QStringList graphHints(const QStringList& buttons3To12);

GraphConfig frequencyGraphConfig(const LotteryDefinition& definition, int bonusOption);
GraphConfig skipHitGraphConfig(const LotteryDefinition& definition, int bonusOption);
GraphConfig hitSequenceGraphConfig(const LotteryDefinition& definition, int bonusOption);
GraphConfig drawingSummaryGraphConfig(const LotteryDefinition& definition);
