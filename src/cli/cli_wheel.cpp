// SPDX-License-Identifier: GPL-3.0-or-later
// wheel: full wheels made without a table, the wheel lists of a lottery, one wheel's grid, and the
// expansion of chosen numbers through a wheel, with the lines the windows show.
#include "cli/cli_commands.h"

#include "cli/cli_generated.h"
#include "cli/cli_lottery.h"
#include "cli/cli_pdf.h"

#include "db/vantoro_error.h"
#include "lottery/game_type.h"
#include "lottery/lottery_definition.h"
#include "lottery/program_home.h"
#include "play/ticket_line.h"
#include "play/wheel_expansion.h"
#include "play/wheel_file.h"
#include "play/wheel_printout.h"
#include "report/report.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

QString wheelFileHelp() {
    return QStringLiteral("The wheel file; a name without a folder that is not in the current one is "
                          "taken from the wheels folder of the program home.");
}

QString onlyFile(const CliOptions& args) {
    if (args.positional().size() != 1)
        throw UsageError(QStringLiteral("name one wheel file"));
    return cliWheelPath(args, args.positional().first());
}

int wheelFull(const QStringList& words) {
    CliOptions args(QStringLiteral("wheel full"),
                    QStringLiteral("Makes the full wheel of --numbers numbers taken --per-ticket at a time: "
                                   "every combination, one per ticket."));
    args.addValue({QStringLiteral("numbers")}, QStringLiteral("K"),
                  QStringLiteral("How many numbers it wheels."));
    args.addValue({QStringLiteral("per-ticket")}, QStringLiteral("P"),
                  QStringLiteral("How many numbers each ticket holds."));
    args.addOutput(QStringLiteral("the wheel"));
    if (!args.parse(words))
        return 0;
    if (!args.positional().isEmpty())
        throw UsageError(QStringLiteral("unexpected \"%1\"").arg(args.positional().first()));
    const WheelFile wheel = WheelFile::full(args.requiredInteger(QStringLiteral("numbers")),
                                            args.requiredInteger(QStringLiteral("per-ticket")));
    const QString output = args.required(QStringLiteral("output"));
    wheel.write(output);
    cliOut() << wheelListEntry(output) << '\n';
    return 0;
}

int wheelList(const QStringList& words) {
    CliOptions args(QStringLiteral("wheel list"),
                    QStringLiteral("Lists the wheels of the program home that fit the tickets of a lottery, "
                                   "as the wheel window does."));
    args.addLottery();
    if (!args.parse(words))
        return 0;
    CurrentLottery lottery;
    openCliLottery(args, lottery);
    const QString dir = ProgramHome(lottery.homeDir()).wheelsDir();
    const QStringList names =
        wheelFileNames(dir, QStringLiteral("*.?") + ticketSizeCode(lottery.definition()));
    for (const QString& entry : wheelListEntries(dir, names))
        cliOut() << entry << '\n';
    return 0;
}

int wheelShow(const QStringList& words) {
    CliOptions args(QStringLiteral("wheel show"),
                    QStringLiteral("Prints a wheel: its guarantee and its rows of positions."));
    args.addPositional(QStringLiteral("FILE"), wheelFileHelp());
    args.addPdf(QStringLiteral("the printout of the wheel"));
    args.addValue({QStringLiteral("lottery")}, QStringLiteral("FILE.DBF"),
                  QStringLiteral("The lottery whose drawing size sets the columns of the printout (default "
                                 "6 numbers)."));
    if (!args.parse(words))
        return 0;
    const QString path = onlyFile(args);
    const WheelFile wheel = WheelFile::read(path);
    QTextStream& out = cliOut();
    out << wheelListEntry(path) << '\n';
    out << "Numbers Per Ticket: " << wheel.NumbersPerTicket << '\n';
    out << "Total Numbers in Wheel: " << wheel.Numbers << '\n';
    out << "Number of Tickets: " << wheel.Tickets << '\n';
    out << wheel.Match << " numbers match if " << wheel.Correct << " numbers are correct\n";
    for (qsizetype row = 0; row < wheel.rows.size(); ++row)
        out << wheelRowLabel(static_cast<int>(row) + 1) << ' ' << wheel.rows.at(row).join(QLatin1Char(' '))
            << '\n';
    const QStringList notes = wheel.fieldCountNotes();
    if (!notes.isEmpty()) {
        out.flush();
        for (const QString& note : notes)
            cliErr() << note << '\n';
        cliErr().flush();
    }
    if (args.has(QStringLiteral("pdf"))) {
        // The columns of the printout follow the lottery's drawing size; a 6-number game without one.
        int numbersDrawn = LotteryDefinition().NumbersDrawn;
        if (args.has(QStringLiteral("lottery"))) {
            CurrentLottery lottery;
            openCliLottery(args, lottery);
            numbersDrawn = lottery.definition().NumbersDrawn;
        }
        Report report;
        setUpWheelPrintout(report, wheel, numbersDrawn);
        writeCliPdf(report, args.value(QStringLiteral("pdf")));
    }
    return 0;
}

