// SPDX-License-Identifier: GPL-3.0-or-later
// winnings: the winnings ledger without its window.
#include "cli/cli_commands.h"
#include "cli/cli_pdf.h"

#include "db/dbf_table.h"
#include "db/vantoro_error.h"
#include "lottery/program_home.h"
#include "report/report.h"
#include "winnings/winnings_printout.h"
#include "winnings/winnings_table.h"

#include <QDate>
#include <QFileInfo>

namespace {

// A ledger named without a folder lives in the program home, where the window keeps them.
QString ledgerPath(const CliOptions& args, const QString& usage) {
    if (args.positional().size() != 1)
        throw UsageError(QStringLiteral("usage: ") + usage);
    const QString name = args.positional().first();
    if (name.contains(QLatin1Char('/')))
        return name;
    return ProgramHome(args.home()).dir() + QLatin1Char('/') + name;
}

void openLedger(DbfTable& table, const QString& path) {
    const QFileInfo info(path);
    Winnings::openLedger(table, info.absolutePath(), info.fileName());
}

QString dateOption(const CliOptions& args) {
    const QString date = args.required(QStringLiteral("date"));
    if (!QDate::fromString(date, QStringLiteral("MM/dd/yyyy")).isValid())
        throw UsageError(
            QStringLiteral("option --date takes a date that exists, as MM/DD/YYYY, not '%1'").arg(date));
    return date;
}

double amountOption(const CliOptions& args, const QString& name, const QString& what) {
    try {
        return Winnings::parseAmount(args.value(name, QStringLiteral("0")), what, QLocale::c());
    } catch (const VantoroError& error) {
        throw UsageError(QStringLiteral("option --%1: %2").arg(name, error.message()));
    }
}

int create(const QStringList& words) {
    CliOptions args(QStringLiteral("winnings new"), QStringLiteral("Creates an empty winnings ledger."));
    args.addPositional(QStringLiteral("FILE.DBF"),
                       QStringLiteral("The ledger; a name without a folder is made in the program home."));
    if (!args.parse(words))
        return 0;
    const QString path = ledgerPath(args, QStringLiteral("winnings new FILE.DBF"));
    if (QFileInfo::exists(path))
        throw VantoroError(QStringLiteral("The file %1 already exists; it is left as it is.").arg(path));
    Winnings::createLedger(path);
    cliOut() << QFileInfo(path).fileName()
             << " has been created. Select Winnings in the Edit menu to add your winnings to this file.\n";
    return 0;
}

int add(const QStringList& words) {
    CliOptions args(QStringLiteral("winnings add"), QStringLiteral("Adds an entry to a winnings ledger."));
    args.addPositional(QStringLiteral("FILE.DBF"), QStringLiteral("The ledger."));
    args.addValue({QStringLiteral("date")}, QStringLiteral("MM/DD/YYYY"),
                  QStringLiteral("The entry's date."));
    args.addValue({QStringLiteral("comment")}, QStringLiteral("TEXT"),
                  QStringLiteral("What the entry is for, up to %1 characters.").arg(Winnings::CommentWidth));
    args.addValue({QStringLiteral("won")}, QStringLiteral("AMOUNT"),
                  QStringLiteral("The amount won (default 0)."));
    args.addValue({QStringLiteral("lost")}, QStringLiteral("AMOUNT"),
                  QStringLiteral("The amount spent or lost (default 0)."));
    if (!args.parse(words))
        return 0;
    const QString path = ledgerPath(args, QStringLiteral("winnings add FILE.DBF --date MM/DD/YYYY ..."));
    Winnings::Entry entry;
    entry.date = dateOption(args);
    entry.comment = args.value(QStringLiteral("comment"));
    entry.won = amountOption(args, QStringLiteral("won"), QStringLiteral("Amount Won"));
    entry.lost = amountOption(args, QStringLiteral("lost"), QStringLiteral("Amount Lost"));
    DbfTable table;
    openLedger(table, path);
    Winnings::addEntry(table, entry);
    return 0;
}

int remove(const QStringList& words) {
    CliOptions args(QStringLiteral("winnings delete"),
                    QStringLiteral("Deletes the entries of one day from a winnings ledger and packs it."));
    args.addPositional(QStringLiteral("FILE.DBF"), QStringLiteral("The ledger."));
    args.addValue({QStringLiteral("date")}, QStringLiteral("MM/DD/YYYY"),
                  QStringLiteral("The entries' date."));
    args.addValue({QStringLiteral("comment")}, QStringLiteral("TEXT"),
                  QStringLiteral("Deletes only the entries of that day with this comment."));
    if (!args.parse(words))
        return 0;
    const QString path = ledgerPath(args, QStringLiteral("winnings delete FILE.DBF --date MM/DD/YYYY"));
    const QString date = dateOption(args);
    const QString comment = args.value(QStringLiteral("comment"));
    DbfTable table;
    openLedger(table, path);
    const int deleted =
        Winnings::deleteEntries(table, date, args.has(QStringLiteral("comment")) ? &comment : nullptr);
    if (deleted == 0)
        throw VantoroError(
            QStringLiteral("The ledger %1 has no such entry on %2.").arg(table.fileName(), date));
    cliOut() << "Deleted: " << deleted << '\n';
    return 0;
}

int show(const QStringList& words) {
    CliOptions args(
        QStringLiteral("winnings show"),
        QStringLiteral("Prints the entries of a winnings ledger in date order (date, comment, won "
                       "and lost, joined by tabs), then the two totals."));
    args.addPositional(QStringLiteral("FILE.DBF"), QStringLiteral("The ledger."));
    args.addPdf(QStringLiteral("the window's printout of the ledger"));
    if (!args.parse(words))
        return 0;
    const QString path = ledgerPath(args, QStringLiteral("winnings show FILE.DBF [--pdf FILE]"));
    DbfTable table;
    openLedger(table, path);
    const std::vector<Winnings::Entry> entries = Winnings::entries(table);
    const Winnings::Totals totals = Winnings::totals(table);
    QTextStream& out = cliOut();
    for (const Winnings::Entry& entry : entries)
        out << entry.date << '\t' << entry.comment << '\t' << Winnings::plainAmount(entry.won) << '\t'
            << Winnings::plainAmount(entry.lost) << '\n';
    out << "Total Won: " << Winnings::plainAmount(totals.won) << '\n';
    out << "Total Lost: " << Winnings::plainAmount(totals.lost) << '\n';
    out.flush();
    if (args.has(QStringLiteral("pdf"))) {
        WinningsPrintoutFacts facts;
        facts.fileName = table.fileName();
        facts.entries = entries;
        Report report;
        setUpWinningsPrintout(report, facts);
        writeCliPdf(report, args.value(QStringLiteral("pdf")));
    }
    return 0;
}

} // namespace

int cliWinnings(const QStringList& words) {
    const QString action = words.value(0);
    if (action == QStringLiteral("new"))
        return create(words.mid(1));
    if (action == QStringLiteral("add"))
        return add(words.mid(1));
    if (action == QStringLiteral("delete"))
        return remove(words.mid(1));
    if (action == QStringLiteral("show"))
        return show(words.mid(1));
    if (action == QStringLiteral("--help") || action == QStringLiteral("-h")) {
        CliOptions help(QStringLiteral("winnings"),
                        QStringLiteral("The winnings ledger without its window. 'vantoro-cli winnings ACTION "
                                       "--help' lists the options of one action."));
        help.addPositional(
            QStringLiteral("ACTION"),
            QStringLiteral("new: creates a ledger\nadd: adds an entry\ndelete: deletes the "
                           "entries of a day\nshow: the entries in date order and the totals"));
        return help.showHelp();
    }
    throw UsageError(QStringLiteral("winnings needs 'new', 'add', 'delete' or 'show'"));
}
