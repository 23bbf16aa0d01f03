// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/dbf_table.h"
#include "db/vantoro_error.h"
#include "lottery/drawing_table.h"
#include "play/ticket_check.h"
#include "play/ticket_file.h"
#include "support/lottery_builder.h"
#include "support/temp_home.h"

#include <QTest>

namespace {

LotteryDefinition lottery(int drawn, int bonus, int gameType, QList<int> bonusFlags = {}) {
    LotteryDefinition definition;
    definition.NumbersDrawn = qint16(drawn);
    definition.BonusNumbers = qint16(bonus);
    definition.HighestNumber = 49;
    definition.GameType = qint16(gameType);
    for (const int flag : bonusFlags)
        definition.BonusMatches[size_t(flag)] = true;
    return definition;
}

// A ticket file of the given header and ticket lines, as the check reads it.
TicketFile tickets(int perTicket, int gameType, const QList<QByteArray>& lines) {
    QByteArray bytes = QByteArray::number(lines.size()) + "\r\n" + QByteArray::number(perTicket) + "\r\n" +
                       QByteArray::number(gameType) + "\r\nTest\r\n";
    for (const QByteArray& line : lines)
        bytes += line + "\r\n";
    return TicketFile::parse(bytes, QStringLiteral("test.tic"));
}

CheckDrawing drawing(const QStringList& regular, const QStringList& bonus = {}) {
    CheckDrawing made;
    made.date = QStringLiteral("01/02/2024");
    made.regular = regular;
    made.bonus = bonus;
    made.last = bonus.isEmpty() ? regular.value(regular.size() - 1) : bonus.last();
    return made;
}

const QStringList k649{"05", "12", "23", "34", "41", "44"};

} // namespace

class TestTicketCheck final : public QObject {
    Q_OBJECT
private slots:
    void counts_data() {
        QTest::addColumn<LotteryDefinition>("definition");
        QTest::addColumn<TicketFile>("file");
        QTest::addColumn<CheckDrawing>("drawn");
        QTest::addColumn<int>("expected");

        const LotteryDefinition plain = lottery(6, 0, 7);
        QTest::newRow("same number twice counts once")
            << plain << tickets(6, 7, {"050512233401"}) << drawing(k649) << 4;
        QTest::newRow("order does not matter")
            << plain << tickets(6, 7, {"443412410523"}) << drawing(k649) << 6;
        QTest::newRow("a number without its leading zero never matches")
            << plain << tickets(6, 7, {"5 1223344144"}) << drawing(k649) << 5;
        QTest::newRow("a short line matches what it has")
            << plain << tickets(6, 7, {"0512"}) << drawing(k649) << 2;

        // 6/49 with one bonus number from the same drum.
        const LotteryDefinition bonusOnFive = lottery(7, 1, 7, {5});
        QTest::newRow("5 regular and the bonus with '5 Matches' set")
            << bonusOnFive << tickets(6, 7, {"051223344107"}) << drawing(k649, {"07"}) << 6;
        QTest::newRow("4 regular and the bonus with '4 Matches' unset")
            << bonusOnFive << tickets(6, 7, {"051223340107"}) << drawing(k649, {"07"}) << 4;
        QTest::newRow("the bonus is not a regular match")
            << lottery(7, 1, 7) << tickets(6, 7, {"070102030406"}) << drawing(k649, {"07"}) << 0;
        QTest::newRow("no bonus after more than 6 regular matches")
            << lottery(9, 1, 7, {0, 1, 2, 3, 4, 5, 6}) << tickets(8, 7, {"0512233441444709"})
            << drawing(QStringList(k649) << QStringLiteral("47") << QStringLiteral("48"), {"09"}) << 7;

        // Powerball: the ticket's last column against the drawn Powerball.
        const QStringList white{"05", "12", "23", "34", "41"};
        QTest::newRow("Powerball counts with its flag")
            << lottery(6, 1, 8, {3}) << tickets(5, 8, {"051223020107"}) << drawing(white, {"07"}) << 4;
        QTest::newRow("Powerball without its flag")
            << lottery(6, 1, 8, {0, 1, 2, 4, 5, 6}) << tickets(5, 8, {"051223020107"})
            << drawing(white, {"07"}) << 3;
        QTest::newRow("a white ball equal to the Powerball is no match")
            << lottery(6, 1, 8, {0, 1, 2, 3, 4, 5, 6}) << tickets(5, 8, {"070102030409"})
            << drawing(white, {"07"}) << 0;

        QStringList keno;
        for (int n = 1; n <= 20; ++n)
            keno << QStringLiteral("%1").arg(n * 4, 2, 10, QLatin1Char('0'));
        QTest::newRow("keno ten of ten")
            << lottery(20, 0, 3) << tickets(10, 3, {"04081216202428323640"}) << drawing(keno) << 10;
        QTest::newRow("pick 3: a field uses up the drawn number")
            << lottery(3, 0, 5) << tickets(3, 5, {"010102"}) << drawing({"01", "02", "03"}) << 2;
        QTest::newRow("pick 3: one field meets a number drawn twice")
            << lottery(3, 0, 5) << tickets(3, 5, {"010203"}) << drawing({"01", "01", "09"}) << 2;
        QTest::newRow("cards are not used up") << lottery(5, 0, 9) << tickets(5, 9, {"0AH0AH10S02C03C"})
                                               << drawing({"0AH", "10S", "05D", "06D", "07D"}) << 3;
        QTest::newRow("Daily Millions pairs meet their own drum only")
            << lottery(6, 0, 1) << tickets(6, 1, {"010203040506"})
            << drawing({"02", "01", "04", "03", "06", "21"}) << 5;
    }

