// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/sample_printout.h"

#include "report/report.h"
#include "report/standard_header.h"

void setUpSamplePrintout(Report& report, int lines, int columns) {
    const QString title = QStringLiteral("Sample Printout");
    report.setPrintoutName(title);
    StandardHeader header;
    header.title = title;
    useStandardHeader(report, header);
    report.setOnPrint([lines, columns](Report& r) {
        r.setColumns(columns, 0.25);
        for (int i = 1; i <= lines; ++i)
            r.printLine(QStringLiteral("%1)  Sample line").arg(i, 5, 10, QLatin1Char('0')));
    });
}
