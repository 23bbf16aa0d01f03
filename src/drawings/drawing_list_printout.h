// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drawings/drawing_list.h"

#include <QDate>
#include <QString>
#include <vector>

class Report;

// The "Drawing List" printout: "<lottery> Drawing List" under the standard header, the lines
// flowing through DrawingList::columnsFor(N) columns half an inch apart, each position in bold.
// `date` is the header's date (today when not set).
void setUpDrawingListPrintout(Report& report, const QString& lotteryName, int numbersDrawn,
                              std::vector<DrawingListLine> lines, const QDate& date = QDate());
