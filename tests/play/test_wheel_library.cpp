// SPDX-License-Identifier: GPL-3.0-or-later
// The wheels a new home is given: each one must keep the guarantee its header states, or a player
// would trust a promise no one checked. The files are read from a freshly seeded home, so what is
// verified is exactly what ships.
#include "db/vantoro_error.h"
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

private slots:
    void initTestCase() {
        ProgramHome home(m_scratch.path(QStringLiteral("home")));
        home.prepare();
        QVERIFY(home.wasSeeded());
        m_wheels = home.wheelsDir();
    }

    // The wheel lists of 5- and 6-number lotteries find every guarantee of the library, from the
    // smallest wheel (P + 2 numbers) up.
    void everyGuaranteeIsListed_data() {
        QTest::addColumn<int>("perTicket");
        QTest::addColumn<QList<int>>("guarantees"); // M * 10 + C
        QTest::newRow("6-number tickets") << 6 << QList<int>{33, 34, 35, 36, 44, 45, 46, 55, 56};
        QTest::newRow("5-number tickets") << 5 << QList<int>{33, 34, 35, 44, 45};
    }
    void everyGuaranteeIsListed() {
        QFETCH(int, perTicket);
        QFETCH(QList<int>, guarantees);
        const QString size = QStringLiteral("%1").arg(perTicket, 2, 10, QLatin1Char('0'));
        const QStringList listed = wheelFileNames(m_wheels, QStringLiteral("*.?") + size);
        for (int guarantee : guarantees) {
            const QString smallest = QStringLiteral("ABBR%1%2.A%3")
                                         .arg(perTicket + 2, 2, 10, QLatin1Char('0'))
                                         .arg(guarantee)
                                         .arg(size);
            QVERIFY2(listed.contains(smallest), qPrintable(smallest + QStringLiteral(" is not listed")));
        }
        // Full and abbreviated wheels side by side, both found by the pattern of the wheel page.
        QVERIFY(listed.contains(
            QStringLiteral("FULL%1.F%2").arg(perTicket + 2, 2, 10, QLatin1Char('0')).arg(size)));
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
