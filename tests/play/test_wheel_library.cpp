// SPDX-License-Identifier: GPL-3.0-or-later
// The wheels a new home is given: each one must keep the guarantee its header states, or a player
// would trust a promise no one checked. The files are read from a freshly seeded home, so what is
// verified is exactly what ships.
#include "db/vantoro_error.h"
#include "lottery/lottery_definition.h"
#include "lottery/program_home.h"
#include "play/wheel_file.h"
#include "play/wheel_verifier.h"
#include "support/temp_home.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

class TestWheelLibrary final : public QObject {
    Q_OBJECT

    TempHome m_scratch;
    QString m_wheels;
    QString m_data;

private slots:
    void initTestCase() {
        ProgramHome home(m_scratch.path(QStringLiteral("home")));
        home.prepare();
        QVERIFY(home.wasSeeded());
        m_wheels = home.wheelsDir();
        m_data = home.dataDir();
    }

    // The wheel lists find every guarantee of the library and every full wheel. Where a sample
    // lottery of the seeded home plays these tickets, its own ticket-size code is the one looked
    // up, so a keno or pick game is checked against the extension its wheel page really asks for.
    void everyGuaranteeIsListed_data() {
        QTest::addColumn<QString>("lottery");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QList<int>>("guarantees"); // M * 10 + C
        QTest::addColumn<QList<int>>("fullNumbers");
        QTest::newRow("6-number tickets")
            << "UK649"
            << "06" << QList<int>{33, 34, 35, 36, 44, 45, 46, 55, 56} << QList<int>{8};
        QTest::newRow("5-number tickets") << ""
                                          << "05" << QList<int>{33, 34, 35, 44, 45} << QList<int>{7, 12};
        QTest::newRow("keno ten-spot")
            << "HUKENO"
            << "10" << QList<int>{55, 56, 57, 66, 67, 68, 77, 78, 88} << QList<int>{};
        QTest::newRow("pick 3") << "NY3"
                                << "03" << QList<int>{} << QList<int>{4, 5, 6, 7, 8, 9, 10};
        QTest::newRow("pick 4") << ""
                                << "04" << QList<int>{} << QList<int>{5, 6, 7, 8, 9, 10};
    }
    void everyGuaranteeIsListed() {
        QFETCH(QString, lottery);
        QFETCH(QString, code);
        QFETCH(QList<int>, guarantees);
        QFETCH(QList<int>, fullNumbers);
        if (!lottery.isEmpty()) {
            LotteryDefinition definition;
            ReadDefinition(m_data + lottery + QStringLiteral(".INF"), definition);
            QCOMPARE(ticketSizeCode(definition), code);
        }
        const QStringList listed = wheelFileNames(m_wheels, QStringLiteral("*.?") + code);
        for (int guarantee : guarantees) {
            const QRegularExpression name(QStringLiteral("^ABBR\\d\\d%1\\.A%2$").arg(guarantee).arg(code));
            QVERIFY2(!listed.filter(name).isEmpty(),
                     qPrintable(QStringLiteral("no %1 wheel is listed for .A%2").arg(guarantee).arg(code)));
        }
        for (int numbers : fullNumbers) {
            const QString full = QStringLiteral("FULL%1.F%2").arg(numbers, 2, 10, QLatin1Char('0')).arg(code);
            QVERIFY2(listed.contains(full), qPrintable(full + QStringLiteral(" is not listed")));
        }
    }

    // Every seeded wheel: its name says what its header says, its rows are tickets of P distinct
    // positions, and every draw is matched as the header promises.
    void everyWheelKeepsItsGuarantee() {
        static const QRegularExpression abbreviated(QStringLiteral("^ABBR(\\d\\d)(\\d)(\\d)\\.A(\\d\\d)$"));
        static const QRegularExpression full(QStringLiteral("^FULL(\\d\\d)\\.F(\\d\\d)$"));
        const QStringList names = wheelFileNames(m_wheels, QStringLiteral("*.*"));
        int library = 0;
        for (const QString& name : names) {
            const QString path = m_wheels + name;
            const WheelFile file = WheelFile::read(path);
            const int p = file.NumbersPerTicket.toInt();
            const int k = file.Numbers.toInt();
            const int m = file.Match.toInt();
            const int c = file.Correct.toInt();
            QList<int> named;
            if (const QRegularExpressionMatch found = abbreviated.match(name); found.hasMatch()) {
                named = {found.captured(4).toInt(), found.captured(1).toInt(), found.captured(2).toInt(),
                         found.captured(3).toInt()};
                ++library;
            } else if (const QRegularExpressionMatch whole = full.match(name); whole.hasMatch()) {
                named = {whole.captured(2).toInt(), whole.captured(1).toInt(), whole.captured(2).toInt(),
                         whole.captured(2).toInt()};
            }
            QVERIFY2(named == (QList<int>{p, k, m, c}),
                     qPrintable(name + QStringLiteral(": name and header differ")));
            QVERIFY2(file.Tickets.toInt() == file.rows.size() && file.rows.size() < 1000,
                     qPrintable(name + QStringLiteral(": ") + file.Tickets));
            for (const QStringList& row : file.rows) {
                const QSet<QString> positions(row.cbegin(), row.cend());
                QVERIFY2(row.size() == p && positions.size() == p,
                         qPrintable(name + QStringLiteral(": ") + row.join(QString())));
            }
            const WheelCheck check = WheelVerifier::fromFile(file, path).check(m, c);
            QVERIFY2(check.holds(), qPrintable(QStringLiteral("%1: %2 of %3 draws not matched %4 if %5")
                                                   .arg(name)
                                                   .arg(check.holes)
                                                   .arg(check.draws)
                                                   .arg(m)
                                                   .arg(c)));
        }
        QVERIFY(library > 0);
    }
};

QTEST_GUILESS_MAIN(TestWheelLibrary)
#include "test_wheel_library.moc"
