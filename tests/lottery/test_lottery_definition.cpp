// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/vantoro_error.h"
#include "lottery/game_type.h"
#include "lottery/lottery_definition.h"
#include "support/temp_home.h"

#include <QTest>
#include <QtEndian>

namespace {

LotteryDefinition powerball() {
    LotteryDefinition d;
    d.GameType = 8;
    d.Country = 6;
    d.State = 3;
    d.Description = QStringLiteral("Powerball");
    d.NumbersDrawn = 6;
    d.LowestNumber = 1;
    d.HighestNumber = 45;
    d.BonusNumbers = 1;
    d.HighestBonus = 45;
    d.Wednesday = true;
    d.Saturday = true;
    d.BonusMatches = {true, true, true, true, true, true, false};
    d.AllowDuplicates = true;
    d.CommissionName = QStringLiteral("Multi-State Lottery Association");
    d.CommissionState = QStringLiteral("IA");
    d.CommissionWWW = QStringLiteral("www.example.org");
    return d;
}

qint16 int16At(const QByteArray& record, int offset) {
    return qFromLittleEndian<qint16>(record.constData() + offset);
}

} // namespace

class TestLotteryDefinition final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void recordHasTheFileLayout() {
        LotteryDefinition d = powerball();
        d.TicketsPerSlip = -2; // signed fields keep their sign
        const QByteArray record = d.toRecord();
        QCOMPARE(record.size(), 289);
        QCOMPARE(int16At(record, 0), qint16(8));
        QCOMPARE(int16At(record, 2), qint16(6));
        QCOMPARE(int16At(record, 4), qint16(3));
        QCOMPARE(int(record.at(6)), 9);
        QCOMPARE(record.mid(7, 9), QByteArray("Powerball"));
        QCOMPARE(int16At(record, 37), qint16(6));
        QCOMPARE(int16At(record, 39), qint16(1));
        QCOMPARE(int16At(record, 41), qint16(45));
        QCOMPARE(int16At(record, 43), qint16(1));
        QCOMPARE(int16At(record, 45), qint16(45));
        QCOMPARE(record.mid(47, 7), QByteArray("\0\0\0\1\0\0\1", 7)); // Sunday first
        QCOMPARE(record.mid(54, 7), QByteArray("\1\1\1\1\1\1\0", 7));
        QCOMPARE(int(record.at(61)), 1);
        QCOMPARE(int16At(record, 62), qint16(-2));
        QCOMPARE(int16At(record, 64), qint16(10));
        QCOMPARE(int16At(record, 66), qint16(5));
        QCOMPARE(int(record.at(68)), 1);
        QCOMPARE(int(record.at(69)), 31);
        QCOMPARE(record.mid(70, 31), QByteArray("Multi-State Lottery Association"));
        QCOMPARE(record.mid(167, 3), QByteArray("\2IA", 3));
        QCOMPARE(record.mid(248, 16), QByteArray("\x0fwww.example.org"));
    }

    void roundTripThroughTheFile() {
        TempHome home;
        const LotteryDefinition written = powerball();
        WriteDefinition(home.dataDir() + QStringLiteral("PB545.INF"), written);
        QCOMPARE(home.readFile(QStringLiteral("data/PB545.INF")).size(), 289);
        LotteryDefinition read;
        ReadDefinition(home.dataDir() + QStringLiteral("PB545.INF"), read);
        QCOMPARE(read.toRecord(), written.toRecord());
        QCOMPARE(read.Description, QStringLiteral("Powerball"));
        QVERIFY(read.drawnOn(Qt::Wednesday));
        QVERIFY(!read.drawnOn(Qt::Sunday));
    }

    void stringsAreCutToTheirFields_data() {
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("field");
        QTest::newRow("Description") << 30 << QStringLiteral("Description");
        QTest::newRow("CommissionName") << 40 << QStringLiteral("CommissionName");
        QTest::newRow("CommissionState") << 2 << QStringLiteral("CommissionState");
        QTest::newRow("CommissionZipCode") << 10 << QStringLiteral("CommissionZipCode");
        QTest::newRow("CommissionWWW") << 40 << QStringLiteral("CommissionWWW");
    }

    void stringsAreCutToTheirFields() {
        QFETCH(int, maxLength);
        QFETCH(QString, field);
        LotteryDefinition d = powerball();
        const QString longText = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        QString* member = field == QLatin1String("Description")         ? &d.Description
                          : field == QLatin1String("CommissionName")    ? &d.CommissionName
                          : field == QLatin1String("CommissionState")   ? &d.CommissionState
                          : field == QLatin1String("CommissionZipCode") ? &d.CommissionZipCode
                                                                        : &d.CommissionWWW;
        *member = longText;
        const QByteArray record = d.toRecord();
        QCOMPARE(record.size(), 289); // never overflows into the next field
        const LotteryDefinition back = LotteryDefinition::fromRecord(record);
        const QString* backMember = field == QLatin1String("Description")         ? &back.Description
                                    : field == QLatin1String("CommissionName")    ? &back.CommissionName
                                    : field == QLatin1String("CommissionState")   ? &back.CommissionState
                                    : field == QLatin1String("CommissionZipCode") ? &back.CommissionZipCode
                                                                                  : &back.CommissionWWW;
        QCOMPARE(*backMember, longText.left(maxLength));
        // The neighbours are untouched.
        QCOMPARE(back.NumbersDrawn, qint16(6));
        QCOMPARE(back.CommissionCity, QString());
    }

    void staleBytesAfterTheLengthAreIgnored() {
        QByteArray record = powerball().toRecord();
        record[6] = 5; // "Power", with "ball" and rubbish left behind
        record.replace(12, 11, "ballrubbish");
        const LotteryDefinition d = LotteryDefinition::fromRecord(record);
        QCOMPARE(d.Description, QStringLiteral("Power"));
    }

    void damagedLengthByteReadsOnlyTheField() {
        QByteArray record = powerball().toRecord();
        record[167] = char(200); // CommissionState holds at most 2
        const LotteryDefinition d = LotteryDefinition::fromRecord(record);
        QCOMPARE(d.CommissionState, QStringLiteral("IA"));
    }

    void windowsAnsiText() {
        LotteryDefinition d;
        d.Description = QStringLiteral("Lotería € “6/49”");
        const QByteArray record = d.toRecord();
        QCOMPARE(record.mid(7, 16), QByteArray("Loter\xED"
                                               "a \x80 \x93"
                                               "6/49\x94"));
        QCOMPARE(LotteryDefinition::fromRecord(record).Description, d.Description);
    }

    void emptyFileKeepsTheDefinition() {
        TempHome home;
        home.writeFile(QStringLiteral("data/EMPTY.INF"), QByteArray());
        LotteryDefinition d = powerball();
        ReadDefinition(home.dataDir() + QStringLiteral("EMPTY.INF"), d);
        QCOMPARE(d.toRecord(), powerball().toRecord());
    }

    void shortOrMissingFileIsRefused_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("one byte") << 1;
        QTest::newRow("one short of a record") << 288;
        QTest::newRow("missing") << -1;
    }

    void shortOrMissingFileIsRefused() {
        QFETCH(int, size);
        TempHome home;
        if (size >= 0)
            home.writeFile(QStringLiteral("data/SHORT.INF"), powerball().toRecord().left(size));
        LotteryDefinition d = powerball();
        d.Description = QStringLiteral("kept");
        try {
            ReadDefinition(home.dataDir() + QStringLiteral("SHORT.INF"), d);
            QFAIL("a short file was read");
        } catch (const VantoroError& error) {
            QVERIFY2(error.message().contains(QStringLiteral("SHORT.INF")), qPrintable(error.message()));
        }
        QCOMPARE(d.Description, QStringLiteral("kept"));
    }

    // Every field outside what the editor allows refuses the file, naming the field, its value
    // and the range; nothing of it reaches the definition in memory.
    void outOfRangeFieldIsRefused_data() {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("problem");
        const auto with = [](auto change) {
            LotteryDefinition d = powerball();
            change(d);
            return d.toRecord();
        };
        QTest::newRow("no numbers drawn") << with([](LotteryDefinition& d) { d.NumbersDrawn = 0; })
                                          << "NumbersDrawn is 0; it must be from 1 to 22";
        QTest::newRow("minus one drawn") << with([](LotteryDefinition& d) { d.NumbersDrawn = -1; })
                                         << "NumbersDrawn is -1; it must be from 1 to 22";
        QTest::newRow("23 drawn") << with([](LotteryDefinition& d) { d.NumbersDrawn = 23; })
                                  << "NumbersDrawn is 23; it must be from 1 to 22";
        QTest::newRow("all drawn are bonus") << with([](LotteryDefinition& d) {
            d.NumbersDrawn = 2;
            d.BonusNumbers = 2;
        }) << "BonusNumbers is 2; it must be less than NumbersDrawn (2)";
        QTest::newRow("three bonus") << with([](LotteryDefinition& d) { d.BonusNumbers = 3; })
                                     << "BonusNumbers is 3; it must be from 0 to 2";
        QTest::newRow("highest 100") << with([](LotteryDefinition& d) { d.HighestNumber = 100; })
                                     << "HighestNumber is 100; it must be from 0 to 99";
        QTest::newRow("lowest 2") << with([](LotteryDefinition& d) { d.LowestNumber = 2; })
                                  << "LowestNumber is 2; it must be from 0 to 1";
        QTest::newRow("highest bonus -1") << with([](LotteryDefinition& d) { d.HighestBonus = -1; })
                                          << "HighestBonus is -1; it must be from 0 to 99";
        QTest::newRow("game type 13") << with([](LotteryDefinition& d) { d.GameType = 13; })
                                      << "GameType is 13; it must be from 0 to 12";
        QTest::newRow("country 8") << with([](LotteryDefinition& d) { d.Country = 8; })
                                   << "Country is 8; it must be from 0 to 7";
        QTest::newRow("state 53") << with([](LotteryDefinition& d) { d.State = 53; })
                                  << "State is 53; it must be from 0 to 52";
        QTest::newRow("columns 26") << with([](LotteryDefinition& d) { d.ColumnsPerTicket = 26; })
                                    << "ColumnsPerTicket is 26; it must be from 0 to 25";
        QTest::newRow("an all-zero record") << QByteArray(LotteryDefinition::RecordSize, '\0')
                                            << "NumbersDrawn is 0; it must be from 1 to 22";
    }

    void outOfRangeFieldIsRefused() {
        QFETCH(QByteArray, record);
        QFETCH(QString, problem);
        TempHome home;
        home.writeFile(QStringLiteral("data/BAD.INF"), record);
        LotteryDefinition d;
        d.Description = QStringLiteral("kept");
        try {
            ReadDefinition(home.dataDir() + QStringLiteral("BAD.INF"), d);
            QFAIL("an out-of-range definition was read");
        } catch (const VantoroError& error) {
            QCOMPARE(error.message(),
                     QStringLiteral("The file BAD.INF is not a valid lottery definition: %1.").arg(problem));
        }
        QCOMPARE(d.Description, QStringLiteral("kept"));
    }

    void longerFileReadsTheFirstRecord() {
        TempHome home;
        home.writeFile(QStringLiteral("data/TWO.INF"),
                       powerball().toRecord() + LotteryDefinition().toRecord());
        LotteryDefinition d;
        ReadDefinition(home.dataDir() + QStringLiteral("TWO.INF"), d);
        QCOMPARE(d.Description, QStringLiteral("Powerball"));
    }

    void writeFailureKeepsTheOldFile() {
        TempHome home;
        const QString path = home.dataDir() + QStringLiteral("PB545.INF");
        WriteDefinition(path, powerball());
        QVERIFY_THROWS_EXCEPTION(
            VantoroError, WriteDefinition(home.dataDir() + QStringLiteral("nofolder/X.INF"), powerball()));
        QCOMPARE(home.readFile(QStringLiteral("data/PB545.INF")), powerball().toRecord());
    }

    void regularAndBonusCounts_data() {
        QTest::addColumn<int>("drawn");
        QTest::addColumn<int>("bonus");
        QTest::addColumn<int>("regular");
        QTest::newRow("no bonus") << 6 << 0 << 6;
        QTest::newRow("two bonus of seven") << 7 << 2 << 5;
    }

    void regularAndBonusCounts() {
        QFETCH(int, drawn);
        QFETCH(int, bonus);
        QFETCH(int, regular);
        LotteryDefinition d;
        d.NumbersDrawn = qint16(drawn);
        d.BonusNumbers = qint16(bonus);
        QCOMPARE(d.regularNumbers(), regular);
    }

    void gameTypeTexts() {
        QCOMPARE(GameTypes::names().size(), 13);
        QCOMPARE(GameTypes::name(5), QStringLiteral("Pick 3 or 4 Daily Lotto"));
        QCOMPARE(GameTypes::name(12), QStringLiteral("NY Lucky Day"));
        QCOMPARE(GameTypes::name(13), QString());
        QVERIFY(!GameTypes::supportsNumberAnalysis(2));
        QVERIFY(!GameTypes::supportsNumberAnalysis(9));
        QVERIFY(GameTypes::supportsNumberAnalysis(7));
        QCOMPARE(States::abbreviations().size(), 53);
        QCOMPARE(States::indexOf(QStringLiteral("NJ")), 31);
        QCOMPARE(States::indexOf(QStringLiteral("NY")), 33);
        QCOMPARE(States::indexOf(QStringLiteral("PA")), 39);
        QCOMPARE(States::abbreviation(52), QStringLiteral("WY"));
        QCOMPARE(Countries::name(6), QStringLiteral("United States"));
        QCOMPARE(Countries::name(7), QStringLiteral("United Kingdom"));
    }
};

QTEST_GUILESS_MAIN(TestLotteryDefinition)
#include "test_lottery_definition.moc"
