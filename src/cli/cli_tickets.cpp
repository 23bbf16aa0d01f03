// SPDX-License-Identifier: GPL-3.0-or-later
// tickets: the ticket editor's list of a ticket file and its two filters, without the window.
#include "cli/cli_commands.h"
#include "cli/cli_pdf.h"

#include "db/vantoro_error.h"
#include "lottery/program_home.h"
#include "play/ticket_file.h"
#include "play/ticket_filter.h"
#include "play/ticket_line.h"
#include "play/ticket_printout.h"
#include "report/report.h"

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
void writePdf(const CliOptions& args, const TicketFile& file, const Tickets& tickets, const TicketRange& sum,
              const TicketRange& odd) {
    if (!args.has(QStringLiteral("pdf")))
        return;
    TicketPrintoutFacts facts;
    facts.kind = file.kind;
    facts.fileName = QFileInfo(args.positional().at(0)).fileName();
    facts.fromSum = QString::number(sum.lowest);
    facts.toSum = QString::number(sum.highest);
    facts.fromOdd = QString::number(odd.lowest);
    facts.toOdd = QString::number(odd.highest);
    facts.tickets = tickets;
    Report report;
    setUpTicketPrintout(report, facts);
    writeCliPdf(report, args.value(QStringLiteral("pdf")));
}

// A ticket file named without a folder that is not in the current one is looked up in the home,
// where the editor's open dialog starts.
QString ticketPath(const CliOptions& args) {
    const QString name = args.positional().at(0);
    if (QFileInfo::exists(name) || name.contains(QLatin1Char('/')))
        return name;
    return ProgramHome(args.home()).dir() + QLatin1Char('/') + name;
}

void printLines(const TicketKind& kind, const Tickets& tickets) {
    for (const QString& line : TicketLine::format(kind, tickets))
        cliOut() << line << '\n';
}

void addTicketOptions(CliOptions& args) {
    args.addPositional(QStringLiteral("FILE.tic"),
                       QStringLiteral("The ticket file; a name without a folder that is not in the current "
                                      "one is taken from the program home."));
    args.addPdf(QStringLiteral("the ticket editor's printout of the lines"));
}

int show(const QStringList& words) {
    CliOptions args(QStringLiteral("tickets show"),
                    QStringLiteral("Prints the tickets of a ticket file as the ticket editor lists them, "
                                   "then its sum and odd ranges."));
    addTicketOptions(args);
    if (!args.parse(words))
        return 0;
    if (args.positional().size() != 1)
        throw UsageError(QStringLiteral("usage: tickets show FILE.tic"));
    const TicketFile file = TicketFile::read(ticketPath(args));
    printLines(file.kind, file.tickets);
    cliOut() << "Sum Range: " << file.sumRange.lowest << " to " << file.sumRange.highest << '\n';
    cliOut() << "Odd Range: " << file.oddRange.lowest << " to " << file.oddRange.highest << '\n';
    cliOut().flush();
    writePdf(args, file, file.tickets, file.sumRange, file.oddRange);
    return 0;
}

int filter(const QStringList& words) {
    CliOptions args(QStringLiteral("tickets filter"),
                    QStringLiteral("Prints the tickets of a ticket file that the editor's filters keep: the "
                                   "sum filter chooses from all tickets, the odd filter narrows its list."));
    addTicketOptions(args);
    args.addValue({QStringLiteral("sum")}, QStringLiteral("A-B"),
                  QStringLiteral("Keeps the tickets whose numbers add up to A to B."));
    args.addValue({QStringLiteral("odd")}, QStringLiteral("C-D"),
                  QStringLiteral("Keeps the tickets with C to D odd numbers."));
    args.addOutput(QStringLiteral("the tickets kept as a ticket file"));
    if (!args.parse(words))
        return 0;
    if (args.positional().size() != 1)
        throw UsageError(QStringLiteral("usage: tickets filter FILE.tic --sum A-B --odd C-D [-o OUT]"));
    const TicketFile file = TicketFile::read(ticketPath(args));
    if (file.kind.isCardGame())
        throw VantoroError(QStringLiteral("The tickets of a card game have no sum or odd filter."));
    // As in the editor: the first filter chooses from all tickets, the second narrows its list.
    Tickets tickets = file.tickets;
    TicketRange sum = file.sumRange;
    TicketRange odd = file.oddRange;
    if (args.has(QStringLiteral("sum"))) {
        sum = parseRange(QStringLiteral("sum"), args.value(QStringLiteral("sum")));
        tickets = TicketFilters::keep(file.kind, tickets, TicketFilter::Sum, sum);
    }
    if (args.has(QStringLiteral("odd"))) {
        odd = parseRange(QStringLiteral("odd"), args.value(QStringLiteral("odd")));
        TicketFilters::narrow(file.kind, tickets, TicketFilter::Odd, odd);
    }
    printLines(file.kind, tickets);
    cliOut().flush();
    writePdf(args, file, tickets, sum, odd);
    if (args.has(QStringLiteral("output")))
        TicketFile::write(args.value(QStringLiteral("output")), file.kind, file.lotteryName, tickets);
    return 0;
}

} // namespace

int cliTickets(const QStringList& words) {
    const QString action = words.value(0);
    if (action == QStringLiteral("show"))
        return show(words.mid(1));
    if (action == QStringLiteral("filter"))
        return filter(words.mid(1));
    if (action == QStringLiteral("--help") || action == QStringLiteral("-h")) {
        CliOptions help(QStringLiteral("tickets"),
                        QStringLiteral("Ticket files without the ticket editor. 'vantoro-cli tickets ACTION "
                                       "--help' lists the options of one action."));
        help.addPositional(QStringLiteral("ACTION"),
                           QStringLiteral("show: the tickets of a file and its ranges\nfilter: the tickets "
                                          "the sum and odd filters keep"));
        return help.showHelp();
    }
    throw UsageError(QStringLiteral("tickets needs 'show' or 'filter'"));
}
