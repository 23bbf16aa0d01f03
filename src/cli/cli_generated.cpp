// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_generated.h"

#include "cli/cli_pdf.h"
#include "lottery/lottery_definition.h"
#include "lottery/program_home.h"
#include "play/generated_tickets.h"
#include "play/generated_tickets_printout.h"
#include "report/report.h"

#include <QFileInfo>

QString cliWheelPath(const CliOptions& args, const QString& name) {
    if (QFileInfo::exists(name) || name.contains(QLatin1Char('/')))
        return name;
    return ProgramHome(args.home()).wheelsDir() + name;
}

void addGeneratedOutput(CliOptions& args) {
    args.addOutput(QStringLiteral("the tickets as a ticket file"));
    args.addPdf(QStringLiteral("the tickets' printout"));
}

void finishGenerated(const CliOptions& args, const GeneratedTickets& generated,
                     const LotteryDefinition& lottery, const QString& generator, const QString& note) {
    QTextStream& out = cliOut();
    if (generated.wheel) {
        out << "Prize Guarantee: " << generated.guarantee << '\n';
        out << "Numbers Played: " << generated.numbersPlayed << '\n';
    }
    for (const QString& line : generated.lines())
        out << line << '\n';
    out.flush();
    if (args.has(QStringLiteral("output")))
        generated.save(args.value(QStringLiteral("output")), lottery);
    if (args.has(QStringLiteral("pdf"))) {
        GeneratedPrintoutFacts facts;
        facts.generator = generator;
        facts.lotteryName = lottery.Description;
        facts.numbersDrawn = lottery.NumbersDrawn;
        facts.note = note;
        facts.generated = generated;
        Report report;
        setUpGeneratedTicketsPrintout(report, facts);
        writeCliPdf(report, args.value(QStringLiteral("pdf")));
    }
}
