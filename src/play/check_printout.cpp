// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/check_printout.h"

#include "play/ticket_line.h"
#include "report/report.h"
#include "report/standard_header.h"

namespace {

StandardHeader checkHeader(const CheckPrintoutFacts& facts) {
    StandardHeader header;
    header.title =
        QStringLiteral("Check Tickets with Drawing on %1 (%2)").arg(facts.drawDate, facts.lotteryName);
    if (!facts.note.isEmpty())
        header.linesBeforeTitle << facts.note;
    header.linesBeforeTitle << facts.numbersLabel;
    if (!facts.bonusLabel.isEmpty())
        header.linesBeforeTitle << facts.bonusLabel;
    header.blankLinesAfterTitle = 0;
    header.bodyTop = 1.5;
    // The labels above the title may push it below 1.5 inch; the list never runs over it.
    header.bodyBelowHeader = true;
    header.date = facts.date;
    return header;
}

// The report flows to the next column by itself only when a line does not fit; this moves there
// at once, or to a new page from the last column.
void nextColumnOrPage(Report& r) {
    if (r.currentColumn() >= r.columnCount()) {
        r.newPage();
        return;
    }
    const int column = r.currentColumn();
    while (r.currentColumn() == column)
        r.newLine();
}

} // namespace

void setUpCheckPrintout(Report& report, const CheckPrintoutFacts& facts) {
    report.setPrintoutName(QStringLiteral("Print Tickets"));
    useStandardHeader(report, checkHeader(facts));
    report.setOnPrint([facts](Report& r) {
        r.setColumns(facts.numbersDrawn > 8 ? 2 : 3, 0.5);
        r.setFont(QStringLiteral("Courier New"), 12);
        for (const QString& line : facts.lines) {
            r.setBold(true);
            r.print(line.left(TicketLine::kLabelWidth) + QLatin1Char(' '));
            r.setBold(false);
            r.print(line.mid(TicketLine::kLabelWidth));
            r.newLine();
        }
        if (r.linesLeft() < int(facts.summary.size()) + 3)
            nextColumnOrPage(r);
        r.newLine();
        r.setBold(true);
        r.print(QStringLiteral("Summary: "));
        r.setBold(false);
        r.newLine();
        for (const QString& item : facts.summary) {
            r.print(item);
            r.newLine();
        }
    });
}
