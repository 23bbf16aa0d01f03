// SPDX-License-Identifier: GPL-3.0-or-later
#include "lottery/commission_presets.h"
#include "lottery/game_type.h"
#include "lottery/lottery_code.h"

#include <QTest>

namespace {

LotteryDefinition lottery(int country, const char* state, int gameType, int drawn, int bonus, int highest) {
    LotteryDefinition d;
    d.Country = static_cast<qint16>(country);
    d.State = static_cast<qint16>(States::indexOf(QString::fromLatin1(state)));
    d.GameType = static_cast<qint16>(gameType);
    d.NumbersDrawn = static_cast<qint16>(drawn);
    d.BonusNumbers = static_cast<qint16>(bonus);
    d.HighestNumber = static_cast<qint16>(highest);
    return d;
}

constexpr int US = Countries::UnitedStates;

} // namespace

class TestLotteryCode final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void derive_data() {
        QTest::addColumn<int>("country");
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("gameType");
        QTest::addColumn<int>("drawn");
        QTest::addColumn<int>("bonus");
        QTest::addColumn<int>("highest");
        QTest::addColumn<QString>("code");
        // United States, every game type.
        QTest::newRow("big game ignores the state") << US << "GA" << 0 << 6 << 1 << 50 << "BG550";
        QTest::newRow("daily millions") << US << "" << 1 << 6 << 0 << 21 << "DM621";
        QTest::newRow("reserved card game") << US << "CA" << 2 << 4 << 0 << 52 << "CAD";
        QTest::newRow("keno takes the state") << US << "NY" << 3 << 20 << 0 << 80 << "NYKENO";
        QTest::newRow("keystone") << US << "PA" << 4 << 7 << 1 << 33 << "PA633";
        QTest::newRow("pick 3") << US << "NJ" << 5 << 3 << 0 << 9 << "NJ3";
        QTest::newRow("pick 4") << US << "NJ" << 5 << 4 << 0 << 9 << "NJ4";
        QTest::newRow("pick 3 without a state") << US << "" << 5 << 3 << 0 << 9 << "3";
        QTest::newRow("midday pick 3") << US << "DE" << 6 << 3 << 0 << 9 << "DEMD3";
        QTest::newRow("midday pick 4") << US << "VA" << 6 << 4 << 0 << 9 << "VAMD4";
        QTest::newRow("lotto 6/46") << US << "NJ" << 7 << 6 << 0 << 46 << "NJ646";
        QTest::newRow("lotto 5/39") << US << "CA" << 7 << 5 << 0 << 39 << "CA539";
        QTest::newRow("lotto 7 of 47 counts regular numbers") << US << "OH" << 7 << 8 << 1 << 47 << "OH747";
        QTest::newRow("lotto highest below ten has no leading zero")
            << US << "TX" << 7 << 5 << 0 << 9 << "TX59";
        QTest::newRow("lotto without a state") << US << "" << 7 << 6 << 0 << 49 << "649";
        QTest::newRow("powerball ignores the counts") << US << "AZ" << 8 << 6 << 1 << 45 << "PB545";
        QTest::newRow("quinto in Delaware") << US << "DE" << 9 << 5 << 0 << 52 << "DEQ";
        QTest::newRow("quinto in Washington") << US << "WA" << 9 << 5 << 0 << 52 << "WAD";
        QTest::newRow("tri-state 6 regular") << US << "" << 10 << 7 << 1 << 42 << "TS642";
        QTest::newRow("tri-state 5 regular") << US << "" << 10 << 5 << 0 << 31 << "TS531";
        QTest::newRow("tri-state 6 regular wins over drawn") << US << "" << 10 << 6 << 0 << 30 << "TS642";
        QTest::newRow("tri-state pick 3") << US << "" << 10 << 3 << 0 << 9 << "TS3";
        QTest::newRow("tri-state pick 4") << US << "" << 10 << 4 << 0 << 9 << "TS4";
        QTest::newRow("tri-west") << US << "ID" << 11 << 6 << 0 << 33 << "TW633";
        QTest::newRow("lucky day") << US << "NY" << 12 << 4 << 1 << 99 << "NYL";
        // The other countries: the game type plays no part.
        QTest::newRow("australia") << 0 << "" << 7 << 6 << 0 << 45 << "AU645";
        QTest::newRow("australia powerball type") << 0 << "" << 8 << 6 << 1 << 45 << "AU545";
        QTest::newRow("canada pick 3") << 1 << "" << 5 << 3 << 0 << 9 << "CN3";
        QTest::newRow("canada 6/49") << 1 << "" << 7 << 6 << 0 << 49 << "CN649";
        QTest::newRow("canada super 7") << 1 << "" << 7 << 7 << 0 << 47 << "CN747";
        QTest::newRow("germany") << 2 << "" << 7 << 7 << 1 << 49 << "GE649";
        QTest::newRow("ireland") << 3 << "" << 7 << 6 << 0 << 42 << "IR642";
        QTest::newRow("new zealand") << 4 << "" << 7 << 6 << 0 << 40 << "NZ640";
        QTest::newRow("spain") << 5 << "" << 7 << 6 << 0 << 49 << "SP649";
        QTest::newRow("united kingdom") << 7 << "" << 7 << 6 << 0 << 49 << "UK649";
        QTest::newRow("a state does not reach another country")
            << 7 << "NY" << 3 << 20 << 0 << 80 << "UK2080";
    }

    void derive() {
        QFETCH(int, country);
        QFETCH(QString, state);
        QFETCH(int, gameType);
        QFETCH(int, drawn);
        QFETCH(int, bonus);
        QFETCH(int, highest);
        QFETCH(QString, code);
        const auto derivation = LotteryCodes::derive(
            lottery(country, state.toLatin1().constData(), gameType, drawn, bonus, highest));
        QCOMPARE(derivation.code, code);
        QVERIFY(derivation.problem.isEmpty());
    }

    void noCode_data() {
        QTest::addColumn<int>("country");
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("gameType");
        QTest::addColumn<int>("drawn");
        QTest::addColumn<int>("bonus");
        QTest::addColumn<QString>("named"); // what the message must name
        QTest::newRow("pick game of 5") << US << "NJ" << 5 << 5 << 0 << "Numbers Drawn is 5";
        QTest::newRow("midday pick game of 6") << US << "NJ" << 6 << 6 << 0 << "Pick 3 or 4 Midday Lotto";
        QTest::newRow("quinto outside DE and WA") << US << "NY" << 9 << 5 << 0 << "State is NY";
        QTest::newRow("quinto without a state") << US << "" << 9 << 5 << 0 << "State is blank";
        QTest::newRow("lotto of 4 regular") << US << "NJ" << 7 << 5 << 1 << "Bonus Numbers is 1";
        QTest::newRow("lotto of 8") << US << "NJ" << 7 << 8 << 0 << "Numbers Drawn is 8";
        QTest::newRow("tri-state of 7 regular") << US << "" << 10 << 7 << 0 << "Tri-State";
        QTest::newRow("tri-state of 4 regular and a bonus")
            << US << "" << 10 << 5 << 1 << "Bonus Numbers is 1";
        QTest::newRow("keno without a state") << US << "" << 3 << 20 << 0 << "Keno";
        QTest::newRow("unknown country") << 8 << "" << 7 << 6 << 0 << "Country 8";
        QTest::newRow("unknown game type") << US << "" << 13 << 6 << 0 << "Game Type 13";
    }

    void noCode() {
        QFETCH(int, country);
        QFETCH(QString, state);
        QFETCH(int, gameType);
        QFETCH(int, drawn);
        QFETCH(int, bonus);
        QFETCH(QString, named);
        const auto derivation =
            LotteryCodes::derive(lottery(country, state.toLatin1().constData(), gameType, drawn, bonus, 49));
        QVERIFY2(derivation.code.isEmpty(), qPrintable(derivation.code));
        QVERIFY2(derivation.problem.contains(named), qPrintable(derivation.problem));
        const QString message = LotteryCodes::noCodeMessage(derivation.problem);
        QVERIFY(message.contains(QStringLiteral("no file code")));
        QVERIFY(message.contains(derivation.problem));
    }

    void everyStatePresetFitsItsFields() {
        QStringList withPreset;
        for (const QString& state : States::abbreviations()) {
            const CommissionPreset* preset = CommissionPresets::forState(state);
            if (!preset)
                continue;
            withPreset << state;
            QCOMPARE(preset->state, state);
            QVERIFY2(!preset->name.isEmpty(), qPrintable(state));
            QVERIFY2(preset->name.size() <= 40 && preset->address.size() <= 30 && preset->city.size() <= 25 &&
                         preset->zipCode.size() <= 10 && preset->phone.size() <= 12,
                     qPrintable(state));
        }
        QCOMPARE(withPreset.size(), 37);
        QCOMPARE(CommissionPresets::stateCount(), 37);
        QVERIFY(!CommissionPresets::forState(QString()));
        QVERIFY(!CommissionPresets::forState(QStringLiteral("AL")));
        QCOMPARE(CommissionPresets::forState(QStringLiteral("in"))->name,
                 QStringLiteral("The Hoosier Lottery"));
    }

    void applyingAPresetClearsFaxMailAndWeb() {
        LotteryDefinition d;
        d.CommissionFax = QStringLiteral("1");
        d.CommissionEmail = QStringLiteral("a@b");
        d.CommissionWWW = QStringLiteral("w");
        CommissionPresets::apply(CommissionPresets::forState(QStringLiteral("AZ")), d);
        QCOMPARE(d.CommissionName, QStringLiteral("Arizona State Lottery"));
        QCOMPARE(d.CommissionState, QStringLiteral("AZ"));
        QVERIFY(d.CommissionFax.isEmpty() && d.CommissionEmail.isEmpty() && d.CommissionWWW.isEmpty());
        CommissionPresets::apply(nullptr, d);
        QVERIFY(d.CommissionName.isEmpty() && d.CommissionAddress.isEmpty() && d.CommissionState.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLotteryCode)
#include "test_lottery_code.moc"
