// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/drawing_search_printout.h"

#include "drawings/drawing_list.h"
#include "report/report.h"
#include "report/standard_header.h"

#include <QLocale>

namespace {

constexpr double ColumnGap = 0.5;
constexpr double BodyTop = 1.5; // inches from the top of the page
const QString HeaderFont = QStringLiteral("Times New Roman");

// The standard header with the search numbers in a smaller type where the blank line would be.
void printSearchHeader(Report& r, const QString& numbersLabel, const QString& title, const QDate& date) {
    r.setTopMargin(0.5);
    r.setBottomMargin(0.5);
    r.home();
    r.setFont(HeaderFont, 12);
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
    r.newLine();
    r.setFont(HeaderFont, 10);
    r.printLeft(numbersLabel, r.leftMarginPosition());
    r.newLine();
    r.setFont(HeaderFont, 12);
    r.newLine();
    r.setUnderline(true);
    r.printCenter(title, centre);
    r.setUnderline(false);
    r.newLine();
    r.newLine();
    // With the search numbers' line this header is taller than the others: the body starts 1.5 inches
    // down unless that would put its first line on the title, then one blank line under the title.
    const double bodyTop = qMax(BodyTop, r.currentY());
    r.setBold(false);
    r.clearTabs();
    r.setTopMargin(bodyTop);
    r.restartAtTopMargin();
    r.home();
}

} // namespace

void setUpSearchListPrintout(Report& report, const QString& lotteryName, int numbersDrawn,
                             const DrawingSearchResult& result, const QDate& date) {
    report.setPrintoutName(QStringLiteral("Search List"));
    const QString title =
        lotteryName + QStringLiteral(" Search List (") + result.drawingsLabel + QLatin1Char(')');
    report.setOnPrintHeader(
        [label = result.numbersLabel, title, date](Report& r) { printSearchHeader(r, label, title, date); });
    const int columns = DrawingList::columnsFor(numbersDrawn);
    report.setOnPrint([columns, lines = result.lines](Report& r) {
        r.setColumns(columns, ColumnGap);
        for (const QString& line : lines)
            r.printLine(line);
    });
}
