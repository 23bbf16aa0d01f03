// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lottery/lottery_definition.h"

#include <QString>
#include <QStringList>
#include <vector>

class DbfTable;

// The drawing table of a lottery: DRAWDATE, then P1..Pn (regular numbers first, bonus last),
// with the index tag DATETAG on DRAWDATE so that order 1 runs from the oldest drawing to the latest.
namespace DrawingTable {
inline const QString DateField = QStringLiteral("DRAWDATE");
inline const QString DateTag = QStringLiteral("DATETAG");
QString numberField(int i); // "P1" .. "P22"

// Width of number field i (1-based) for a lottery of this code and definition.
int numberFieldWidth(const QString& code, const LotteryDefinition& definition, int i);

// Creates dataDir/code.DBF with its DATETAG index, and for NJ646, OH647 and VA644 the empty
// companion table beside it. A table that cannot be made throws the file layer's VantoroError;
// files already written stay.
void CreateDrawingTable(const QString& dataDir, const QString& code, const LotteryDefinition& definition);
} // namespace DrawingTable

// One drawing as the analyses see it.
struct Drawing {
    int position = 0;    // ordinal in date order, 1 = the oldest drawing
    QString date;        // "MM/DD/YYYY", empty when blank
    QStringList numbers; // the field texts, blanks stripped, regular numbers first
};

// The analysis window: the most recent `count` drawings, newest first, read backwards from the
// latest one. Never more than the table holds, whatever `count` says (a negative count reads none).
std::vector<Drawing> readRecentDrawings(DbfTable& table, int numbersDrawn, int count);

// The numbers of a drawing as integers. A blank or non-numeric field, or a value above 99,
// throws VantoroError naming the drawing (position and date) and the field.
std::vector<int> drawingNumbers(const Drawing& drawing);
