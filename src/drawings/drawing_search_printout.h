// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drawings/drawing_search.h"

#include <QDate>
#include <QString>

class Report;

// The "Search List" printout: the search numbers in 10 point under the publisher line, the title
// "<lottery> Search List (<drawings label>)", and the result lines in columns as the drawing list.
// `date` is the header's date (today when not set).
void setUpSearchListPrintout(Report& report, const QString& lotteryName, int numbersDrawn,
                             const DrawingSearchResult& result, const QDate& date = QDate());
