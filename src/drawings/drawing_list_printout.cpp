// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/drawing_list_printout.h"

#include "report/report.h"
#include "report/standard_header.h"

namespace {
constexpr double ColumnGap = 0.5;
constexpr double BodyTop = 1.5;
} // namespace

void setUpDrawingListPrintout(Report& report, const QString& lotteryName, int numbersDrawn,
                              std::vector<DrawingListLine> lines, const QDate& date) {
    report.setPrintoutName(QStringLiteral("Drawing List"));
    StandardHeader header;
    header.title = lotteryName + QStringLiteral(" Drawing List");
    header.bodyTop = BodyTop;
    header.date = date;
    useStandardHeader(report, header);
    const int columns = DrawingList::columnsFor(numbersDrawn);
    report.setOnPrint([columns, lines = std::move(lines)](Report& r) {
        r.setColumns(columns, ColumnGap);
        for (const DrawingListLine& line : lines) {
            r.setBold(true);
            r.print(line.position);
            r.setBold(false);
            r.printLine(line.text);
        }
    });
}
