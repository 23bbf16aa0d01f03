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
#include "play/wheel_generator.h"
#include "play/wheel_printout.h"
#include "play/wheel_verifier.h"
#include "report/report.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <atomic>
#include <csignal>

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
    args.requireNoPositional();
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

// A number of the wheel's header (line 1, 4 or 5), for a default the options did not give.
int headerNumber(const QString& path, const QString& text, int line) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        throw VantoroError(QStringLiteral("The wheeling system file %1 has no number on line %2: \"%3\".")
                               .arg(QDir::toNativeSeparators(path))
                               .arg(line)
                               .arg(text.left(20)));
    return value;
}

int wheelVerify(const QStringList& words) {
    CliOptions args(
        QStringLiteral("wheel verify"),
        QStringLiteral("Checks every draw against the tickets of a wheel: whether some ticket "
                       "matches M numbers whenever C of its numbers are drawn. Exit status 0 when "
                       "the guarantee holds, 3 when it does not."));
    args.addPositional(QStringLiteral("FILE"), wheelFileHelp());
    args.addValue({QStringLiteral("match")}, QStringLiteral("M"),
                  QStringLiteral("The numbers a ticket must match (default: the wheel's own header)."));
    args.addValue({QStringLiteral("correct")}, QStringLiteral("C"),
                  QStringLiteral("The numbers drawn among the wheel's (default: the wheel's own header)."));
    if (!args.parse(words))
        return 0;
    const QString path = onlyFile(args);
    const WheelFile file = WheelFile::read(path);
    const WheelVerifier verifier = WheelVerifier::fromFile(file, path);
    const int match = args.has(QStringLiteral("match")) ? args.requiredInteger(QStringLiteral("match"))
                                                        : headerNumber(path, file.Match, 4);
    const int correct = args.has(QStringLiteral("correct")) ? args.requiredInteger(QStringLiteral("correct"))
                                                            : headerNumber(path, file.Correct, 5);
    const WheelCheck check = verifier.check(match, correct);
    QTextStream& out = cliOut();
    out << "Draws: " << check.draws << '\n';
    out << "Holes: " << check.holes << '\n';
    if (!check.holds())
        out << "First hole: " << wheelPositionsText(check.firstHoles.value(0)) << '\n';
    return check.holds() ? 0 : 3;
}

int wheelCoverage(const QStringList& words) {
    CliOptions args(QStringLiteral("wheel coverage"),
                    QStringLiteral("Prints the coverage table of a wheel: for each count of its numbers "
                                   "drawn, the share of the draws in which some ticket matches at least 1, "
                                   "2, ... numbers."));
    args.addPositional(QStringLiteral("FILE"), wheelFileHelp());
    args.addValue({QStringLiteral("drawn")}, QStringLiteral("N"),
                  QStringLiteral("The largest count of numbers drawn (default: the larger of the numbers "
                                 "per ticket and the numbers correct of the header)."));
    if (!args.parse(words))
        return 0;
    const QString path = onlyFile(args);
    const WheelFile file = WheelFile::read(path);
    const WheelVerifier verifier = WheelVerifier::fromFile(file, path);
    int drawn = verifier.largestTicket();
    if (args.has(QStringLiteral("drawn"))) {
        drawn = args.requiredInteger(QStringLiteral("drawn"));
        if (drawn < 1)
            throw UsageError(QStringLiteral("option --drawn takes a number from 1 up"));
    } else {
        bool ok = false;
        const int correct = file.Correct.trimmed().toInt(&ok);
        if (ok)
            drawn = std::max(drawn, correct);
    }
    for (const QString& line : wheelCoverageLines(verifier.coverage(drawn)))
        cliOut() << line << '\n';
    return 0;
}

std::atomic<bool> interrupted{false};

extern "C" void stopMaking(int) {
    interrupted = true;
}

