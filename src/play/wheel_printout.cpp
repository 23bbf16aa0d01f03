// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/wheel_printout.h"

#include "report/report.h"
#include "report/standard_header.h"

#include <QLocale>

namespace {

// The standard header with the guarantee in the blank line under the publisher line, as other
// printouts put the drawing cutoff there: a line more and the title would run into the body,
// which begins 1.5 inches from the top.
void printWheelHeader(Report& r, const WheelFile& wheel, const QDate& date) {
    r.setTopMargin(0.5);
    r.setBottomMargin(0.5);
    r.home();
    r.setFont(QStringLiteral("Times New Roman"), 12);
    r.setBold(true);
    r.setUnderline(false);
    const double centre = (r.leftMarginPosition() + r.rightMarginPosition()) / 2.0;
    r.printLeft(QLocale().toString(date.isValid() ? date : QDate::currentDate(), QLocale::ShortFormat),
                r.leftMarginPosition());
    r.printCenter(QString::fromLatin1(kProductName), centre);
    r.printRight(QStringLiteral("Page ") + QString::number(r.currentPage()), r.rightMarginPosition());
    r.newLine();
    r.printCenter(QString::fromLatin1(kPublisherLine), centre);
    r.newLine();
    r.printCenter(wheelPrintoutGuarantee(wheel), centre);
    r.newLine();
    r.newLine();
    r.setUnderline(true);
    r.printCenter(wheelPrintoutTitle(wheel), centre);
    r.setUnderline(false);
    r.setBold(false);
    r.clearTabs();
    r.setTopMargin(1.5);
    r.restartAtTopMargin();
    r.home();
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
    report.setOnPrintHeader([wheel, date](Report& r) { printWheelHeader(r, wheel, date); });
    report.setOnPrint([wheel, numbersDrawn](Report& r) { printBody(r, wheel, numbersDrawn); });
}