int wheelExpand(const QStringList& words) {
    CliOptions args(QStringLiteral("wheel expand"),
                    QStringLiteral("Prints the tickets a wheel makes of the numbers chosen, with its prize "
                                   "guarantee."));
    args.addPositional(QStringLiteral("FILE"), wheelFileHelp());
    args.addValue(
        {QStringLiteral("numbers")}, QStringLiteral("LIST"),
        QStringLiteral("The numbers chosen, separated by commas, one for each number of the wheel."));
    args.addValue({QStringLiteral("bonus")}, QStringLiteral("NN"),
                  QStringLiteral("The bonus number every ticket plays (a card rank for Tri-State)."));
    args.addValue({QStringLiteral("lottery")}, QStringLiteral("FILE.DBF"),
                  QStringLiteral("The lottery whose tickets these are (default: a plain lotto game without "
                                 "bonus)."));
    if (!args.parse(words))
        return 0;
    const QString path = onlyFile(args);
    const QStringList chosen =
        args.required(QStringLiteral("numbers")).split(QLatin1Char(','), Qt::SkipEmptyParts);
    // Without a lottery the tickets are those of a plain lotto game: no bonus column.
    CurrentLottery lottery;
    LotteryDefinition definition;
    if (args.has(QStringLiteral("lottery"))) {
        openCliLottery(args, lottery);
        definition = lottery.definition();
    }
    WheelExpansion::BonusRule bonus;
    if (args.has(QStringLiteral("bonus"))) {
        // The Tri-State bonus is a card rank; every other bonus a number.
        const QString text = args.value(QStringLiteral("bonus")).trimmed().toUpper();
        static const QRegularExpression rank(QStringLiteral("^(0?[2-9AJQK]|10)$"));
        static const QRegularExpression number(QStringLiteral("^[0-9]{1,2}$"));
        const bool cardRank = GameTypes::bonusIsCardRank(definition.GameType, definition.regularNumbers());
        if (!(cardRank ? rank : number).match(text).hasMatch())
            throw UsageError(cardRank
                                 ? QStringLiteral("option --bonus takes a card rank: 2 to 10, J, Q, K or A")
                                 : QStringLiteral("option --bonus takes a number from 0 to 99"));
        bonus = [text](int) { return text; };
    }
    const WheelExpansion expansion = WheelExpansion::expand(path, chosen, definition, bonus);
    QTextStream& out = cliOut();
    out << "Prize Guarantee: " << expansion.guaranteeText() << '\n';
    QString played;
    for (const QString& entry : chosen)
        played += wheelEntryText(entry, definition) + QLatin1Char(' ');
    out << "Numbers Played: " << played << '\n';
    for (const QString& line : TicketLine::format(expansion.kind, expansion.tickets))
        out << line << '\n';
    return 0;
}

} // namespace

int cliWheel(const QStringList& words) {
    const QString action = words.value(0);
    if (action == QStringLiteral("--help") || action == QStringLiteral("-h")) {
        CliOptions help(QStringLiteral("wheel"),
                        QStringLiteral("Wheeling systems without the wheel window. 'vantoro-cli wheel ACTION "
                                       "--help' lists the options of one action."));
        help.addPositional(QStringLiteral("ACTION"),
                           QStringLiteral("full: makes a full wheel\nlist: the wheels that fit a lottery\n"
                                          "show: the rows of one wheel\nexpand: the tickets a wheel makes of "
                                          "the numbers chosen"));
        return help.showHelp();
    }
    if (words.isEmpty() || action.startsWith(QStringLiteral("--")))
        throw UsageError(QStringLiteral("name what to do: full, list, show or expand"));
    const QStringList rest = words.mid(1);
    if (action == QStringLiteral("full"))
        return wheelFull(rest);
    if (action == QStringLiteral("list"))
        return wheelList(rest);
    if (action == QStringLiteral("show"))
        return wheelShow(rest);
    if (action == QStringLiteral("expand"))
        return wheelExpand(rest);
    throw UsageError(QStringLiteral("unknown wheel action \"%1\"").arg(action));
}