    void counts() {
        QFETCH(LotteryDefinition, definition);
        QFETCH(TicketFile, file);
        QFETCH(CheckDrawing, drawn);
        QFETCH(int, expected);
        const TicketCheck check(file.kind, file.tickets);
        const TicketCheck::Counts counts = check.count(drawn, definition);
        QCOMPARE(counts.perTicket, std::vector<std::uint8_t>{std::uint8_t(expected)});
        QCOMPARE(counts.tallies[size_t(expected)], 1);
    }

    void refusals_data() {
        QTest::addColumn<LotteryDefinition>("definition");
        QTest::addColumn<int>("perTicket");
        QTest::addColumn<int>("gameType");
        QTest::addColumn<QString>("message");
        QTest::newRow("1") << lottery(6, 1, 12) << 5 << 7
                           << "This ticket file is not for the New York Lucky Day game.";
        QTest::newRow("2") << lottery(6, 1, 10) << 5 << 7
                           << "This ticket file is not for the Tri-State Card Cash game.";
        QTest::newRow("3") << lottery(5, 0, 9) << 5 << 2 << "This ticket file is not for the Quinto game.";
        QTest::newRow("4") << lottery(6, 1, 0) << 5 << 8 << "This ticket file is not for the Big game.";
        QTest::newRow("5") << lottery(6, 1, 8) << 5 << 0 << "This ticket file is not for the Powerball game.";
        QTest::newRow("6") << lottery(6, 1, 4) << 5 << 7 << "This ticket file is not for the Keystone game.";
        QTest::newRow("7") << lottery(6, 0, 1) << 6 << 7
                           << "This ticket file is not for Daily Millions games.";
        QTest::newRow("8") << lottery(6, 0, 7) << 5 << 7 << "This ticket file is for Pick 5 games only.";
        QTest::newRow("9") << lottery(6, 0, 7) << 6 << 3 << "This ticket file is for Keno games only.";
        QTest::newRow("10") << lottery(6, 0, 7) << 6 << 1 << "This ticket file is for Daily Millions only.";
        QTest::newRow("10 Tri-State")
            << lottery(6, 1, 7) << 5 << 10 << "This ticket file is for Tri-State Card Cash only.";
        QTest::newRow("keno tickets of any size") << lottery(20, 0, 3) << 8 << 3 << QString();
        QTest::newRow("lotto tickets fit") << lottery(7, 1, 7) << 6 << 7 << QString();
        QTest::newRow("Tri-State of six fits lotto") << lottery(6, 0, 7) << 6 << 10 << QString();
    }

    void refusals() {
        QFETCH(LotteryDefinition, definition);
        QFETCH(int, perTicket);
        QFETCH(int, gameType);
        QFETCH(QString, message);
        QCOMPARE(ticketFileRefusal(definition, TicketKind{perTicket, gameType}), message);
    }

    // The lines, labels, summary and minimum filter of a whole check.
    void resultOfAPowerballCheck() {
        const TicketFile file = tickets(5, 8, {"051223344107", "010203040509", "0512  344107"});
        const CheckResult result =
            TicketCheck(file.kind, file.tickets)
                .run(drawing({"05", "12", "23", "34", "41"}, {"07"}), lottery(6, 1, 8, {5}));
        QCOMPARE(result.numbersLabel, QStringLiteral("Numbers Drawn: 05 12 23 34 41 "));
        QCOMPARE(result.bonusLabel, QStringLiteral("Powerball: 07 "));
        QCOMPARE(result.note, QStringLiteral("The last column is the Powerball"));
        QCOMPARE(result.lines, (QStringList{"00001. 05 12 23 34 41  07 (6)", "00002. 01 02 03 04 05  09 (1)",
                                            "00003. 05 12 34 41  07 (4)"}));
        QCOMPARE(result.summary, (QStringList{"Match 6: 1", "Match 5: 0", "Match 4: 1", "Match 3: 0",
                                              "Match 2: 0", "Match 1: 1", "Match 0: 0"}));
        QCOMPARE(result.linesWithAtLeast(0), result.lines);
        QCOMPARE(result.linesWithAtLeast(4).size(), 2);
        QCOMPARE(result.linesWithAtLeast(9), QStringList());
    }

