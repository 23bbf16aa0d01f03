// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/vantoro_error.h"
#include "play/card_code.h"
#include "play/ticket_file.h"
#include "play/ticket_filter.h"
#include "play/ticket_line.h"
#include "support/temp_home.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

namespace {
QStringList lines(const TicketFile& file) {
    return TicketLine::format(file.kind, file.tickets);
}
// Two overloads rather than a defaulted std::optional, which g++ 12 takes for uninitialised under
// the sanitizers.
Ticket ticket(int number, const QStringList& fields) {
    Ticket made;
    made.number = number;
    made.fields = fields;
    return made;
}
Ticket ticket(int number, const QStringList& fields, const QString& bonus) {
    Ticket made = ticket(number, fields);
    made.bonus = bonus;
    return made;
}
} // namespace

class TestTicketFile final : public QObject {
    Q_OBJECT
private slots:
    void cardCodes_data();
    void cardCodes();
    void cardEntries_data();
    void cardEntries();
    void bonusKinds_data();
    void bonusKinds();
    void readsPowerballLines();
    void headerOnlyRanges();
    void readsToEndWhateverTheCount_data();
    void readsToEndWhateverTheCount();
    void shortLinesKeepTheLayout();
    void refusesBadFiles_data();
    void refusesBadFiles();
    void refusesAHugeFile();
    void writesCrLfThroughTemporaryFile();
    void failedWriteKeepsTheOldFile();
    void filtersAreInclusiveAndSkipTheBonus();
    void filtersNarrowEachOther();
    void boundsRound_data();
    void boundsRound();
    void storesEntries();
};

void TestTicketFile::cardCodes_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("code");
    QTest::newRow("first") << 1 << "02C";
    QTest::newRow("ace of clubs") << 13 << "0AC";
    QTest::newRow("first diamond") << 14 << "02D";
    QTest::newRow("ten of hearts") << 35 << "10H";
    QTest::newRow("queen of hearts") << 37 << "0QH";
    QTest::newRow("last") << 52 << "0AS";
}

void TestTicketFile::cardCodes() {
    QFETCH(int, number);
    QFETCH(QString, code);
    QCOMPARE(CardCode::fromNumber(number), code);
    QCOMPARE(CardCode::toNumber(code), number);
    QCOMPARE(CardCode::toNumber(code.toLower()), number);
}

void TestTicketFile::cardEntries_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("cardColumn");
    QTest::addColumn<QString>("stored");
    QTest::newRow("ah") << "ah" << true << "0AH";
    QTest::newRow("10s") << "10s" << true << "10S";
    QTest::newRow("0qd") << "0qd" << true << "0QD";
    QTest::newRow("two characters past column 5") << "kc" << false << "KC";
    QTest::newRow("one character") << "7" << true << "07";
}

void TestTicketFile::cardEntries() {
    QFETCH(QString, entry);
    QFETCH(bool, cardColumn);
    QFETCH(QString, stored);
    const TicketKind quinto{5, 9};
    QCOMPARE(TicketEntries::normalise(quinto, entry, cardColumn), stored);
    QCOMPARE(CardCode::fromNumber(CardCode::toNumber(QStringLiteral("0AH"))), QStringLiteral("0AH"));
}

void TestTicketFile::bonusKinds_data() {
    QTest::addColumn<int>("gameType");
    QTest::addColumn<int>("numbers");
    QTest::addColumn<int>("bonusBox");
    QTest::addColumn<QString>("caption");
    QTest::newRow("big game") << 0 << 5 << 6 << "Game Type: Big Game";
    QTest::newRow("daily millions") << 1 << 6 << 0 << "Game Type; Daily Millions";
    QTest::newRow("keystone") << 4 << 6 << 7 << "Game Type: PA Keystone";
    QTest::newRow("pick 3") << 5 << 3 << 0 << "Game Type: Pick 3";
    QTest::newRow("pick 4 midday") << 6 << 4 << 0 << "Game Type: Pick 4";
    QTest::newRow("pick 6") << 7 << 6 << 0 << "Game Type: Pick 6";
    QTest::newRow("powerball") << 8 << 5 << 6 << "Game Type: Powerball";
    QTest::newRow("tri-state 5") << 10 << 5 << 6 << "Game Type: Tri-State";
    QTest::newRow("tri-state 6") << 10 << 6 << 0 << "Game Type: Tri-State";
    QTest::newRow("lucky day") << 12 << 3 << 4 << "Game Type: NY Lucky Day";
}

