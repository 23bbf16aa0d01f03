// SPDX-License-Identifier: GPL-3.0-or-later
// smart: the smart-number recommendation of a lottery, its class lists and breakdown, and the
// tickets the wizard makes of them, own tickets or a wheel, with the lines the wizard shows.
#include "cli/cli_commands.h"
#include "cli/cli_lottery.h"
#include "cli/cli_pdf.h"

#include "db/vantoro_error.h"
#include "lottery/program_home.h"
#include "play/random_source.h"
#include "play/smart_numbers.h"
#include "play/smart_printout.h"
#include "play/ticket_file.h"
#include "play/ticket_line.h"
#include "play/wheel_file.h"
#include "report/report.h"

#include <QFileInfo>

namespace {

const char* const kCountOptions[kSmartClasses] = {"hot-count", "prior-count", "cold-count", "due-count"};

// A wheel named without a folder that is not in the current one is looked up in the home's wheels.
QString wheelPath(const CliOptions& args) {
    const QString name = args.value(QStringLiteral("wheel"));
    if (QFileInfo::exists(name) || name.contains(QLatin1Char('/')))
        return name;
    return ProgramHome(args.home()).wheelsDir() + name;
}

std::uint32_t seedOf(const CliOptions& args) {
    if (!args.has(QStringLiteral("seed")))
        return RandomSource::timeOfDaySeed();
    bool ok = false;
    const uint seed = args.value(QStringLiteral("seed")).toUInt(&ok);
    if (!ok)
        throw UsageError(QStringLiteral("option --seed takes a whole number from 0 to 4294967295"));
    return seed;
}

void printTickets(QTextStream& out, const char* heading, const SmartTickets& tickets, const Tickets& list) {
    out << '[' << heading << "]\n";
    for (const QString& line : TicketLine::format(tickets.kind, list))
        out << line << '\n';
}

// The entry check of the page: a count above what the class holds is replaced by that, with the
// page's message.
void applyCountOptions(const CliOptions& args, const SmartNumbers& smart, SmartCounts& counts) {
    for (int c = 0; c < kSmartClasses; ++c) {
        const QString name = QLatin1String(kCountOptions[c]);
        if (!args.has(name))
            continue;
        const int value = args.integer(name, 0);
        if (value < 0)
            throw UsageError(QStringLiteral("option --%1 takes a count of 0 or more").arg(name));
        counts[static_cast<size_t>(c)] = value;
        if (value > smart.available(c)) {
            cliErr() << smartAvailableProblem(c) << '\n';
            cliErr().flush();
            counts[static_cast<size_t>(c)] = smart.available(c);
        }
    }
}

} // namespace

