// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/dbf_table.h"
#include "db/vantoro_error.h"
#include "lottery/drawing_table.h"
#include "support/lottery_builder.h"
#include "support/temp_home.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

namespace {

LotteryDefinition definitionOf(int drawn, int bonus) {
    LotteryDefinition d;
    d.NumbersDrawn = static_cast<qint16>(drawn);
    d.BonusNumbers = static_cast<qint16>(bonus);
    return d;
}

QString layoutOf(const QString& path) {
    DbfTable table;
    table.open(path);
    QStringList fields;
    for (const DbfField& field : table.fields())
        fields
            << QStringLiteral("%1 %2 %3").arg(field.name, QString(QLatin1Char(field.type))).arg(field.width);
    return fields.join(QStringLiteral(", "));
}

} // namespace

class TestDrawingTable final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fieldWidths_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("drawn");
        QTest::addColumn<int>("bonus");
        QTest::addColumn<QString>("layout");
        QTest::newRow("pick 3") << "NY3" << 3 << 0 << "DRAWDATE D 8, P1 C 1, P2 C 1, P3 C 1";
        QTest::newRow("midday pick 3") << "MD3" << 3 << 0 << "DRAWDATE D 8, P1 C 1, P2 C 1, P3 C 1";
        QTest::newRow("pick 4 without state")
            << "4" << 4 << 0 << "DRAWDATE D 8, P1 C 1, P2 C 1, P3 C 1, P4 C 1";
        QTest::newRow("6 + 1 bonus")
            << "PB545" << 7 << 1 << "DRAWDATE D 8, P1 C 2, P2 C 2, P3 C 2, P4 C 2, P5 C 2, P6 C 2, P7 C 2";
        QTest::newRow("quinto cards")
            << "DEQ" << 5 << 0 << "DRAWDATE D 8, P1 C 3, P2 C 3, P3 C 3, P4 C 3, P5 C 3";
        QTest::newRow("decco cards") << "CAD" << 4 << 0 << "DRAWDATE D 8, P1 C 3, P2 C 3, P3 C 3, P4 C 3";
        QTest::newRow("small WAD: only P1 is a card")
            << "WAD" << 4 << 0 << "DRAWDATE D 8, P1 C 3, P2 C 1, P3 C 1, P4 C 1";
        QTest::newRow("WAD of six") << "WAD" << 6 << 0
                                    << "DRAWDATE D 8, P1 C 3, P2 C 3, P3 C 3, P4 C 3, P5 C 3, P6 C 2";
        QTest::newRow("lucky day is never small")
            << "NYL" << 4 << 1 << "DRAWDATE D 8, P1 C 2, P2 C 2, P3 C 2, P4 C 2";
    }

    void fieldWidths() {
        QFETCH(QString, code);
        QFETCH(int, drawn);
        QFETCH(int, bonus);
        QFETCH(QString, layout);
        TempHome home;
        DrawingTable::CreateDrawingTable(home.dataDir(), code, definitionOf(drawn, bonus));
        QCOMPARE(layoutOf(home.dataDir() + code + QStringLiteral(".DBF")), layout);
        QVERIFY(QFileInfo::exists(home.dataDir() + code + QStringLiteral(".NSX")));
        DbfTable table;
        table.open(home.dataDir(), code + QStringLiteral(".DBF"));
        QCOMPARE(table.tagCount(), 1);
        QCOMPARE(table.tagName(1), QStringLiteral("DATETAG"));
        QCOMPARE(table.tagExpression(1), QStringLiteral("DRAWDATE"));
        QCOMPARE(table.RecordCount(), 0);
    }

    void keno22HasTwentyThreeFields() {
        TempHome home;
        DrawingTable::CreateDrawingTable(home.dataDir(), QStringLiteral("NYKENO"), definitionOf(22, 0));
        DbfTable table;
        table.open(home.dataDir() + QStringLiteral("NYKENO.DBF"));
        QCOMPARE(int(table.fields().size()), 23);
        QCOMPARE(table.FieldWidth(QStringLiteral("P22")), 2);
    }

    void companions_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("companion");
        QTest::addColumn<int>("digits");
        QTest::newRow("NJ646") << "NJ646"
                               << "NJK.DBF" << 5;
        QTest::newRow("OH647") << "OH647"
                               << "OHK.DBF" << 6;
        QTest::newRow("VA644") << "VA644"
                               << "VAK.DBF" << 6;
    }

    void companions() {
        QFETCH(QString, code);
        QFETCH(QString, companion);
        QFETCH(int, digits);
        TempHome home;
        DrawingTable::CreateDrawingTable(home.dataDir(), code, definitionOf(6, 0));
        DbfTable table;
        table.open(home.dataDir() + companion);
        QCOMPARE(int(table.fields().size()), digits + 1);
        QCOMPARE(table.FieldWidth(QStringLiteral("P1")), 1);
        QCOMPARE(table.tagName(1), QStringLiteral("DATETAG"));
        QVERIFY(QFileInfo::exists(home.dataDir() + companion.left(3) + QStringLiteral(".NSX")));
    }

    void noCompanionForOtherCodes() {
        TempHome home;
        DrawingTable::CreateDrawingTable(home.dataDir(), QStringLiteral("NY659"), definitionOf(6, 0));
        QCOMPARE(QDir(home.dataDir()).entryList(QDir::Files).size(), 2);
    }

    void creationFailureIsReported() {
        TempHome home;
        try {
            DrawingTable::CreateDrawingTable(home.path(QStringLiteral("missing/")), QStringLiteral("PB545"),
                                             definitionOf(6, 1));
            QFAIL("a table was made in a folder that does not exist");
        } catch (const VantoroError& error) {
            QVERIFY(error.message().contains(QStringLiteral("PB545.DBF")));
        }
    }

    void analysisWindowReadsNewestFirstAndNeverPastTheTable_data() {
        QTest::addColumn<int>("cutoff");
        QTest::addColumn<int>("expected");
        QTest::newRow("fewer than the table") << 3 << 3;
        QTest::newRow("all") << 5 << 5;
        QTest::newRow("more than the table") << 50 << 5;
        QTest::newRow("zero") << 0 << 0;
        QTest::newRow("negative") << -4 << 0;
    }

    void analysisWindowReadsNewestFirstAndNeverPastTheTable() {
        QFETCH(int, cutoff);
        QFETCH(int, expected);
        TempHome home;
        // Entered out of date order: the window follows the date index, not the record order.
        const QString file = LotteryBuilder(home.dataDir(), QStringLiteral("TS649"))
                                 .numbers(6, 49)
                                 .drawing(QStringLiteral("01/05/2020"), {"05", "06", "07", "08", "09", "10"})
                                 .drawing(QStringLiteral("01/01/2020"), {"01", "02", "03", "04", "05", "06"})
                                 .drawing(QStringLiteral("01/03/2020"), {"03", "04", "05", "06", "07", "08"})
                                 .drawing(QStringLiteral("01/02/2020"), {"02", "03", "04", "05", "06", "07"})
                                 .drawing(QStringLiteral("01/04/2020"), {"04", "05", "06", "07", "08", "09"})
                                 .build();
        DbfTable table;
        table.open(home.dataDir(), file);
        table.SetOrder(1);
        const std::vector<Drawing> drawings = readRecentDrawings(table, 6, cutoff);
        QCOMPARE(int(drawings.size()), expected);
        for (int i = 0; i < expected; ++i) {
            QCOMPARE(drawings[size_t(i)].position, 5 - i);
            QCOMPARE(drawings[size_t(i)].date, QStringLiteral("01/0%1/2020").arg(5 - i));
            QCOMPARE(drawings[size_t(i)].numbers.first(), QStringLiteral("0%1").arg(5 - i));
        }
    }

    void badNumbersNameTheDrawingAndField_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("blank") << ""
                               << "Drawing 00007 (03/04/2021): field P2 is blank.";
        QTest::newRow("letters")
            << "AB"
            << "Drawing 00007 (03/04/2021): field P2 holds \"AB\", which is not a number from 0 to 99.";
        QTest::newRow("above 99")
            << "123"
            << "Drawing 00007 (03/04/2021): field P2 holds \"123\", which is not a number from 0 to 99.";
    }

    void badNumbersNameTheDrawingAndField() {
        QFETCH(QString, value);
        QFETCH(QString, message);
        Drawing drawing;
        drawing.position = 7;
        drawing.date = QStringLiteral("03/04/2021");
        drawing.numbers = QStringList{QStringLiteral("01"), value, QStringLiteral("03")};
        try {
            drawingNumbers(drawing);
            QFAIL("a bad number was accepted");
        } catch (const VantoroError& error) {
            QCOMPARE(error.message(), message);
        }
    }

    void goodNumbersConvert() {
        Drawing drawing;
        drawing.numbers =
            QStringList{QStringLiteral("07"), QStringLiteral("7"), QStringLiteral("0"), QStringLiteral("99")};
        QCOMPARE(drawingNumbers(drawing), (std::vector<int>{7, 7, 0, 99}));
    }
};

QTEST_GUILESS_MAIN(TestDrawingTable)
#include "test_drawing_table.moc"