void TestTicketFile::bonusKinds() {
    QFETCH(int, gameType);
    QFETCH(int, numbers);
    QFETCH(int, bonusBox);
    QFETCH(QString, caption);
    const TicketKind kind{numbers, gameType};
    QCOMPARE(kind.bonusBox(), bonusBox);
    QCOMPARE(kind.typeCaption(), caption);
    QCOMPARE(kind.note().isEmpty(), bonusBox == 0 && gameType != 1);
}

void TestTicketFile::readsPowerballLines() {
    const TicketFile file = TicketFile::parse("2\r\n5\r\n8\r\nPowerball\r\n051223344107\r\n010203040599\r\n",
                                              QStringLiteral("p.tic"));
    QCOMPARE(file.count, 2);
    QCOMPARE(file.lotteryName, QStringLiteral("Powerball"));
    QCOMPARE(lines(file), (QStringList{QStringLiteral("00001. 05 12 23 34 41  07"),
                                       QStringLiteral("00002. 01 02 03 04 05  99")}));
    // The bonus never counts: 05+12+23+34+41 = 115, odd 05 23 41.
    QCOMPARE(file.sumRange, (TicketRange{15, 115}));
    QCOMPARE(file.oddRange, (TicketRange{3, 3}));
    QCOMPARE(file.tickets.at(0), ticket(1, {"05", "12", "23", "34", "41"}, QStringLiteral("07")));
}

void TestTicketFile::headerOnlyRanges() {
    const TicketFile file = TicketFile::parse("0\r\n6\r\n7\r\nLotto\r\n", QStringLiteral("e.tic"));
    QVERIFY(file.tickets.isEmpty());
    QCOMPARE(file.sumRange, (TicketRange{10000, 0}));
    QCOMPARE(file.oddRange, (TicketRange{100, 0}));
}

void TestTicketFile::readsToEndWhateverTheCount_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("tickets");
    QTest::newRow("count too small, LF") << QByteArray("1\n2\n7\nX\n0102\n0304\n0506\n") << 3;
    QTest::newRow("count in the millions") << QByteArray("3000000\r\n2\r\n7\r\nX\r\n0102\r\n") << 1;
    QTest::newRow("no final line end") << QByteArray("2\r\n2\r\n7\r\nX\r\n0102\r\n0304") << 2;
}

void TestTicketFile::readsToEndWhateverTheCount() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, tickets);
    const TicketFile file = TicketFile::parse(bytes, QStringLiteral("t.tic"));
    QCOMPARE(file.tickets.size(), tickets);
    // Numbered in file order from 1.
    QCOMPARE(file.tickets.last().number, tickets);
}

void TestTicketFile::shortLinesKeepTheLayout() {
    const TicketFile file = TicketFile::parse("1\r\n6\r\n7\r\nLotto\r\n01  05\r\n", QStringLiteral("s.tic"));
    QCOMPARE(lines(file), QStringList{QStringLiteral("00001. 01    05          ")});
    const TicketCounts counts = file.tickets.first().counts(file.kind);
    QCOMPARE(counts.sum, 6);
    QCOMPARE(counts.odd, 2);
    QCOMPARE(counts.even, 0);
    QVERIFY(!counts.complete);
    QCOMPARE(TicketLine::toFileLine(file.kind, file.tickets.first()), QStringLiteral("01  05      "));
    // Blanks that pad a field are not part of it; leading blanks and blanks between are.
    const TicketFile spaced =
        TicketFile::parse("1\r\n3\r\n7\r\nLotto\r\n 1 2 3\r\n", QStringLiteral("p.tic"));
    QCOMPARE(spaced.tickets.first(), ticket(1, {" 1", " 2", " 3"}));
    QCOMPARE(TicketLine::toFileLine(spaced.kind, spaced.tickets.first()), QStringLiteral(" 1 2 3"));
}

