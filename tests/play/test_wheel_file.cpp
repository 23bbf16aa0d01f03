// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/vantoro_error.h"
#include "lottery/lottery_definition.h"
#include "play/ticket_line.h"
#include "play/wheel_expansion.h"
#include "play/wheel_file.h"
#include "support/temp_home.h"

#include <QTest>

namespace {

LotteryDefinition game(int gameType, int drawn, int bonus) {
    LotteryDefinition definition;
    definition.GameType = static_cast<qint16>(gameType);
    definition.NumbersDrawn = static_cast<qint16>(drawn);
    definition.BonusNumbers = static_cast<qint16>(bonus);
    return definition;
}

QString expandError(const TempHome& home, const QByteArray& bytes, const QStringList& chosen) {
    home.writeFile(QStringLiteral("wheels/BAD.A03"), bytes);
    try {
        WheelExpansion::expand(home.path(QStringLiteral("wheels/BAD.A03")), chosen, game(7, 6, 0));
    } catch (const VantoroError& error) {
        return error.message();
    }
    return {};
}

} // namespace

class TestWheelFile final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ticketSizeCode_data() {
        QTest::addColumn<int>("gameType");
        QTest::addColumn<int>("drawn");
        QTest::addColumn<int>("bonus");
        QTest::addColumn<QString>("code");
        QTest::newRow("6 plus 1 bonus") << 7 << 7 << 1 << "06";
        QTest::newRow("20-number keno") << 3 << 20 << 0 << "10";
        QTest::newRow("22-number keno") << 3 << 22 << 0 << "10";
        QTest::newRow("pick 3") << 5 << 3 << 0 << "03";
        QTest::newRow("powerball 5+1") << 8 << 6 << 1 << "05";
        QTest::newRow("daily millions") << 1 << 6 << 0 << "dm";
        QTest::newRow("california decco") << 2 << 4 << 0 << "cd";
        QTest::newRow("ny lucky day") << 12 << 5 << 0 << "ld";
    }
    void ticketSizeCode() {
        QFETCH(int, gameType);
        QFETCH(int, drawn);
        QFETCH(int, bonus);
        QFETCH(QString, code);
        QCOMPARE(::ticketSizeCode(game(gameType, drawn, bonus)), code);
    }

    void writesPaddedCellsAndHeaderAsTyped() {
        TempHome home;
        WheelFile wheel;
        wheel.NumbersPerTicket = QStringLiteral("3");
        wheel.Numbers = QStringLiteral("07");
        wheel.Tickets = QStringLiteral("2");
        wheel.Match = QStringLiteral("2");
        wheel.Correct = QStringLiteral("3");
        wheel.rows = {{QStringLiteral("1"), QStringLiteral("02"), QStringLiteral("7")},
                      {QStringLiteral("03"), QStringLiteral("4"), QStringLiteral("05")}};
        const QString path = home.path(QStringLiteral("wheels/T.A03"));
        wheel.write(path);
        QCOMPARE(home.readFile(QStringLiteral("wheels/T.A03")),
                 QByteArray("3\r\n07\r\n2\r\n2\r\n3\r\n010207\r\n030405\r\n"));

        const WheelFile back = WheelFile::read(path);
        QCOMPARE(back.Numbers, QStringLiteral("07"));
        QCOMPARE(back.rows.size(), 2);
        QCOMPARE(back.rows.at(0), (QStringList{"01", "02", "07"}));
        QVERIFY(!back.isFull());
    }

    void readsLfAndOddFields() {
        TempHome home;
        home.writeFile(QStringLiteral("wheels/LF.A03"), "3\n5\n2\n3\n3\n0102030\n0405\n");
        const WheelFile wheel = WheelFile::read(home.path(QStringLiteral("wheels/LF.A03")));
        QCOMPARE(wheel.rows.size(), 2);
        QCOMPARE(wheel.rows.at(0), (QStringList{"01", "02", "03", "0"}));
        QCOMPARE(wheel.fieldCountNotes(), (QStringList{"Line 6 holds 4 positions instead of 3.",
                                                       "Line 7 holds 2 positions instead of 3."}));
    }

    void refusesShortAndHugeFiles() {
        TempHome home;
        home.writeFile(QStringLiteral("wheels/SHORT.F03"), "3\r\n4\r\n");
        QVERIFY_THROWS_EXCEPTION(VantoroError,
                                 WheelFile::read(home.path(QStringLiteral("wheels/SHORT.F03"))));
        // A header claiming millions of tickets costs nothing: only the lines present are read.
        home.writeFile(QStringLiteral("wheels/CLAIM.F03"), "3\r\n4\r\n9999999\r\n3\r\n3\r\n010203\r\n");
        QCOMPARE(WheelFile::read(home.path(QStringLiteral("wheels/CLAIM.F03"))).rows.size(), 1);
        home.writeFile(QStringLiteral("wheels/HUGE.F03"), QByteArray(WheelFile::MaxFileSize + 1, '1'));
        QVERIFY_THROWS_EXCEPTION(VantoroError, WheelFile::read(home.path(QStringLiteral("wheels/HUGE.F03"))));
        // Binary junk without line ends is one overlong ticket line.
        home.writeFile(QStringLiteral("wheels/JUNK.F03"),
                       "3\r\n4\r\n1\r\n3\r\n3\r\n" + QByteArray(5000, '\x7f'));
        QVERIFY_THROWS_EXCEPTION(VantoroError, WheelFile::read(home.path(QStringLiteral("wheels/JUNK.F03"))));
        // The header alone is a wheel without tickets; a last line without its line end still counts.
        home.writeFile(QStringLiteral("wheels/BARE.F03"), "3\r\n4\r\n0\r\n3\r\n3");
        const WheelFile bare = WheelFile::read(home.path(QStringLiteral("wheels/BARE.F03")));
        QCOMPARE(bare.Correct, QStringLiteral("3"));
        QVERIFY(bare.rows.isEmpty());
    }

    void listEntry_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("entry");
        QTest::newRow("10 numbers 30 tickets")
            << QByteArray("6\r\n10\r\n30\r\n3\r\n4\r\n") << "10 numbers, 030 tickets 3/4  (W.A06)";
        QTest::newRow("padding of K")
            << QByteArray("3\r\n4\r\n4\r\n3\r\n3\r\n") << "04 numbers, 004 tickets 3/3  (W.A06)";
        QTest::newRow("not a wheel") << QByteArray("hello\nworld\n")
                                     << "world numbers, 000 tickets /  (W.A06)";
    }
    void listEntry() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, entry);
        TempHome home;
        home.writeFile(QStringLiteral("wheels/W.A06"), bytes);
        QCOMPARE(wheelListEntry(home.path(QStringLiteral("wheels/W.A06"))), entry);
    }

    void fileNamesByPatternInNameOrder() {
        TempHome home;
        for (const char* name : {"b.F06", "A.a06", "c.f05", "D.F06", "e.A10", "notes.txt"})
            home.writeFile(QStringLiteral("wheels/") + QLatin1String(name), "6\r\n7\r\n7\r\n6\r\n6\r\n");
        const QString dir = home.path(QStringLiteral("wheels"));
        QCOMPARE(wheelFileNames(dir, QStringLiteral("*.?06")), (QStringList{"A.a06", "b.F06", "D.F06"}));
        QCOMPARE(wheelFileNames(dir, QStringLiteral("*.f06")), (QStringList{"b.F06", "D.F06"}));
        QCOMPARE(wheelFileNames(dir, QStringLiteral("*.a10")), (QStringList{"e.A10"}));
        QCOMPARE(wheelFileNames(dir, QStringLiteral("*.*")).size(), 6);
    }

    void fullWheel_data() {
        QTest::addColumn<int>("numbers");
        QTest::addColumn<int>("perTicket");
        QTest::addColumn<int>("tickets");
        QTest::newRow("3 of 4") << 4 << 3 << 4;
        QTest::newRow("6 of 10") << 10 << 6 << 210;
        QTest::newRow("7 of 12") << 12 << 7 << 792;
        QTest::newRow("1 of 1") << 1 << 1 << 1;
    }
    void fullWheel() {
        QFETCH(int, numbers);
        QFETCH(int, perTicket);
        QFETCH(int, tickets);
        const WheelFile wheel = WheelFile::full(numbers, perTicket);
        QCOMPARE(wheel.Tickets.toInt(), tickets);
        QCOMPARE(wheel.rows.size(), tickets);
        QVERIFY(wheel.isFull());
        // Lexicographic order, every row ascending and distinct from its predecessor.
        for (qsizetype i = 1; i < wheel.rows.size(); ++i)
            QVERIFY(wheel.rows.at(i - 1).join(QString()) < wheel.rows.at(i).join(QString()));
        QCOMPARE(wheel.rows.first().join(QString()).left(4),
                 numbers == 1 ? QStringLiteral("01") : QStringLiteral("0102"));
    }
    void fullWheelOf3Over4() {
        const WheelFile wheel = WheelFile::full(4, 3);
        QCOMPARE(wheel.rows,
                 (QList<QStringList>{
                     {"01", "02", "03"}, {"01", "02", "04"}, {"01", "03", "04"}, {"02", "03", "04"}}));
    }
    void fullWheelRefusals() {
        QVERIFY_THROWS_EXCEPTION(VantoroError, WheelFile::full(100, 3));
        QVERIFY_THROWS_EXCEPTION(VantoroError, WheelFile::full(5, 6));
        QVERIFY_THROWS_EXCEPTION(VantoroError, WheelFile::full(5, 0));
        QVERIFY_THROWS_EXCEPTION(VantoroError, WheelFile::full(40, 6)); // 3.8 million tickets
    }

    void expandsPositionsOverChosenNumbers() {
        TempHome home;
        home.writeFile(QStringLiteral("wheels/W.A03"), "3\r\n4\r\n2\r\n2\r\n3\r\n010203\r\n020304\r\n");
        const WheelExpansion expansion = WheelExpansion::expand(home.path(QStringLiteral("wheels/W.A03")),
                                                                {"4", "9", "17", "23"}, game(7, 6, 0));
        QCOMPARE(expansion.tickets.size(), 2);
        QCOMPARE(TicketLine::format(expansion.kind, expansion.tickets),
                 (QStringList{"00001. 04 09 17 ", "00002. 09 17 23 "}));
        QCOMPARE(expansion.guaranteeText(),
                 QStringLiteral("If 3 numbers played are correct, at least 1 ticket will match 2 numbers"));
        QVERIFY(!expansion.isFull());
        QCOMPARE(expansion.K, 4);
        // The tickets are the wheel's size, whatever the lottery draws (keno: 10 of 20).
        QCOMPARE(expansion.kind.numbersPerTicket, 3);
    }

    void bonusColumnByGame_data() {
        QTest::addColumn<int>("gameType");
        QTest::addColumn<int>("drawn");
        QTest::addColumn<int>("bonus");
        QTest::addColumn<QString>("bonusText");
        QTest::addColumn<QString>("line");
        QTest::newRow("powerball") << 8 << 6 << 1 << "7"
                                   << "00001. 04 09 17  07";
        QTest::newRow("tri-state king") << 10 << 6 << 1 << "0K"
                                        << "00001. 04 09 17  0K";
        QTest::newRow("tri-state ten") << 10 << 6 << 1 << "10"
                                       << "00001. 04 09 17  10";
        QTest::newRow("big game") << 0 << 6 << 1 << "7"
                                  << "00001. 04 09 17  07";
        QTest::newRow("keystone") << 4 << 6 << 1 << "7"
                                  << "00001. 04 09 17  07";
        QTest::newRow("tri-state 5") << 10 << 6 << 1 << "7"
                                     << "00001. 04 09 17  07";
        QTest::newRow("tri-state 6") << 10 << 7 << 1 << "7"
                                     << "00001. 04 09 17 ";
        // The lucky number is a ticket's bonus column, but it is not wheeled.
        QTest::newRow("lucky day") << 12 << 4 << 1 << "7"
                                   << "00001. 04 09 17 ";
        QTest::newRow("lotto with bonus") << 7 << 7 << 1 << "7"
                                          << "00001. 04 09 17 ";
    }
    void bonusColumnByGame() {
        QFETCH(int, gameType);
        QFETCH(int, drawn);
        QFETCH(int, bonus);
        QFETCH(QString, bonusText);
        QFETCH(QString, line);
        TempHome home;
        home.writeFile(QStringLiteral("wheels/W.F03"), "3\r\n3\r\n1\r\n3\r\n3\r\n010203\r\n");
        int asked = 0;
        const WheelExpansion expansion =
            WheelExpansion::expand(home.path(QStringLiteral("wheels/W.F03")), {"4", "9", "17"},
                                   game(gameType, drawn, bonus), [&asked, bonusText](int) {
                                       ++asked;
                                       return bonusText;
                                   });
        QCOMPARE(TicketLine::format(expansion.kind, expansion.tickets), QStringList{line});
        QCOMPARE(asked, line.endsWith(QLatin1Char(' ')) ? 0 : 1);
    }

    void cardEntriesAreThreeCharacters() {
        TempHome home;
        home.writeFile(QStringLiteral("wheels/W.F02"), "2\r\n3\r\n1\r\n2\r\n2\r\n0301\r\n");
        const WheelExpansion expansion = WheelExpansion::expand(home.path(QStringLiteral("wheels/W.F02")),
                                                                {"10h", "AS", "2c"}, game(9, 5, 0));
        QCOMPARE(TicketLine::format(expansion.kind, expansion.tickets), QStringList{"00001. 02C 10H "});
    }

    void refusesBadLinesBeforeAnyTicket_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("zero")
            << QByteArray("3\r\n4\r\n2\r\n3\r\n3\r\n010203\r\n000102\r\n")
            << "Line 7 of the wheeling system file %1 holds \"00\", which is not a position from 1 to 4.";
        QTest::newRow("above K")
            << QByteArray("3\r\n4\r\n1\r\n3\r\n3\r\n010205\r\n")
            << "Line 6 of the wheeling system file %1 holds \"05\", which is not a position from 1 to 4.";
        QTest::newRow("not a number")
            << QByteArray("3\r\n4\r\n1\r\n3\r\n3\r\n01 203\r\n")
            << "Line 6 of the wheeling system file %1 holds \" 2\", which is not a position from 1 to 4.";
        QTest::newRow("sign")
            << QByteArray("3\r\n4\r\n1\r\n3\r\n3\r\n01+203\r\n")
            << "Line 6 of the wheeling system file %1 holds \"+2\", which is not a position from 1 to 4.";
        QTest::newRow("empty line") << QByteArray("3\r\n4\r\n2\r\n3\r\n3\r\n\r\n010203\r\n")
                                    << "Line 6 of the wheeling system file %1 holds no positions.";
        QTest::newRow("header") << QByteArray("3\r\nfour\r\n1\r\n3\r\n3\r\n010203\r\n")
                                << "The wheeling system file %1 has no number on line 2: \"four\".";
        QTest::newRow("too few chosen") << QByteArray("3\r\n5\r\n1\r\n3\r\n3\r\n010203\r\n")
                                        << "The wheeling system file %1 wheels 5 numbers, but 4 were chosen.";
    }
    void refusesBadLinesBeforeAnyTicket() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        TempHome home;
        QCOMPARE(expandError(home, bytes, {"1", "2", "3", "4"}),
                 message.arg(QDir::toNativeSeparators(home.path(QStringLiteral("wheels/BAD.A03")))));
    }
};

QTEST_GUILESS_MAIN(TestWheelFile)
#include "test_wheel_file.moc"
