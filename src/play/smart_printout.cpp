// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/smart_printout.h"

#include "play/smart_numbers.h"
#include "play/ticket_line.h"
#include "report/report.h"
#include "report/standard_header.h"

SmartPrintoutFacts SmartPrintoutFacts::from(const SmartTickets& tickets, const QStringList& lines) {
    SmartPrintoutFacts facts;
    facts.wheel = tickets.wheel;
    facts.guarantee = tickets.guarantee;
    facts.numbersPlayed = tickets.numbersPlayed;
    facts.wheelNumbers = tickets.wheelNumbers;
    facts.wheelTickets = tickets.wheelTickets;
    facts.fullWheel = tickets.fullWheel;
    facts.lines = lines;
    return facts;
}

QString smartPrintoutTitle(const SmartPrintoutFacts& facts) {
    if (!facts.wheel)
        return QStringLiteral("Smart Number Tickets (%1)").arg(facts.Description);
    return (facts.fullWheel ? QStringLiteral("Smart Number Full Wheel - ")
                            : QStringLiteral("Smart Number Abbreviated Wheel - ")) +
           QStringLiteral("%1 numbers, %2 tickets (%3)")
               .arg(facts.wheelNumbers)
               .arg(facts.wheelTickets)
               .arg(facts.Description);
}

QStringList smartPrintoutLines(const SmartPrintoutFacts& facts) {
    if (!facts.wheel)
        return facts.columnNote.isEmpty() ? QStringList() : QStringList{facts.columnNote};
    QString played = QStringLiteral("Numbers Played: ") + facts.numbersPlayed;
    if (!facts.columnNote.isEmpty())
        played +=
            facts.columnNote + QStringLiteral(". It is not included in the prize guarantee for the wheel.");
    return {QStringLiteral("Prize Guarantee: ") + facts.guarantee, played};
}

void setUpSmartPrintout(Report& report, const SmartPrintoutFacts& facts) {
    StandardHeader header;
    header.title = smartPrintoutTitle(facts);
    header.linesBeforeTitle = smartPrintoutLines(facts);
    header.blankLinesAfterTitle = 0;
    header.bodyTop = 1.5;
    // The tickets never start over the title when the wheel's lines push it down.
    header.bodyBelowHeader = true;
    header.date = facts.date;
    report.setPrintoutName(QStringLiteral("Print Tickets"));
    useStandardHeader(report, header);
    report.setOnPrint([facts](Report& r) {
        r.setColumns(facts.NumbersDrawn >= 9 ? 2 : 3, 0.5);
        r.setFont(QStringLiteral("Courier New"), 12);
        for (const QString& line : facts.lines) {
            r.setBold(true);
            r.print(line.left(TicketLine::kLabelWidth) + QLatin1Char(' '));
            r.setBold(false);
            r.print(line.mid(TicketLine::kLabelWidth));
            r.newLine();
        }
    });
}
