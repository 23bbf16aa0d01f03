// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/generated_tickets_printout.h"

#include "play/ticket_printout.h"
#include "report/report.h"
#include "report/standard_header.h"

QString generatedPrintoutTitle(const GeneratedPrintoutFacts& facts) {
    const GeneratedTickets& generated = facts.generated;
    if (!generated.wheel)
        return QStringLiteral("%1 Tickets (%2)").arg(facts.generator, facts.lotteryName);
    return QStringLiteral("%1 %2 Wheel - %3 numbers, %4 tickets (%5)")
        .arg(facts.generator, generated.fullWheel ? QStringLiteral("Full") : QStringLiteral("Abbreviated"))
        .arg(generated.wheelNumbers)
        .arg(generated.wheelTickets)
        .arg(facts.lotteryName);
}

QStringList generatedPrintoutLines(const GeneratedPrintoutFacts& facts) {
    QStringList lines;
    if (facts.generated.wheel) {
        lines << QStringLiteral("Prize Guarantee: ") + facts.generated.guarantee
              << QStringLiteral("Numbers Played: ") + facts.generated.numbersPlayed;
        if (!facts.note.isEmpty())
            lines << facts.note +
                         QStringLiteral(". It is not included in the prize guarantee for the wheel.");
    } else if (!facts.note.isEmpty()) {
        lines << facts.note;
    }
    return lines;
}

void setUpGeneratedTicketsPrintout(Report& report, const GeneratedPrintoutFacts& facts) {
    report.setPrintoutName(QStringLiteral("Print Tickets"));
    StandardHeader header;
    header.title = generatedPrintoutTitle(facts);
    header.linesBeforeTitle = generatedPrintoutLines(facts);
    header.blankLinesAfterTitle = 0;
    // 1.5 inch from the top, or below the header when the wheel's lines push the title lower.
    header.bodyTop = 1.5;
    header.bodyBelowHeader = true;
    header.date = facts.date;
    useStandardHeader(report, header);
    const int columns = facts.numbersDrawn > 8 ? 2 : 3;
    report.setOnPrint([facts, columns](Report& r) {
        printTicketColumns(r, facts.generated.kind, facts.generated.tickets, columns);
    });
}
