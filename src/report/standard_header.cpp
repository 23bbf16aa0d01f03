// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/standard_header.h"

#include <QLocale>
#include <algorithm>

void printStandardHeader(Report& report, const StandardHeader& header) {
    report.setTopMargin(0.5);
    report.setBottomMargin(header.bottomMargin);
    report.home();
    report.setFont(QStringLiteral("Times New Roman"), 12);
    report.setBold(true);
    report.setUnderline(false);

    const double centre = (report.leftMarginPosition() + report.rightMarginPosition()) / 2.0;
    const QDate date = header.date.isValid() ? header.date : QDate::currentDate();
    report.printLeft(QLocale().toString(date, QLocale::ShortFormat), report.leftMarginPosition());
    report.printCenter(QString::fromLatin1(kProductName), centre);
    report.printRight(QStringLiteral("Page ") + QString::number(report.currentPage()),
                      report.rightMarginPosition());
    report.newLine();
    report.printCenter(QString::fromLatin1(kPublisherLine), centre);
    report.newLine();
    if (header.cutoffLineLeft)
        report.printLeft(header.cutoffLine, report.leftMarginPosition());
    else
        report.printCenter(header.cutoffLine, centre);
    report.newLine();
    for (const QString& line : header.linesBeforeTitle) {
        report.printCenter(line, centre);
        report.newLine();
    }
    if (!header.linesBeforeTitle.isEmpty())
        report.newLine();
    for (int i = 0; i < header.blankLinesBeforeTitle; ++i)
        report.newLine();
    report.setUnderline(true);
    report.printCenter(header.title, centre);
    report.setUnderline(false);
    report.newLine();
    for (int i = 0; i < header.blankLinesAfterTitle; ++i)
        report.newLine();
    for (const QString& line : header.linesBeforeHeadings) {
        report.printCenter(line, centre);
        report.newLine();
    }

    report.clearTabs();
    for (const TabStop& stop : header.tabs)
        report.setTab(stop.position, stop.justification, stop.width, stop.margin);
    if (!header.headings.isEmpty()) {
        report.setUnderline(header.underlineHeadings);
        for (const QString& heading : header.headings)
            report.printTab(heading);
        report.newLine();
    }

    report.setBold(false);
    report.setUnderline(false);
    report.setTopMargin(header.bodyBelowHeader ? std::max(header.bodyTop, report.currentY())
                                               : header.bodyTop);
    report.restartAtTopMargin();
    report.home();
}

void useStandardHeader(Report& report, const StandardHeader& header) {
    report.setOnPrintHeader([header](Report& r) { printStandardHeader(r, header); });
}
