// SPDX-License-Identifier: GPL-3.0-or-later
#include "lottery/lottery_catalogue.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

QStringList lines(const CataloguePlace& place) {
    QStringList entries;
    for (const CatalogueEntry& entry : place.entries)
        entries << entry.text + QLatin1Char('=') + entry.code;
    return entries;
}

} // namespace

class TestLotteryCatalogue final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void counts() {
        QCOMPARE(LotteryCatalogue::places().size(), size_t(58));
        QCOMPARE(LotteryCatalogue::places(true).size(), size_t(51));
        QCOMPARE(LotteryCatalogue::places(false).size(), size_t(7));
        QCOMPARE(LotteryCatalogue::entryCount(), 187);
        // The US places come first, so list positions and catalogue order agree.
        QCOMPARE(LotteryCatalogue::places().at(50).name, QStringLiteral("Wyoming"));
        QCOMPARE(LotteryCatalogue::places().at(51).name, QStringLiteral("Australia"));
        QCOMPARE(LotteryCatalogue::placeNames(true).at(2), QStringLiteral("Arizona"));
        QCOMPARE(LotteryCatalogue::placeNames(false).last(), QStringLiteral("United Kingdom"));
    }

    void thirteenStatesHaveNoLotteries() {
        QStringList empty;
        for (const CataloguePlace& place : LotteryCatalogue::places()) {
            if (place.entries.empty())
                empty << place.name;
        }
        QCOMPARE(empty, (QStringList{"Alabama", "Alaska", "Arkansas", "Hawaii", "Mississippi", "Nevada",
                                     "North Carolina", "North Dakota", "Oklahoma", "South Carolina",
                                     "Tennessee", "Utah", "Wyoming"}));
    }

    void triStateGamesAreTheSameInItsThreeStates() {
        const QStringList triState{"Tri-State Megabucks=TS642", "Tri-State 5 Card Cash=TS531",
                                   "Tri-State Pick-3=TS3", "Tri-State Pick-4=TS4"};
        QCOMPARE(lines(*LotteryCatalogue::findPlace(QStringLiteral("Maine"))), triState);
        QCOMPARE(lines(*LotteryCatalogue::findPlace(QStringLiteral("Vermont"))), triState);
        QCOMPARE(lines(*LotteryCatalogue::findPlace(QStringLiteral("New Hampshire"))).mid(0, 4), triState);
    }

    void knownEntries_data() {
        QTest::addColumn<QString>("place");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("line");
        QTest::newRow("arizona powerball") << "Arizona" << 0 << "Powerball=PB545";
        QTest::newRow("arizona lotto") << "Arizona" << 1 << "Arizona Lotto=AZ642";
        QTest::newRow("delaware quinto") << "Delaware" << 6 << "Delaware Quinto=DEQ";
        QTest::newRow("dc daily millions") << "District of Columbia" << 6 << "Daily Millions=DM621";
        QTest::newRow("maryland as printed") << "Maryland" << 5 << "Maryland Miday Pick-3=MDMD3";
        QTest::newRow("minnesota as printed") << "Minnesota" << 3 << "Minnestota Pick-3=MN3";
        QTest::newRow("new york lucky day") << "New York" << 5 << "New York Lucky Day=NYL";
        QTest::newRow("washington quinto") << "Washington" << 1 << "Washington Quinto=WAD";
        QTest::newRow("ontario keno") << "Canada" << 4 << "Ontario Daily Keno=CNKENO";
        QTest::newRow("british") << "United Kingdom" << 0 << "British National Lottery=UK649";
        QTest::newRow("last of wisconsin") << "Wisconsin" << 4 << "Wisconsin Pick-3=WI3";
    }

    void knownEntries() {
        QFETCH(QString, place);
        QFETCH(int, position);
        QFETCH(QString, line);
        const CataloguePlace* found = LotteryCatalogue::findPlace(place);
        QVERIFY(found);
        QCOMPARE(lines(*found).value(position), line);
    }

    void aMultiStateGameHasOneCodeEverywhere() {
        QHash<QString, QSet<QString>> codesByText;
        for (const CataloguePlace& place : LotteryCatalogue::places()) {
            for (const CatalogueEntry& entry : place.entries) {
                QVERIFY2(QRegularExpression(QStringLiteral("^[A-Z0-9]{2,6}$")).match(entry.code).hasMatch(),
                         qPrintable(entry.code));
                codesByText[entry.text].insert(entry.code);
            }
        }
        for (auto it = codesByText.cbegin(); it != codesByText.cend(); ++it)
            QVERIFY2(it.value().size() == 1, qPrintable(it.key()));
        QCOMPARE(codesByText.value(QStringLiteral("Powerball")), QSet<QString>{QStringLiteral("PB545")});
    }

    void findPlaceIgnoresCase() {
        QVERIFY(LotteryCatalogue::findPlace(QStringLiteral("new jersey")));
        QVERIFY(!LotteryCatalogue::findPlace(QStringLiteral("Atlantis")));
        QCOMPARE(LotteryCatalogue::findPlace(QStringLiteral("NEW JERSEY"))->entries.front().fileName(),
                 QStringLiteral("NJ646.DBF"));
    }
};

QTEST_GUILESS_MAIN(TestLotteryCatalogue)
#include "test_lottery_catalogue.moc"