    void kenoTenOfTenIsTalliedAndKept() {
        QStringList keno;
        for (int n = 1; n <= 20; ++n)
            keno << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
        const TicketFile file = tickets(10, 3, {"01020304050607080910", "01020304050607080921"});
        const CheckResult result = TicketCheck(file.kind, file.tickets).run(drawing(keno), lottery(20, 0, 3));
        QCOMPARE(result.summary.size(), 11);
        QCOMPARE(result.summary.first(), QStringLiteral("Match 10: 1"));
        QCOMPARE(result.summary.at(1), QStringLiteral("Match 9: 1"));
        QCOMPARE(result.linesWithAtLeast(10), QStringList{"00001. 01 02 03 04 05 06 07 08 09 10 (10)"});
        QCOMPARE(result.linesWithAtLeast(9).size(), 2);
    }

    // The file reader of the check reads what the ticket file's reader reads, and refuses what it
    // refuses, whatever line 1 claims.
    void readsFilesAsTheTicketReaderDoes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("count line lies, short and unpadded lines")
            << QByteArray("99\r\n6\r\n7\r\nX\r\n051223344144\r\n0512\r\n5 12  344144\n\r\n 51223344144")
            << QString();
        QTest::newRow("bonus column")
            << QByteArray("1\r\n5\r\n8\r\nX\r\n0512233441\r\n05122334410") << QString();
        QTest::newRow("cards") << QByteArray("1\r\n5\r\n9\r\nX\r\n0AH10S0ah05D\r\n") << QString();
        QTest::newRow("a field that is not a number")
            << QByteArray("1\r\n6\r\n7\r\nX\r\n0512233441x4\r\n") << QStringLiteral("t.tic, line 5:");
        QTest::newRow("no header") << QByteArray("1\r\n6\r\n")
                                   << QStringLiteral("t.tic is not a valid ticket file");
    }

    void readsFilesAsTheTicketReaderDoes() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, refusal);
        TempHome home;
        home.writeFile(QStringLiteral("t.tic"), bytes);
        TicketFile header;
        try {
            const TicketCheck fast = TicketCheck::read(home.path(QStringLiteral("t.tic")), header);
            QVERIFY2(refusal.isEmpty(), "the file was not refused");
            const TicketFile file = TicketFile::parse(bytes, QStringLiteral("t.tic"));
            const LotteryDefinition definition =
                lottery(file.kind.numbersPerTicket + 1, 1, file.kind.gameType);
            const CheckDrawing drawn = drawing({"05", "12", "23", "0AH", "41", "44"}, {"10S"});
            const CheckResult expected = TicketCheck(file.kind, file.tickets).run(drawn, definition);
            QCOMPARE(fast.run(drawn, definition).lines, expected.lines);
            QCOMPARE(header.kind.gameType, file.kind.gameType);
            QCOMPARE(header.count, file.count);
            QCOMPARE(fast.size(), file.tickets.size());
        } catch (const VantoroError& error) {
            QVERIFY2(!refusal.isEmpty() && error.message().contains(refusal), qPrintable(error.message()));
        }
    }

    // The drawing as the table holds it: one-character pick fields, a Tri-State card-rank bonus.
    void readsTheDrawnFields() {
        TempHome home;
        LotteryDefinition triState = lottery(6, 1, 10);
        LotteryBuilder(home.dataDir(), QStringLiteral("TSC"))
            .definition(triState)
            .drawing(QStringLiteral("03/04/2024"), {"01", "02", "03", "04", "05", "J"})
            .build();
        DbfTable table;
        table.open(home.dataDir(), QStringLiteral("TSC.DBF"));
        table.SetOrder(1);
        table.GoBottom();
        const CheckDrawing drawn = CheckDrawing::read(table, triState, 10);
        QCOMPARE(drawn.date, QStringLiteral("03/04/2024"));
        QCOMPARE(drawn.regular, (QStringList{"01", "02", "03", "04", "05"}));
        QCOMPARE(drawn.bonus, QStringList{"0J"});
        QCOMPARE(drawn.last, QStringLiteral("0J"));
        const TicketFile file = tickets(5, 10, {"01020304050J", "01020304050Q"});
        QCOMPARE(TicketCheck(file.kind, file.tickets).run(drawn, triState).lines,
                 (QStringList{"00001. 01 02 03 04 05  0J (5)", "00002. 01 02 03 04 05  0Q (5)"}));
        LotteryDefinition withFlag = triState;
        withFlag.BonusMatches[5] = true;
        QCOMPARE(TicketCheck(file.kind, file.tickets).run(drawn, withFlag).counts,
                 (std::vector<std::uint8_t>{6, 5}));
    }
};

QTEST_GUILESS_MAIN(TestTicketCheck)
#include "test_ticket_check.moc"