int cliSmart(const QStringList& words) {
    CliOptions args(
        QStringLiteral("smart"),
        QStringLiteral("Prints the smart-number recommendation of a lottery (the class shares of "
                       "past drawings), the hot, prior, cold and due lists, the suggested bonus and "
                       "the breakdown; with --tickets or --wheel also the tickets the Smart Numbers "
                       "window makes of them."));
    args.addLottery();
    args.addValue({QStringLiteral("cutoff")}, QStringLiteral("N"),
                  QStringLiteral("The drawing cutoff (default: the lottery's)."));
    args.addValue({QStringLiteral("hot")}, QStringLiteral("N"),
                  QStringLiteral("The hot-number cutoff (default: the one of the settings)."));
    args.addValue({QStringLiteral("seed")}, QStringLiteral("S"),
                  QStringLiteral("Seeds the random source with S, so that a run can be repeated (default: "
                                 "the time of day, as the window does)."));
    args.addValue({QStringLiteral("tickets")}, QStringLiteral("N"),
                  QStringLiteral("Makes N own tickets of the breakdown (1 to 32000)."));
    args.addValue(
        {QStringLiteral("wheel")}, QStringLiteral("FILE"),
        QStringLiteral("Plays the tops of the class lists through this wheel; a name without a folder "
                       "that is not in the current one is taken from the home's wheels folder."));
    for (int c = 0; c < kSmartClasses; ++c)
        args.addValue({QLatin1String(kCountOptions[c])}, QStringLiteral("N"),
                      QStringLiteral("How many %1 numbers to play instead of the recommended count.")
                          .arg(smartClassName(c).toLower()));
    args.addValue({QStringLiteral("bonus")}, QStringLiteral("NN"),
                  QStringLiteral("The bonus the tickets play (default: the suggested bonus)."));
    args.addFlag({QStringLiteral("pick-order")},
                 QStringLiteral("Saves and prints the tickets in pick order rather than sorted."));
    args.addOutput(QStringLiteral("the tickets as a ticket file, sorted unless --pick-order is given,"));
    args.addPdf(QStringLiteral("the printout of the tickets"));
    if (!args.parse(words))
        return 0;
    args.requireNoPositional();
    const bool wheel = args.has(QStringLiteral("wheel"));
    const bool own = args.has(QStringLiteral("tickets"));
    if (wheel && own)
        throw UsageError(QStringLiteral("give either --tickets or --wheel, not both"));
    const int ticketCount = args.integer(QStringLiteral("tickets"), 1);
    if (ticketCount < 1 || ticketCount > 32000)
        throw UsageError(QStringLiteral("option --tickets takes a count from 1 to 32000"));
    if ((args.has(QStringLiteral("output")) || args.has(QStringLiteral("pdf"))) && !wheel && !own)
        throw UsageError(QStringLiteral("-o and --pdf need tickets: give --tickets N or --wheel FILE"));
    const std::uint32_t seed = seedOf(args);

    CurrentLottery lottery;
    openCliLottery(args, lottery);
    const int total = lottery.TotalDrawings();
    const int cutoff = args.integer(QStringLiteral("cutoff"), lottery.DrawingCutoffCount());
    const int hot = args.integer(QStringLiteral("hot"), lottery.HotNumberCutoff());
    if (cutoff < 0 || cutoff > total)
        throw UsageError(
            QStringLiteral("option --cutoff takes a count from 0 to %1 (the drawings on file)").arg(total));
    if (hot < 0)
        throw UsageError(QStringLiteral("option --hot takes a count of 0 or more"));

    const SmartNumbers smart =
        SmartNumbers::compute(lottery.table(), lottery.definition(), hot, cutoff, total);
    QTextStream& out = cliOut();
    out << "[Ratios]\n";
    if (smart.hasRatios) {
        for (int c = 0; c < kSmartClasses; ++c)
            out << smartClassName(c) << ": " << smart.percentText(c) << '\n';
    } else {
        out << smart.ratioNote << '\n';
    }
    for (int c = 0; c < kSmartClasses; ++c) {
        out << '[' << smartClassName(c) << "]\n";
        for (const QString& number : smart.lists.at(static_cast<size_t>(c)))
            out << number << '\n';
    }
    if (!smart.classNote.isEmpty()) {
        out.flush();
        cliErr() << smart.classNote << '\n';
        cliErr().flush();
        return 1;
    }
    const QString bonus = args.value(QStringLiteral("bonus"), smart.suggestedBonus);
    if (!smart.suggestedBonus.isEmpty())
        out << "Bonus: " << smartBonusText(bonus) << '\n';

    int size = smart.ownTicketSize();
    SmartFlow flow = SmartFlow::OwnTickets;
    QString path;
    if (wheel) {
        path = wheelPath(args);
        flow = SmartFlow::Wheel;
        if (!smart.wheelOffered())
            throw VantoroError(smart.wheelRefusal());
        size = smartWheelSize(WheelFile::read(path), path);
    }
    SmartCounts counts = smart.recommendedCounts(size, flow);
    if (wheel) {
        // The page's entry check applies to the wheel's counts as soon as the page opens.
        for (int c = 0; c < kSmartClasses; ++c)
            if (counts[static_cast<size_t>(c)] > smart.available(c)) {
                cliErr() << smartAvailableProblem(c) << '\n';
                counts[static_cast<size_t>(c)] = smart.available(c);
            }
        cliErr().flush();
    }
    applyCountOptions(args, smart, counts);
    out << "[Breakdown]\n";
    for (int c = 0; c < kSmartClasses; ++c)
        out << smartClassName(c) << ": " << counts.at(static_cast<size_t>(c)) << '\n';
    if (!wheel && !own)
        return 0;
    if (const QString problem = smartBreakdownProblem(counts, size, flow); !problem.isEmpty()) {
        out.flush();
        cliErr() << problem << '\n';
        cliErr().flush();
        return 1;
    }

    SmartTickets tickets;
    if (wheel) {
        tickets = makeWheelTickets(smart, counts, path, bonus);
        out << "Prize Guarantee: " << tickets.guarantee << '\n';
        out << "Numbers Played: " << tickets.numbersPlayed << '\n';
    } else {
        RandomSource random(seed);
        tickets = makeOwnTickets(smart, counts, ticketCount, bonus, random);
    }
    printTickets(out, "Tickets", tickets, tickets.pickOrder);
    if (!smart.pickOrderOnly())
        printTickets(out, "Sorted", tickets, tickets.sorted);
    out.flush();

    // The list the window shows: sorted unless the game shows its pick order only.
    const bool pickOrder = args.has(QStringLiteral("pick-order")) || smart.pickOrderOnly();
    const Tickets& visible = pickOrder ? tickets.pickOrder : tickets.sorted;
    if (args.has(QStringLiteral("output")))
        TicketFile::write(args.value(QStringLiteral("output")), tickets.kind,
                          lottery.definition().Description, visible);
    if (args.has(QStringLiteral("pdf"))) {
        SmartPrintoutFacts facts =
            SmartPrintoutFacts::from(tickets, TicketLine::format(tickets.kind, visible));
        facts.Description = lottery.definition().Description;
        facts.NumbersDrawn = lottery.definition().NumbersDrawn;
        facts.columnNote = smart.columnNote();
        Report report;
        setUpSmartPrintout(report, facts);
        writeCliPdf(report, args.value(QStringLiteral("pdf")));
    }
    return 0;
}
