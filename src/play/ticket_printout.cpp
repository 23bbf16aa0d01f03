// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/ticket_printout.h"

#include "play/ticket_line.h"
#include "report/report.h"
#include "report/standard_header.h"

namespace {

StandardHeader ticketHeader(const TicketPrintoutFacts& facts) {
    StandardHeader header;
    header.title = QStringLiteral("Edit Tickets (%1)").arg(facts.fileName);
    header.linesBeforeTitle << ticketFilterLine(facts);
    if (!facts.kind.note().isEmpty())
        header.linesBeforeTitle << facts.kind.note();
    header.blankLinesAfterTitle = 0;
    // The body starts 1.5 inch from the top, or lower when the filter line and the note push the
    // title down that far: the tickets never run over the title.
    header.bodyTop = 1.5;
    header.bodyBelowHeader = true;
    header.date = facts.date;
    return header;
}

} // namespace

QString ticketFilterLine(const TicketPrintoutFacts& facts) {
    if (facts.kind.isCardGame())
        return facts.kind.typeCaption();
    return QStringLiteral("Sum Filter: %1 to %2     Odd Filter: %3 to %4     %5")
        .arg(facts.fromSum, facts.toSum, facts.fromOdd, facts.toOdd, facts.kind.typeCaption());
}

void setUpTicketPrintout(Report& report, const TicketPrintoutFacts& facts) {
    report.setPrintoutName(QStringLiteral("Print Tickets"));
    useStandardHeader(report, ticketHeader(facts));
    report.setOnPrint([facts](Report& r) {
        printTicketColumns(r, facts.kind, facts.tickets, facts.kind.numbersPerTicket > 8 ? 2 : 3);
    });
}

void printTicketColumns(Report& report, const TicketKind& kind, const Tickets& tickets, int columns) {
    report.setColumns(columns, 0.5);
    report.setFont(QStringLiteral("Courier New"), 12);
    for (const QString& line : TicketLine::format(kind, tickets)) {
        report.setBold(true);
        report.print(line.left(TicketLine::kLabelWidth) + QLatin1Char(' '));
        report.setBold(false);
        report.print(line.mid(TicketLine::kLabelWidth));
        report.newLine();
    }
}