int wheelMake(const QStringList& words) {
    CliOptions args(
        QStringLiteral("wheel make"),
        QStringLiteral("Builds the smallest wheel it can find in the time: whenever --correct of "
                       "its --numbers are drawn, some ticket matches --match. It stops early when "
                       "no wheel can have fewer tickets. Progress goes to standard error; Ctrl+C "
                       "stops with the best wheel so far."));
    args.addValue({QStringLiteral("numbers")}, QStringLiteral("K"),
                  QStringLiteral("How many numbers it wheels (up to 64)."));
    args.addValue({QStringLiteral("per-ticket")}, QStringLiteral("P"),
                  QStringLiteral("How many numbers each ticket holds."));
    args.addValue({QStringLiteral("match")}, QStringLiteral("M"),
                  QStringLiteral("The numbers some ticket is sure to match."));
    args.addValue({QStringLiteral("correct")}, QStringLiteral("C"),
                  QStringLiteral("How many of the wheel's numbers are drawn."));
    args.addValue({QStringLiteral("seconds")}, QStringLiteral("S"),
                  QStringLiteral("How long to search (default 60)."));
    args.addValue({QStringLiteral("seed")}, QStringLiteral("N"),
                  QStringLiteral("The seed of the searches: the same seed, time and cores give the same "
                                 "search (default 1)."));
    args.addValue({QStringLiteral("tickets")}, QStringLiteral("T"),
                  QStringLiteral("Searches for a wheel of exactly T tickets."));
    args.addValue({QStringLiteral("searches")}, QStringLiteral("N"),
                  QStringLiteral("How many searches run side by side (default one per core)."));
    args.addValue({QStringLiteral("most-tickets")}, QStringLiteral("T"),
                  QStringLiteral("Refuses at once, without searching, when every wheel keeping the guarantee "
                                 "is proved to need more than T tickets."));
    args.addOutput(QStringLiteral("the wheel"));
    if (!args.parse(words))
        return 0;
    args.requireNoPositional();
    WheelMakeRequest request;
    request.numbers = args.requiredInteger(QStringLiteral("numbers"));
    request.perTicket = args.requiredInteger(QStringLiteral("per-ticket"));
    request.match = args.requiredInteger(QStringLiteral("match"));
    request.correct = args.requiredInteger(QStringLiteral("correct"));
    request.seconds = args.integer(QStringLiteral("seconds"), 60);
    request.seed = std::uint32_t(args.integer(QStringLiteral("seed"), 1));
    request.tickets = args.integer(QStringLiteral("tickets"), 0);
    request.searches = args.integer(QStringLiteral("searches"), 0);
    const QString output = args.required(QStringLiteral("output"));
    if (request.seconds < 1)
        throw UsageError(QStringLiteral("option --seconds takes a number from 1 up"));
    if (request.searches < 0 || request.searches > 64)
        throw UsageError(QStringLiteral("option --searches takes a number from 1 to 64"));
    if (args.has(QStringLiteral("most-tickets"))) {
        // A library run asks for many wheels; one no small wheel can keep is not worth its seconds.
        const int most = args.requiredInteger(QStringLiteral("most-tickets"));
        const qint64 bound =
            WheelGenerator::lowerBound(request.numbers, request.perTicket, request.match, request.correct);
        if (bound > most)
            throw VantoroError(QStringLiteral("Every wheel of %1 numbers for %2 if %3 needs at least %4 "
                                              "tickets, more than %5.")
                                   .arg(request.numbers)
                                   .arg(request.match)
                                   .arg(request.correct)
                                   .arg(bound)
                                   .arg(most));
    }

    interrupted = false;
    const auto previous = std::signal(SIGINT, stopMaking);
    WheelFile wheel;
    try {
        wheel = WheelGenerator::make(
            request,
            [](const WheelMakeProgress& now) {
                cliErr() << "Tickets: " << now.tickets << ", holes left: " << now.holes
                         << ", best: " << now.bestTickets << ", " << qint64(now.seconds) << " s\n";
                cliErr().flush();
            },
            &interrupted);
    } catch (...) {
        std::signal(SIGINT, previous);
        throw;
    }
    std::signal(SIGINT, previous);
    wheel.write(output);
    cliOut() << "Tickets: " << wheel.Tickets << '\n';
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
                                          "the numbers chosen\nverify: whether a wheel keeps its guarantee\n"
                                          "coverage: the share of the draws a wheel matches\n"
                                          "make: builds a small wheel for a guarantee"));
        return help.showHelp();
    }
    if (words.isEmpty() || action.startsWith(QStringLiteral("--")))
        throw UsageError(
            QStringLiteral("name what to do: full, list, show, expand, verify, coverage or make"));
    const QStringList rest = words.mid(1);
    if (action == QStringLiteral("full"))
        return wheelFull(rest);
    if (action == QStringLiteral("list"))
        return wheelList(rest);
    if (action == QStringLiteral("show"))
        return wheelShow(rest);
    if (action == QStringLiteral("expand"))
        return wheelExpand(rest);
    if (action == QStringLiteral("verify"))
        return wheelVerify(rest);
    if (action == QStringLiteral("coverage"))
        return wheelCoverage(rest);
    if (action == QStringLiteral("make"))
        return wheelMake(rest);
    throw UsageError(QStringLiteral("unknown wheel action \"%1\"").arg(action));
}
