// SPDX-License-Identifier: GPL-3.0-or-later
// tickets: the ticket editor's list of a ticket file and its two filters, without the window.
//   tickets show FILE.tic                        the TicketLines, then the sum and odd ranges
//   tickets filter FILE.tic --sum A-B --odd C-D [-o OUT]
//                                                the lines both filters keep; -o saves them
#include "cli/cli_commands.h"

#include "db/vantoro_error.h"
#include "play/ticket_file.h"
#include "play/ticket_filter.h"

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

void printLines(const QStringList& lines) {
    for (const QString& line : lines)
        cliOut() << line << '\n';
}

int show(const CliArgs& args) {
    if (args.positional().size() != 2)
        throw UsageError(QStringLiteral("usage: tickets show FILE.tic"));
    const TicketFile file = TicketFile::read(args.positional().at(1));
    printLines(file.tickets);
    cliOut() << "Sum Range: " << file.sumRange.lowest << " to " << file.sumRange.highest << '\n';
    cliOut() << "Odd Range: " << file.oddRange.lowest << " to " << file.oddRange.highest << '\n';
    cliOut().flush();
    return 0;
}

int filter(const CliArgs& args) {
    if (args.positional().size() != 2)
        throw UsageError(QStringLiteral("usage: tickets filter FILE.tic --sum A-B --odd C-D [-o OUT]"));
    const TicketFile file = TicketFile::read(args.positional().at(1));
    if (file.kind.isCardGame())
        throw VantoroError(QStringLiteral("The tickets of a card game have no sum or odd filter."));
    // As in the editor: the first filter chooses from all tickets, the second narrows its list.
    QStringList lines = file.tickets;
    if (args.has(QStringLiteral("sum")))
        lines = TicketFilters::keep(file.kind, lines, TicketFilter::Sum,
                                    parseRange(QStringLiteral("sum"), args.value(QStringLiteral("sum"))));
    if (args.has(QStringLiteral("odd")))
        TicketFilters::narrow(file.kind, lines, TicketFilter::Odd,
                              parseRange(QStringLiteral("odd"), args.value(QStringLiteral("odd"))));
    printLines(lines);
    cliOut().flush();
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
    const CliArgs args(normalised);
    args.allowOnly({QStringLiteral("home"), QStringLiteral("sum"), QStringLiteral("odd"), QStringLiteral("out")});
    const QString action = args.positional().value(0);
    if (action == QStringLiteral("show"))
        return show(args);
    if (action == QStringLiteral("filter"))
        return filter(args);
    throw UsageError(QStringLiteral("tickets needs 'show' or 'filter'"));
}
