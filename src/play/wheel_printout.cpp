// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/wheel_printout.h"

#include "report/report.h"
#include "report/standard_header.h"

namespace {

// The guarantee stands in the blank line under the publisher line, as other printouts put the
// drawing cutoff there: a line more and the title would run into the body, which begins 1.5 inches
// from the top.
StandardHeader wheelHeader(const WheelFile& wheel, const QDate& date) {
    StandardHeader header;
    header.title = wheelPrintoutTitle(wheel);
    header.cutoffLine = wheelPrintoutGuarantee(wheel);
    header.blankLinesBeforeTitle = 1;
    header.blankLinesAfterTitle = 0;
    header.bodyTop = 1.5;
    // The rows never start over the title, whatever the fonts make of the lines above it.
    header.bodyBelowHeader = true;
    header.date = date;
    return header;
}

int columnsFor(int numbersDrawn) {
    if (numbersDrawn == 3 || numbersDrawn == 4)
        return 4;
    return numbersDrawn > 8 ? 2 : 3;
}

void printBody(Report& r, const WheelFile& wheel, int numbersDrawn) {
    r.setColumns(columnsFor(numbersDrawn), 0.5);
    for (qsizetype row = 0; row < wheel.rows.size(); ++row) {
        r.setBold(true);
        r.print(wheelRowLabel(static_cast<int>(row) + 1) + QStringLiteral("  "));
        r.setBold(false);
        QString cells;
        for (const QString& cell : wheel.rows.at(row))
            cells += cell + QLatin1Char(' ');
        r.print(cells);
        r.newLine();
    }
}

} // namespace

QString wheelRowLabel(int row) {
    return QStringLiteral("%1.").arg(row, 4, 10, QLatin1Char('0'));
}

QString wheelPrintoutTitle(const WheelFile& wheel) {
    return (wheel.isFull() ? QStringLiteral("Full") : QStringLiteral("Abbreviated")) +
           QStringLiteral(" Wheeling System - ") + wheel.Numbers + QStringLiteral(" numbers, ") +
           wheel.Tickets + QStringLiteral(" tickets");
}

QString wheelPrintoutGuarantee(const WheelFile& wheel) {
    return QStringLiteral("Prize Guarantee: If ") + wheel.Correct + QStringLiteral(" of the ") +
           wheel.Numbers + QStringLiteral(" numbers are correct, at least 1 ticket will match ") +
           wheel.Match + QStringLiteral(" numbers");
}

void setUpWheelPrintout(Report& report, const WheelFile& wheel, int numbersDrawn, const QDate& date) {
    report.setPrintoutName(QStringLiteral("Wheeling System"));
    useStandardHeader(report, wheelHeader(wheel, date));
    report.setOnPrint([wheel, numbersDrawn](Report& r) { printBody(r, wheel, numbersDrawn); });
}