void TestTicketFile::refusesBadFiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("header cut short") << QByteArray("1\r\n6\r\n") << "line 3 is missing";
    QTest::newRow("eleven columns") << QByteArray("1\r\n11\r\n7\r\nX\r\n")
                                    << "line 2 must be a number from 1 to 10";
    QTest::newRow("game type") << QByteArray("1\r\n6\r\n13\r\nX\r\n")
                               << "line 3 must be a number from 0 to 12";
    QTest::newRow("count not a number") << QByteArray("x\r\n6\r\n7\r\nX\r\n") << "line 1 must be a number";
    QTest::newRow("field not a number") << QByteArray("1\r\n6\r\n7\r\nX\r\n0102x30405\r\n")
                                        << "bad.tic, line 5: 'x3' is not a valid integer value.";
    QTest::newRow("binary junk") << QByteArray("\x00\xff\x13\x01", 4) << "line 2 is missing";
}

void TestTicketFile::refusesBadFiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    try {
        TicketFile::parse(bytes, QStringLiteral("bad.tic"));
        QFAIL("accepted");
    } catch (const VantoroError& error) {
        QVERIFY2(error.message().contains(message), qPrintable(error.message()));
        QVERIFY2(error.message().contains(QStringLiteral("bad.tic")), qPrintable(error.message()));
    }
}

void TestTicketFile::refusesAHugeFile() {
    TempHome home;
    home.writeFile(QStringLiteral("huge.tic"), "1\r\n6\r\n7\r\nLotto\r\n");
    QFile file(home.path(QStringLiteral("huge.tic")));
    // Sparse: the size is there without the bytes being written.
    QVERIFY(file.resize(kMaxTicketFileBytes + 1));
    try {
        TicketFile::read(file.fileName());
        QFAIL("accepted");
    } catch (const VantoroError& error) {
        QCOMPARE(error.message(), QStringLiteral("The file huge.tic is too large to be a ticket file."));
    }
    // Small enough, but nothing but line ends: refused by its ticket count.
    const QByteArray blanks = "1\n2\n7\nX\n" + QByteArray(kMaxTickets + 1, '\n');
    try {
        TicketFile::parse(blanks, QStringLiteral("blank.tic"));
        QFAIL("accepted");
    } catch (const VantoroError& error) {
        QCOMPARE(error.message(), QStringLiteral("The file blank.tic holds more than 99999 tickets."));
    }
    const TicketFile full =
        TicketFile::parse("1\n2\n7\nX\n" + QByteArray(kMaxTickets, '\n'), QStringLiteral("b.tic"));
    QCOMPARE(TicketLine::format(full.kind, full.tickets.last()), QStringLiteral("99999.       "));
}

void TestTicketFile::writesCrLfThroughTemporaryFile() {
    TempHome home;
    const TicketKind kind{5, 8};
    const QString path = home.path(QStringLiteral("out.tic"));
    // Labels with gaps (after deletions) are not saved: line 1 is the number of lines.
    TicketFile::write(path, kind, QStringLiteral("Powerball"),
                      {ticket(2, {"05", "12", "23", "34", "41"}, QStringLiteral("07")),
                       ticket(7, {"01", "02", "03", "04", "05"}, QStringLiteral("09"))});
    QCOMPARE(home.readFile(QStringLiteral("out.tic")),
             QByteArray("2\r\n5\r\n8\r\nPowerball\r\n051223344107\r\n010203040509\r\n"));
    const TicketFile again = TicketFile::read(path);
    QCOMPARE(lines(again).at(1), QStringLiteral("00002. 01 02 03 04 05  09"));
}

void TestTicketFile::failedWriteKeepsTheOldFile() {
    TempHome home;
    home.writeFile(QStringLiteral("keep.tic"), "0\r\n6\r\n7\r\nOld\r\n");
    // A folder of that name cannot be replaced by a file.
    QVERIFY(QDir(home.dir()).mkdir(QStringLiteral("dir.tic")));
    QVERIFY_THROWS_EXCEPTION(VantoroError, TicketFile::write(home.path(QStringLiteral("dir.tic")),
                                                             TicketKind{}, QStringLiteral("New"), {}));
    QVERIFY(QFileInfo(home.path(QStringLiteral("dir.tic"))).isDir());
    QCOMPARE(home.readFile(QStringLiteral("keep.tic")), QByteArray("0\r\n6\r\n7\r\nOld\r\n"));
    QVERIFY(QDir(home.dir()).entryList({QStringLiteral("*.tic*")}, QDir::Files).size() == 1);
}

