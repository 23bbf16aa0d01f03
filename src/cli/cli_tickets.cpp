// SPDX-License-Identifier: GPL-3.0-or-later
// tickets: the ticket editor's list of a ticket file and its two filters, without the window.
//   tickets show FILE.tic [--pdf FILE]           the TicketLines, then the sum and odd ranges
//   (a bare FILE.tic not in the current folder is the one in the program home)
//   tickets filter FILE.tic --sum A-B --odd C-D [-o OUT] [--pdf FILE]
//                                                the lines both filters keep; -o saves them
#include "cli/cli_commands.h"

#include "app/program_home.h"
#include "db/vantoro_error.h"
#include "play/ticket_file.h"
#include "play/ticket_filter.h"
#include "play/ticket_printout.h"
#include "report/report.h"
#include "report/report_output.h"

#include <QFileInfo>

namespace {

TicketRange parseRange(const QString& option, const QString& text) {
    const qsizetype dash = text.indexOf(QLatin1Char('-'), 1);
    bool lowOk = false;
    bool highOk = false;
    TicketRange range;
    if (dash > 0) {
        range.lowest = text.left(dash).toInt(&lowOk);
        range.highest = text.mid(dash + 1).toInt(&highOk);
    }
    if (!lowOk || !highOk)
        throw UsageError(QStringLiteral("--%1 needs a range such as 120-150, not '%2'").arg(option, text));
    return range;
}

// The editor's printout of these lines, with the ranges standing in its filter boxes.
void writePdf(const CliOptions& args, const TicketFile& file, const QStringList& lines,
              const TicketRange& sum, const TicketRange& odd) {
    if (!args.has(QStringLiteral("pdf")))
        return;
    TicketPrintoutFacts facts;
    facts.kind = file.kind;
    facts.fileName = QFileInfo(args.positional().at(1)).fileName();
    facts.fromSum = QString::number(sum.lowest);
    facts.toSum = QString::number(sum.highest);
    facts.fromOdd = QString::number(odd.lowest);
    facts.toOdd = QString::number(odd.highest);
    facts.lines = lines;
    Report report;
    setUpTicketPrintout(report, facts);
    const QString pdf = args.value(QStringLiteral("pdf"));
    if (writeReportPdf(report, pdf) != ReportOutcome::Done)
        throw VantoroError(QStringLiteral("Cannot write the PDF file \"%1\".").arg(reportPdfPath(pdf)));
}

// A ticket file named without a folder that is not in the current one is looked up in the home,
// where the editor's open dialog starts.
QString ticketPath(const CliOptions& args) {
    const QString name = args.positional().at(1);
    if (QFileInfo::exists(name) || name.contains(QLatin1Char('/')))
        return name;
    return ProgramHome(args.home()).dir() + QLatin1Char('/') + name;
}

void printLines(const QStringList& lines) {
    for (const QString& line : lines)
        cliOut() << line << '\n';
}

int show(const CliOptions& args) {
    if (args.positional().size() != 2)
        throw UsageError(QStringLiteral("usage: tickets show FILE.tic"));
    const TicketFile file = TicketFile::read(ticketPath(args));
    printLines(file.tickets);
    cliOut() << "Sum Range: " << file.sumRange.lowest << " to " << file.sumRange.highest << '\n';
    cliOut() << "Odd Range: " << file.oddRange.lowest << " to " << file.oddRange.highest << '\n';
    cliOut().flush();
    writePdf(args, file, file.tickets, file.sumRange, file.oddRange);
    return 0;
}

int filter(const CliOptions& args) {
    if (args.positional().size() != 2)
        throw UsageError(QStringLiteral("usage: tickets filter FILE.tic --sum A-B --odd C-D [-o OUT]"));
    const TicketFile file = TicketFile::read(ticketPath(args));
    if (file.kind.isCardGame())
        throw VantoroError(QStringLiteral("The tickets of a card game have no sum or odd filter."));
    // As in the editor: the first filter chooses from all tickets, the second narrows its list.
    QStringList lines = file.tickets;
    TicketRange sum = file.sumRange;
    TicketRange odd = file.oddRange;
    if (args.has(QStringLiteral("sum"))) {
        sum = parseRange(QStringLiteral("sum"), args.value(QStringLiteral("sum")));
        lines = TicketFilters::keep(file.kind, lines, TicketFilter::Sum, sum);
    }
    if (args.has(QStringLiteral("odd"))) {
        odd = parseRange(QStringLiteral("odd"), args.value(QStringLiteral("odd")));
        TicketFilters::narrow(file.kind, lines, TicketFilter::Odd, odd);
    }
    printLines(lines);
    cliOut().flush();
    writePdf(args, file, lines, sum, odd);
    if (args.has(QStringLiteral("out")))
        TicketFile::write(args.value(QStringLiteral("out")), file.kind, file.lotteryName, lines);
    return 0;
}

} // namespace

int cliTickets(const QStringList& words) {
    QStringList normalised = words;
    for (QString& word : normalised) {
        if (word == QStringLiteral("-o"))
            word = QStringLiteral("--out");
    }
    const CliOptions args(normalised);
    args.allowOnly({QStringLiteral("home"), QStringLiteral("sum"), QStringLiteral("odd"),
                    QStringLiteral("out"), QStringLiteral("pdf")});
    const QString action = args.positional().value(0);
    if (action == QStringLiteral("show"))
        return show(args);
    if (action == QStringLiteral("filter"))
        return filter(args);
    throw UsageError(QStringLiteral("tickets needs 'show' or 'filter'"));
}
