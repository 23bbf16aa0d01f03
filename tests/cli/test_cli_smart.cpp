// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/dbf_table.h"
#include "lottery/game_type.h"
#include "play/random_source.h"
#include "play/smart_numbers.h"
#include "play/ticket_file.h"
#include "play/ticket_line.h"
#include "play/wheel_file.h"
#include "support/cli_run.h"
#include "support/lottery_builder.h"
#include "support/temp_home.h"

#include <QTest>

namespace {

// The lines under `heading` up to the next heading.
QStringList section(const CliRun& run, const QString& heading) {
    const qsizetype start = run.out.indexOf(heading);
    if (start < 0)
        return {};
    QStringList lines;
    for (qsizetype i = start + 1; i < run.out.size() && !run.out.at(i).startsWith(QLatin1Char('[')); ++i)
        lines << run.out.at(i);
    return lines;
}

struct Fixture {
    TempHome home;
    QString file;
    LotteryDefinition definition;
    explicit Fixture(int gameType = int(GameTypeCode::Lotto), int drawn = 6, int bonus = 0) {
        LotteryBuilder builder(home.dataDir(), QStringLiteral("SMART"));
        builder.numbers(drawn, 49, bonus, gameType).drawings(70);
        definition = builder.def();
        file = builder.build();
    }
    // What the core makes of the same drawings, as the window would.
    SmartNumbers core(int hot, int cutoff) const {
        DbfTable table;
        table.open(home.dataDir(), file);
        table.SetOrder(1);
        return SmartNumbers::compute(table, definition, hot, cutoff, table.RecordCount());
    }
    CliRun run(QStringList arguments) const {
        return runCli(home,
                      QStringList{QStringLiteral("smart"), QStringLiteral("--lottery"), file} + arguments);
    }
};

} // namespace

class TestCliSmart final : public QObject {
    Q_OBJECT
private slots:
    void seededTicketsMatchTheCore() {
        Fixture f;
        const CliRun run = f.run({"--cutoff", "50", "--hot", "10", "--tickets", "4", "--seed", "777", "-o",
                                  f.home.path(QStringLiteral("smart.tic"))});
        QCOMPARE(run.status, 0);
        const SmartNumbers smart = f.core(10, 50);
        QStringList ratios;
        for (int c = 0; c < kSmartClasses; ++c)
            ratios << smartClassName(c) + QStringLiteral(": ") + smart.percentText(c);
        QCOMPARE(section(run, "[Ratios]"), ratios);
        QCOMPARE(section(run, "[Cold]"), smart.lists[SmartCold]);
        const SmartCounts counts = smart.recommendedCounts(6, SmartFlow::OwnTickets);
        QCOMPARE(section(run, "[Breakdown]"), (QStringList{QStringLiteral("Hot: %1").arg(counts[0]),
                                                           QStringLiteral("Prior: %1").arg(counts[1]),
                                                           QStringLiteral("Cold: %1").arg(counts[2]),
                                                           QStringLiteral("Due: %1").arg(counts[3])}));
        RandomSource random(777);
        const SmartTickets tickets = makeOwnTickets(smart, counts, 4, QString(), random);
        QCOMPARE(section(run, "[Tickets]"), TicketLine::format(tickets.kind, tickets.pickOrder));
        QCOMPARE(section(run, "[Sorted]"), TicketLine::format(tickets.kind, tickets.sorted));
        // The file holds the sorted list, as the window saves it by default.
        const TicketFile saved = TicketFile::read(f.home.path(QStringLiteral("smart.tic")));
        QCOMPARE(saved.tickets, tickets.sorted);
        QCOMPARE(saved.kind.numbersPerTicket, 6);
        QCOMPARE(saved.lotteryName, f.definition.Description);
    }

    void wheelAndItsRefusals() {
        Fixture f(int(GameTypeCode::Powerball), 7, 1);
        WheelFile::full(8, 6).write(f.home.path(QStringLiteral("wheels/FULL08.F06")));
        CliRun run = f.run({"--cutoff", "50", "--hot", "10", "--wheel", "FULL08.F06"});
        QCOMPARE(run.status, 0);
        const SmartNumbers smart = f.core(10, 50);
        QVERIFY(run.out.contains(QStringLiteral("Bonus: ") + smart.suggestedBonus));
        QVERIFY(run.out.contains(
            "Prize Guarantee: If 6 numbers played are correct, at least 1 ticket will match 6 numbers"));
        const QStringList tickets = section(run, "[Tickets]");
        QCOMPARE(tickets.size(), 28);
        QVERIFY2(tickets.first().endsWith(QStringLiteral("  ") + smart.suggestedBonus),
                 qPrintable(tickets.first()));

        // A breakdown that does not fill the wheel: the window's message, exit 1.
        run = f.run({"--cutoff", "50", "--hot", "10", "--wheel", "FULL08.F06", "--hot-count", "0",
                     "--prior-count", "0", "--cold-count", "0", "--due-count", "0"});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err.trimmed(), QStringLiteral("You must select a minimum of 8 numbers."));
        QVERIFY(section(run, "[Tickets]").isEmpty());

        // A count above its class: the page's message, and the class's count is used.
        run = f.run({"--cutoff", "50", "--hot", "10", "--tickets", "1", "--hot-count", "99"});
        QVERIFY(run.err.contains(
            "You have entered a value greater than the number of Hot numbers that are available."));
        QVERIFY(run.out.contains(QStringLiteral("Hot: %1").arg(smart.available(SmartHot))));
    }
};

QTEST_GUILESS_MAIN(TestCliSmart)
#include "test_cli_smart.moc"