void TestTicketFile::filtersAreInclusiveAndSkipTheBonus() {
    const TicketKind kind{5, 8};
    const Tickets tickets{ticket(1, {"10", "20", "30", "40", "20"}, QStringLiteral("99")),  // 120
                          ticket(2, {"10", "20", "30", "40", "50"}, QStringLiteral("01")),  // 150
                          ticket(3, {"10", "20", "30", "40", "51"}, QStringLiteral("01")),  // 151
                          ticket(4, {"10", "20", "30", "40", "19"}, QStringLiteral("50"))}; // 119
    QCOMPARE(TicketFilters::keep(kind, tickets, TicketFilter::Sum, {120, 150}), tickets.mid(0, 2));
    // Odd counts 0, 0, 1, 1: the odd bonus 99 and 01 are never counted.
    QCOMPARE(TicketFilters::keep(kind, tickets, TicketFilter::Odd, {1, 1}), tickets.mid(2, 2));
}

void TestTicketFile::filtersNarrowEachOther() {
    const TicketKind kind{3, 7};
    const Tickets all{ticket(1, {"01", "02", "03"}), ticket(2, {"02", "04", "06"}),
                      ticket(3, {"01", "03", "05"}), ticket(4, {"10", "20", "30"})};
    Tickets shown = TicketFilters::keep(kind, all, TicketFilter::Sum, {6, 12});
    QCOMPARE(shown.size(), 3);
    TicketFilters::narrow(kind, shown, TicketFilter::Odd, {2, 3});
    QCOMPARE(shown, (Tickets{all.at(0), all.at(2)}));
    // Widening one filter over the narrowed list brings nothing back.
    TicketFilters::narrow(kind, shown, TicketFilter::Sum, {0, 1000});
    QCOMPARE(shown, (Tickets{all.at(0), all.at(2)}));
}

void TestTicketFile::boundsRound_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bound");
    QTest::newRow("12.6") << "12.6" << 13;
    QTest::newRow("12.4") << "12.4" << 12;
    QTest::newRow("blanks") << " 150 " << 150;
}

void TestTicketFile::boundsRound() {
    QFETCH(QString, text);
    QFETCH(int, bound);
    QCOMPARE(TicketFilters::boundFromText(text), bound);
    QVERIFY_THROWS_EXCEPTION(VantoroError, TicketFilters::boundFromText(QStringLiteral("1x")));
}

void TestTicketFile::storesEntries() {
    const TicketKind kind{5, 8};
    const Ticket stored =
        Ticket::fromEntries(kind, 4,
                            {TicketEntries::normalise(kind, QStringLiteral("7"), true), QStringLiteral("12"),
                             QString(), QStringLiteral("34"), QStringLiteral("41")},
                            TicketEntries::normaliseBonus(kind, QStringLiteral("9")));
    QCOMPARE(TicketLine::format(kind, stored), QStringLiteral("00004. 07 12    34 41  09"));
    QCOMPARE(TicketLine::toFileLine(kind, stored), QStringLiteral("0712  344109"));
    QVERIFY(!stored.counts(kind).complete);
    // A ticket just added has no fields yet: its line is the label alone, its file line blanks.
    QCOMPARE(TicketLine::format(kind, ticket(5, {})), QStringLiteral("00005. "));
    QCOMPARE(TicketLine::toFileLine(kind, ticket(5, {})), QString(12, QLatin1Char(' ')));
    // The Tri-State bonus is a card rank, never counted.
    const TicketKind triState{5, 10};
    QCOMPARE(TicketEntries::normaliseBonus(triState, QStringLiteral("j")), QStringLiteral("0J"));
    const Ticket tri = Ticket::fromEntries(triState, 1, {"01", "02", "03", "04", "05"}, QStringLiteral("0J"));
    QCOMPARE(TicketLine::format(triState, tri), QStringLiteral("00001. 01 02 03 04 05  0J"));
    QCOMPARE(tri.counts(triState).sum, 15);
}

QTEST_GUILESS_MAIN(TestTicketFile)
#include "test_ticket_file.moc"
