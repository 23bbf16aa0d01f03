// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/ticket_printout.h"

#include "report/report.h"
#include "report/standard_header.h"

#include <QLocale>
#include <algorithm>

namespace {

void printTicketHeader(Report& report, const TicketPrintoutFacts& facts) {
    report.setTopMargin(0.5);
    report.setBottomMargin(0.5);
    report.home();
    report.setFont(QStringLiteral("Times New Roman"), 12);
    report.setBold(true);
    report.setUnderline(false);

    const double centre = (report.leftMarginPosition() + report.rightMarginPosition()) / 2.0;
    const QDate date = facts.date.isValid() ? facts.date : QDate::currentDate();
    report.printLeft(QLocale().toString(date, QLocale::ShortFormat), report.leftMarginPosition());
    report.printCenter(QString::fromLatin1(kProductName), centre);
    report.printRight(QStringLiteral("Page ") + QString::number(report.currentPage()),
                      report.rightMarginPosition());
    report.newLine();
    report.printCenter(QString::fromLatin1(kPublisherLine), centre);
    report.newLine();
    report.newLine();
    report.printCenter(ticketFilterLine(facts), centre);
    report.newLine();
    const QString note = facts.kind.note();
    if (!note.isEmpty()) {
        report.printCenter(note, centre);
        report.newLine();
    }
    report.newLine();
    report.setUnderline(true);
    report.printCenter(QStringLiteral("Edit Tickets (%1)").arg(facts.fileName), centre);
    report.setUnderline(false);
    report.newLine();
    report.setBold(false);
    report.clearTabs();
    // The body starts 1.5 inch from the top, or lower when the filter line and the note push the
    // title down that far: the tickets never run over the title.
    report.setTopMargin(std::max(1.5, report.currentY()));
    report.restartAtTopMargin();
    report.home();
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
    report.setOnPrintHeader([facts](Report& r) { printTicketHeader(r, facts); });
    report.setOnPrint([facts](Report& r) {
        r.setColumns(facts.kind.numbersPerTicket > 8 ? 2 : 3, 0.5);
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
