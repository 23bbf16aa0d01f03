// SPDX-License-Identifier: GPL-3.0-or-later
#include "winnings/winnings_printout.h"

#include "report/report.h"
#include "report/standard_header.h"

namespace {
// The four columns fill the 7.5 inches between the half-inch margins of a letter page.
constexpr double kDateWidth = 1.0;
constexpr double kCommentWidth = 4.5;
constexpr double kAmountWidth = 1.0;
} // namespace

void setUpWinningsPrintout(Report& report, const WinningsPrintoutFacts& facts) {
    report.setPrintoutName(QStringLiteral("Winnings"));
    StandardHeader header;
    header.title = QStringLiteral("Winnings (%1)").arg(facts.fileName);
    header.blankLinesAfterTitle = 2;
    header.tabs = {
        TabStop{0.0, Justification::Left, kDateWidth}, TabStop{-1.0, Justification::Center, kCommentWidth},
        TabStop{-1.0, Justification::Right, kAmountWidth}, TabStop{-1.0, Justification::Right, kAmountWidth}};
    header.headings = {QStringLiteral("Date"), QStringLiteral("Comment"), QStringLiteral("Won"),
                       QStringLiteral("Lost")};
    header.bodyTop = 1.7;
    // The title, its two blank lines and the headings end below 1.7 inch: the entries start under them.
    header.bodyBelowHeader = true;
    header.date = facts.date;
    useStandardHeader(report, header);
    report.setOnPrint([facts](Report& r) {
        r.setFont(QStringLiteral("Times New Roman"), 12);
        for (const Winnings::Entry& entry : facts.entries) {
            r.printTab(entry.date);
            // The heading is centred over the comments; the comments themselves start at its left.
            r.tab();
            r.printLeft(entry.comment, r.leftMarginPosition() + kDateWidth);
            r.printTab(Winnings::currency(entry.won, facts.locale));
            r.printTab(Winnings::currency(entry.lost, facts.locale));
            r.newLine();
        }
    });
}
