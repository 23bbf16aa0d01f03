// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/dbf_format.h"
#include "db/dbf_table.h"
#include "db/vantoro_error.h"
#include "support/temp_home.h"

#include "db/atomic_file.h"

#include <QDate>
#include <QFile>
#include <QTest>
#include <algorithm>

namespace {

// The drawings of tests/data/dbf/drawings.dbf in file order (see make_fixtures.py).
const QList<QPair<QString, QString>> fixtureDrawings{
    {"03/15/2001", "01"}, {"01/07/1997", "05"}, {"02/29/2024", "02"}, {"12/31/1999", "07"},
    {"01/01/2000", "03"}, {"03/15/2001", "11"}, {"06/30/1998", "06"}, {"10/10/2010", "10"},
    {"01/01/1960", "01"}, {"12/31/2059", "43"}, {"05/05/2005", "05"}, {"01/04/1997", "08"},
    {"07/04/2020", "04"}, {"08/19/2015", "09"}, {"11/22/2003", "12"}, {"01/01/1999", "13"},
    {"12/12/2012", "12"}, {"02/29/2008", "02"}, {"09/09/2018", "09"}, {"01/31/2022", "01"},
};

QDate usDate(const QString& text) {
    return QDate::fromString(text, QStringLiteral("MM/dd/yyyy"));
}

QStringList walk(DbfTable& table, const QString& field, bool backwards = false) {
    QStringList values;
    if (backwards)
        table.GoBottom();
    else
        table.GoTop();
    for (int i = 0; i < table.RecordCount(); ++i) {
        values << table.FieldText(field);
        table.Skip(backwards ? -1 : 1);
    }
    return values;
}

quint32 headerCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0xFFFFFFFF;
    const QByteArray head = file.read(8);
    return quint32(quint8(head[4])) | quint32(quint8(head[5])) << 8 | quint32(quint8(head[6])) << 16 |
           quint32(quint8(head[7])) << 24;
}

// A drawing-like table: DRAWDATE + P1..P2, and a WON N(15,2) and CNT N(3,0) for the numeric kinds.
QString createSample(const TempHome& home, const QString& name = QStringLiteral("SAMPLE.DBF")) {
    DbfTable::Creator creator;
    const QString path = home.path(name);
    creator.CreateTable(path, 5);
    creator.AddField("DRAWDATE", 'D', 8, 0);
    creator.AddField("P1", 'C', 2, 0);
    creator.AddField("P2", 'C', 2, 0);
    creator.AddField("WON", 'N', 15, 2);
    creator.AddField("CNT", 'N', 3, 0);
    creator.CommitCreate();
    return path;
}

void appendDrawing(DbfTable& table, const QString& date, const QString& p1) {
    table.append();
    table.setFieldDate("DRAWDATE", date);
    table.SetField("P1", p1);
    table.post();
}

} // namespace

class TestTableEngine final : public QObject {
    Q_OBJECT

private slots:
    void readsTableWrittenByPythonDbf();
    void foreignIndexFileMeansDateTag();
    void readsNumericFields();
    void hidesDeletedRecordsOfOtherTools();
    void decodesAndEncodesWindows1252();
    void refusesBrokenFiles_data();
    void refusesBrokenFiles();
    void refusesTablesLargerThanItReads();
    void acceptsFilesOfOtherToolsAndCrashes_data();
    void acceptsFilesOfOtherToolsAndCrashes();
    void createRefusesBadDefinitions_data();
    void createRefusesBadDefinitions();
    void createsTableOthersCanRead();
    void cursorOnEmptyTable();
    void skipReportsRecordsMovedAndEnds();
    void orderIsMaintainedOnAppendEditDelete();
    void equalKeysKeepRecordOrder();
    void appendCancelAndImplicitPost();
    void editOnEmptyTableAppends();
    void setFieldValues_data();
    void setFieldValues();
    void tooWideValuesAreRefusedWhole_data();
    void tooWideValuesAreRefusedWhole();
    void postWritesRecordThenHeader();
    void packRemovesDeletedAndKeepsPlace();
    void indexTagsPersistInOurFile();
    void commitCreateDropsStaleIndex();
    void bookmarksAndGoToRecord();
    void unknownFieldNamesThrow();
    void staleWritesAreRefused_data();
    void staleWritesAreRefused();
};

void TestTableEngine::readsTableWrittenByPythonDbf() {
    TempHome home;
    DbfTable table;
    table.open(home.dir(), home.copyFixture("dbf/drawings.dbf", "PB545.DBF").section('/', -1));
    QCOMPARE(table.RecordCount(), 20);
    QCOMPARE(int(table.fields().size()), 7);
    QCOMPARE(table.fields()[0].name, QStringLiteral("DRAWDATE"));
    QCOMPARE(table.fields()[0].type, 'D');
    QCOMPARE(table.fields()[6].name, QStringLiteral("P6"));
    QCOMPARE(table.FieldWidth("p6"), 2);
    QCOMPARE(table.tagCount(), 0);

    QStringList dates, firsts;
    for (const auto& d : fixtureDrawings) {
        dates << d.first;
        firsts << d.second;
    }
    QCOMPARE(walk(table, "DRAWDATE"), dates);
    QCOMPARE(walk(table, "P1"), firsts);
    table.GoTop();
    QCOMPARE(table.DateText("DRAWDATE"), QStringLiteral("03/15/2001"));
    QCOMPARE(table.FieldText("P6"), QStringLiteral("49"));
    QCOMPARE(table.recordNumber(), 1);
}

void TestTableEngine::foreignIndexFileMeansDateTag() {
    TempHome home;
    home.copyFixture("dbf/drawings.dbf", "PB545.DBF");
    home.copyFixture("dbf/foreign.nsx", "pb545.nsx");
    DbfTable table;
    table.open(home.dir(), "PB545.DBF");
    QCOMPARE(table.tagCount(), 1);
    QCOMPARE(table.tagName(1), QStringLiteral("DATETAG"));
    QCOMPARE(table.tagExpression(1), QStringLiteral("DRAWDATE"));
    table.SetOrder(1);

    auto sorted = fixtureDrawings;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto& a, const auto& b) { return usDate(a.first) < usDate(b.first); });
    QStringList dates, firsts;
    for (const auto& d : sorted) {
        dates << d.first;
        firsts << d.second;
    }
    QCOMPARE(walk(table, "DRAWDATE"), dates);
    QCOMPARE(walk(table, "P1"), firsts);
    std::reverse(dates.begin(), dates.end());
    QCOMPARE(walk(table, "DRAWDATE", true), dates);
    table.GoBottom();
    QCOMPARE(table.DateText("DRAWDATE"), QStringLiteral("12/31/2059"));
    QCOMPARE(table.OrderPosition(), 20);
}

void TestTableEngine::readsNumericFields() {
    TempHome home;
    DbfTable table;
    table.open(home.copyFixture("dbf/numbers.dbf"));
    QCOMPARE(table.fields()[1].decimals, 2);
    table.GoTop();
    QCOMPARE(table.FieldText("WON"), QStringLiteral("     1234567.89"));
    QCOMPARE(table.fieldNumber("WON"), 1234567.89);
    table.Skip();
    QCOMPARE(table.FieldText("NAME"), QStringLiteral("negative  "));
    QCOMPARE(table.fieldNumber("WON"), -42.5);
    QCOMPARE(table.fieldNumber("LOST"), -0.01);
    QCOMPARE(table.fieldNumber("COUNT"), -7.0);
    table.GoBottom();
    QCOMPARE(table.fieldNumber("WON"), 999999999999.99);
    QCOMPARE(table.fieldNumber("LOST"), -9999999999.99);

    // Numeric keys order by value, not by text ("-42.50" sorts after "0.00" as text).
    table.CreateIndexTag("WONTAG", "WON");
    table.SetOrder(1);
    QCOMPARE(walk(table, "NAME"), QStringList({"negative  ", "zero      ", "first     ", "large     "}));
}

void TestTableEngine::hidesDeletedRecordsOfOtherTools() {
    TempHome home;
    DbfTable table;
    const QString path = home.copyFixture("dbf/deleted.dbf");
    table.open(path);
    QCOMPARE(table.RecordCount(), 3);
    QCOMPARE(walk(table, "P1"), QStringList({"02", "03", "05"}));
    QCOMPARE(walk(table, "P1", true), QStringList({"05", "03", "02"}));
    QVERIFY_THROWS_EXCEPTION(VantoroError, table.GoToRecord(1));
    table.GoToRecord(5);
    QCOMPARE(table.OrderPosition(), 3);
}

void TestTableEngine::decodesAndEncodesWindows1252() {
    TempHome home;
    const QString path = home.copyFixture("dbf/cp1252.dbf");
    {
        DbfTable table;
        table.open(path);
        QCOMPARE(
            walk(table, "COMMENT"),
            QStringList({QString::fromUtf8("Señor €             "), QString::fromUtf8("naïve – “quoted”    "),
                         QString::fromUtf8("Œuvre ‰ Šž Ÿ        "), QStringLiteral("plain               ")}));
        table.GoBottom();
        table.edit();
        table.SetField("COMMENT", QString::fromUtf8("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—"));
        QVERIFY_THROWS_EXCEPTION(VantoroError, table.SetField("COMMENT", QString::fromUtf8("Жук")));
        table.post();
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QByteArray expected;
    for (int c = 0x80; c < 0xA0; ++c) {
        if (c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 && c != 0x9D)
            expected += char(c);
    }
    QVERIFY2(bytes.contains(expected.left(20)), "the text is not stored as Windows-1252");
    DbfTable again;
    again.open(path);
    again.GoBottom();
    QCOMPARE(again.FieldText("COMMENT").left(7), QString::fromUtf8("€‚ƒ„…†‡"));
}

void TestTableEngine::refusesBrokenFiles_data() {
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("fault");
    QTest::newRow("zero-length") << "empty.dbf"
                                 << "it is empty";
    QTest::newRow("random bytes") << "random.dbf"
                                  << "does not start like a dBASE III table";
    QTest::newRow("other version") << "wrong_version.dbf"
                                   << "does not start like a dBASE III table";
    QTest::newRow("truncated") << "truncated.dbf"
                               << "shorter than its header says";
    QTest::newRow("count beyond size") << "count_too_large.dbf"
                                       << "21 records need 698 bytes, the file holds 678";
    QTest::newRow("descriptors overrun header") << "header_length_short.dbf"
                                                << "run past the end of its header";
    QTest::newRow("record length") << "record_length_wrong.dbf"
                                   << "record length (22)";
    QTest::newRow("no fields") << "zero_fields.dbf"
                               << "it has no fields";
    QTest::newRow("unknown type") << "unknown_type.dbf"
                                  << "the field P1 has the type 'F'";
}

void TestTableEngine::refusesBrokenFiles() {
    QFETCH(QString, fixture);
    QFETCH(QString, fault);
    TempHome home;
    const QString path = home.copyFixture("dbf/" + fixture, "PB545.DBF");
    DbfTable table;
    try {
        table.open(path);
        QFAIL("the file was accepted");
    } catch (const VantoroError& e) {
        QVERIFY2(e.message().startsWith("The file PB545.DBF is not a valid table: "),
                 qPrintable(e.message()));
        QVERIFY2(e.message().contains(fault), qPrintable(e.message()));
    }
    QVERIFY(!table.isOpen());
}

// A sparse file may claim any number of records; past a gigabyte the table is refused before its
// records are read, instead of costing that much memory.
void TestTableEngine::refusesTablesLargerThanItReads() {
    TempHome home;
    const QString path = createSample(home);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    const QByteArray head = file.read(12);
    const int headerLength = quint8(head[8]) | quint8(head[9]) << 8;
    const int recordLength = quint8(head[10]) | quint8(head[11]) << 8;
    const quint32 count = quint32((qint64(1) << 30) / recordLength + 1);
    QVERIFY(file.seek(4));
    const char countBytes[4] = {char(count & 0xFF), char(count >> 8 & 0xFF), char(count >> 16 & 0xFF),
                                char(count >> 24)};
    QCOMPARE(file.write(countBytes, 4), qint64(4));
    QVERIFY(file.resize(headerLength + qint64(count) * recordLength + 1));
    file.close();

    DbfTable table;
    try {
        table.open(path);
        QFAIL("the table was read");
    } catch (const VantoroError& e) {
        QVERIFY2(e.message().contains("more than the 1,024 MB a table may hold"), qPrintable(e.message()));
    }
    QVERIFY(!table.isOpen());
}

void TestTableEngine::acceptsFilesOfOtherToolsAndCrashes_data() {
    QTest::addColumn<QString>("fixture");
    QTest::newRow("longer header, no end marker") << "foreign.dbf";
    QTest::newRow("half a record after the last") << "trailing.dbf";
}

void TestTableEngine::acceptsFilesOfOtherToolsAndCrashes() {
    QFETCH(QString, fixture);
    TempHome home;
    const QString path = home.copyFixture("dbf/" + fixture, "PB545.DBF");
    DbfTable table;
    table.open(path);
    QCOMPARE(table.RecordCount(), 20);
    table.GoBottom();
    QCOMPARE(table.DateText("DRAWDATE"), QStringLiteral("01/31/2022"));
    QCOMPARE(table.FieldText("P6"), QStringLiteral("49"));
    // Appending over what is left keeps the table valid.
    appendDrawing(table, "02/01/2022", "07");
    table.close();
    table.open(path);
    QCOMPARE(table.RecordCount(), 21);
    table.GoBottom();
    QCOMPARE(table.FieldText("P1"), QStringLiteral("07"));
    table.Skip(-1);
    QCOMPARE(table.DateText("DRAWDATE"), QStringLiteral("01/31/2022"));
}

void TestTableEngine::createRefusesBadDefinitions_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<char>("type");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("plain") << "P1" << 'C' << 2 << 0 << true;
    QTest::newRow("long name is cut") << "ABCDEFGHIJKL" << 'C' << 2 << 0 << true;
    QTest::newRow("money") << "WON" << 'N' << 15 << 2 << true;
    QTest::newRow("digit first") << "1P" << 'C' << 2 << 0 << false;
    QTest::newRow("blank in name") << "P 1" << 'C' << 2 << 0 << false;
    QTest::newRow("empty name") << "" << 'C' << 2 << 0 << false;
    QTest::newRow("duplicate") << "DRAWDATE" << 'C' << 2 << 0 << false;
    QTest::newRow("zero width") << "P1" << 'C' << 0 << 0 << false;
    QTest::newRow("too wide text") << "P1" << 'C' << 255 << 0 << false;
    QTest::newRow("date not 8") << "D2" << 'D' << 10 << 0 << false;
    QTest::newRow("no room for decimals") << "N1" << 'N' << 3 << 2 << false;
    QTest::newRow("logical") << "L1" << 'L' << 1 << 0 << false;
}

void TestTableEngine::createRefusesBadDefinitions() {
    QFETCH(QString, name);
    QFETCH(char, type);
    QFETCH(int, width);
    QFETCH(int, decimals);
    QFETCH(bool, accepted);
    TempHome home;
    DbfTable::Creator creator;
    creator.CreateTable(home.path("T.DBF"), 2);
    creator.AddField("DRAWDATE", 'D', 8, 0);
    if (!accepted) {
        try {
            creator.AddField(name, type, width, decimals);
            QFAIL("the field was accepted");
        } catch (const VantoroError& error) {
            QVERIFY(error.message().contains("T.DBF"));
        }
        QVERIFY_THROWS_EXCEPTION(VantoroError, creator.CommitCreate());
        QVERIFY(!QFile::exists(home.path("T.DBF")));
        return;
    }
    creator.AddField(name, type, width, decimals);
    QVERIFY_THROWS_EXCEPTION(VantoroError, creator.AddField("EXTRA", 'C', 1, 0)); // more than declared
    creator.CommitCreate();
    DbfTable table;
    table.open(home.path("T.DBF"));
    QCOMPARE(table.fields()[1].name, name.left(10).toUpper());
    QCOMPARE(table.fields()[1].width, width);
    QCOMPARE(table.RecordCount(), 0);
}

void TestTableEngine::createsTableOthersCanRead() {
    TempHome home;
    DbfTable::Creator creator;
    QVERIFY_THROWS_EXCEPTION(VantoroError, creator.CreateTable(home.path("missing/T.DBF"), 1));
    QVERIFY_THROWS_EXCEPTION(VantoroError, creator.CreateTable(home.path("T.DBF"), 0));
    const QString path = createSample(home);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    // 32 + 5 * 32 + 1 header bytes, then the end marker and nothing else.
    QCOMPARE(bytes.size(), 32 + 5 * 32 + 1 + 1);
    QCOMPARE(bytes[0], char(0x03));
    QCOMPARE(bytes[32 + 5 * 32], char(0x0D));
    QCOMPARE(bytes.back(), char(0x1A));
    const DbfFormat::Header header = DbfFormat::parseHeader(bytes, bytes.size(), "SAMPLE.DBF");
    QCOMPARE(header.recordLength, 1 + 8 + 2 + 2 + 15 + 3);
    QCOMPARE(header.lastUpdate, QDate::currentDate());
    QCOMPARE(header.fields[3].decimals, 2);
}

void TestTableEngine::cursorOnEmptyTable() {
    TempHome home;
    DbfTable table;
    table.open(createSample(home));
    QCOMPARE(table.RecordCount(), 0);
    QVERIFY(table.eof() && table.bof());
    table.GoBottom();
    QVERIFY(table.eof() && table.bof());
    QCOMPARE(table.Skip(-1), 0);
    QCOMPARE(table.Skip(5), 0);
    QCOMPARE(table.OrderPosition(), 0);
    QCOMPARE(table.recordNumber(), 0);
    QVERIFY_THROWS_EXCEPTION(VantoroError, table.FieldText("P1"));
    QVERIFY_THROWS_EXCEPTION(VantoroError, table.DeleteRecord());
    table.Pack();
    QCOMPARE(table.RecordCount(), 0);
}

void TestTableEngine::skipReportsRecordsMovedAndEnds() {
    TempHome home;
    DbfTable table;
    table.open(home.copyFixture("dbf/drawings.dbf"));
    table.GoTop();
    QVERIFY(!table.eof() && !table.bof());
    QCOMPARE(table.Skip(5), 5);
    QCOMPARE(table.OrderPosition(), 6);
    QCOMPARE(table.Skip(-2), -2);
    QCOMPARE(table.OrderPosition(), 4);
    QCOMPARE(table.Skip(100), 16);
    QVERIFY(table.eof());
    QCOMPARE(table.OrderPosition(), 20);
    QCOMPARE(table.Skip(1), 0);
    QVERIFY(table.eof());
    QCOMPARE(table.Skip(-1), -1);
    QVERIFY(!table.eof());
    QCOMPARE(table.Skip(-100), -18);
    QVERIFY(table.bof());
    QCOMPARE(table.OrderPosition(), 1);
    QCOMPARE(table.Skip(std::numeric_limits<int>::min()), 0);
    QCOMPARE(table.Skip(std::numeric_limits<int>::max()), 19);
    table.GoTop();
    QVERIFY(!table.bof());
}

void TestTableEngine::orderIsMaintainedOnAppendEditDelete() {
    TempHome home;
    DbfTable table;
    const QString path = createSample(home);
    table.open(path);
    table.CreateIndexTag("DATETAG", "DRAWDATE");
    table.SetOrder(1);
    appendDrawing(table, "05/05/2005", "05");
    appendDrawing(table, "01/01/2001", "01");
    QCOMPARE(table.FieldText("P1"), QStringLiteral("01"));
    QCOMPARE(table.OrderPosition(), 1);
    appendDrawing(table, "03/03/2003", "03");
    QCOMPARE(table.OrderPosition(), 2);
    QCOMPARE(walk(table, "P1"), QStringList({"01", "03", "05"}));

    // An edit that moves the key moves the record; the cursor stays on it.
    table.GoTop();
    table.edit();
    table.setFieldDate("DRAWDATE", "12/31/2009");
    table.post();
    QCOMPARE(table.FieldText("P1"), QStringLiteral("01"));
    QCOMPARE(table.OrderPosition(), 3);
    QCOMPARE(walk(table, "P1"), QStringList({"03", "05", "01"}));

    // Deleting the last record leaves the cursor on the new last one.
    table.GoBottom();
    table.DeleteRecord();
    QCOMPARE(table.RecordCount(), 2);
    QCOMPARE(table.FieldText("P1"), QStringLiteral("05"));
    // Deleting the first moves to the one that followed.
    table.GoTop();
    table.DeleteRecord();
    QCOMPARE(table.FieldText("P1"), QStringLiteral("05"));
    QCOMPARE(table.OrderPosition(), 1);

    // The physical order hides the deleted records as well.
    table.SetOrder(0);
    QCOMPARE(walk(table, "P1"), QStringList({"05"}));
    table.close();
    table.open(path);
    QCOMPARE(table.RecordCount(), 1);
    QCOMPARE(table.tagCount(), 1);
}

void TestTableEngine::equalKeysKeepRecordOrder() {
    TempHome home;
    DbfTable table;
    table.open(createSample(home));
    table.CreateIndexTag("DATETAG", "DRAWDATE");
    const QStringList dates{"02/02/2002", "01/01/2001", "02/02/2002", "", "01/01/2001", "02/02/2002"};
    for (int i = 0; i < dates.size(); ++i)
        appendDrawing(table, dates[i], QString::number(i));
    table.SetOrder(1);
    QCOMPARE(walk(table, "P1"), QStringList({"3 ", "1 ", "4 ", "0 ", "2 ", "5 "}));
    // An edit that keeps the key keeps the place among equals.
    table.GoToRecord(3);
    table.edit();
    table.SetField("P2", "xx");
    table.post();
    QCOMPARE(walk(table, "P1"), QStringList({"3 ", "1 ", "4 ", "0 ", "2 ", "5 "}));
    table.GoTop();
    QCOMPARE(table.DateText("DRAWDATE"), QString());
}

void TestTableEngine::appendCancelAndImplicitPost() {
    TempHome home;
    DbfTable table;
    table.open(createSample(home));
    appendDrawing(table, "01/01/2001", "01");
    table.append();
    QCOMPARE(table.state(), DbfTable::State::Append);
    table.SetField("P1", "02");
    QCOMPARE(table.FieldText("P1"), QStringLiteral("02"));
    table.cancel();
    QCOMPARE(table.RecordCount(), 1);
    QCOMPARE(table.FieldText("P1"), QStringLiteral("01"));

    // Moving away from a changed buffer stores it, as in data-aware grids; an unchanged one is dropped.
    table.append();
    table.SetField("P1", "03");
    table.GoTop();
    QCOMPARE(table.RecordCount(), 2);
    QCOMPARE(table.state(), DbfTable::State::Browse);
    table.append();
    table.GoTop();
    QCOMPARE(table.RecordCount(), 2);

    table.edit();
    table.SetField("P1", "09");
    table.cancel();
    QCOMPARE(table.FieldText("P1"), QStringLiteral("01"));
    QVERIFY_THROWS_EXCEPTION(VantoroError, table.SetField("P1", "04"));
    // Deleting while appending drops the new record only.
    table.append();
    table.DeleteRecord();
    QCOMPARE(table.RecordCount(), 2);
}

void TestTableEngine::editOnEmptyTableAppends() {
    TempHome home;
    DbfTable table;
    table.open(createSample(home));
    table.edit();
    QCOMPARE(table.state(), DbfTable::State::Append);
    table.SetField("P1", "07");
    table.post();
    QCOMPARE(table.RecordCount(), 1);
    table.edit();
    QCOMPARE(table.state(), DbfTable::State::Edit);
}

void TestTableEngine::setFieldValues_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("stored");
    QTest::newRow("text padded") << "P1"
                                 << "text"
                                 << "7"
                                 << "7 ";
    QTest::newRow("text trailing blanks beyond width") << "P1"
                                                       << "text"
                                                       << "07   "
                                                       << "07";
    QTest::newRow("date four-digit year") << "DRAWDATE"
                                          << "date"
                                          << "01/07/1997"
                                          << "01/07/1997";
    QTest::newRow("date epoch 60 is 1960") << "DRAWDATE"
                                           << "date"
                                           << "3/4/60"
                                           << "03/04/1960";
    QTest::newRow("date epoch 99 is 1999") << "DRAWDATE"
                                           << "date"
                                           << "12/31/99"
                                           << "12/31/1999";
    QTest::newRow("date epoch 00 is 2000") << "DRAWDATE"
                                           << "date"
                                           << "01/01/00"
                                           << "01/01/2000";
    QTest::newRow("date epoch 59 is 2059") << "DRAWDATE"
                                           << "date"
                                           << "02/28/59"
                                           << "02/28/2059";
    QTest::newRow("date blank") << "DRAWDATE"
                                << "date"
                                << ""
                                << "";
    QTest::newRow("date through SetField") << "DRAWDATE"
                                           << "text"
                                           << "02/29/2000"
                                           << "02/29/2000";
    QTest::newRow("money double") << "WON"
                                  << "double"
                                  << "12.5"
                                  << "          12.50";
    QTest::newRow("money rounds") << "WON"
                                  << "double"
                                  << "2.675001"
                                  << "           2.68";
    QTest::newRow("money negative") << "WON"
                                    << "double"
                                    << "-1234.5"
                                    << "       -1234.50";
    QTest::newRow("negative zero") << "WON"
                                   << "double"
                                   << "-0.001"
                                   << "           0.00";
    QTest::newRow("money integer") << "WON"
                                   << "integer"
                                   << "-7"
                                   << "          -7.00";
    QTest::newRow("money text") << "WON"
                                << "text"
                                << " 3.1 "
                                << "           3.10";
    QTest::newRow("money widest") << "WON"
                                  << "double"
                                  << "999999999999.99"
                                  << "999999999999.99";
    QTest::newRow("count integer") << "CNT"
                                   << "integer"
                                   << "999"
                                   << "999";
    QTest::newRow("count negative") << "CNT"
                                    << "integer"
                                    << "-99"
                                    << "-99";
    QTest::newRow("count blank text") << "CNT"
                                      << "text"
                                      << "  "
                                      << "   ";
    QTest::newRow("integer into text") << "P2"
                                       << "integer"
                                       << "5"
                                       << "5 ";
}

void TestTableEngine::setFieldValues() {
    QFETCH(QString, field);
    QFETCH(QString, kind);
    QFETCH(QString, value);
    QFETCH(QString, stored);
    TempHome home;
    const QString path = createSample(home);
    {
        DbfTable table;
        table.open(path);
        table.append();
        if (kind == "text")
            table.SetField(field, value);
        else if (kind == "date")
            table.setFieldDate(field, value);
        else if (kind == "integer")
            table.setFieldInteger(field, value.toLongLong());
        else
            table.setFieldDouble(field, value.toDouble());
        table.post();
    }
    DbfTable table;
    table.open(path);
    QCOMPARE(table.FieldText(field), stored);
}

void TestTableEngine::tooWideValuesAreRefusedWhole_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("value");
    QTest::newRow("text") << "P1"
                          << "text"
                          << "123";
    QTest::newRow("integer into N3") << "CNT"
                                     << "integer"
                                     << "1000";
    QTest::newRow("negative into N3") << "CNT"
                                      << "integer"
                                      << "-100";
    QTest::newRow("double into N15.2") << "WON"
                                       << "double"
                                       << "1000000000000";
    QTest::newRow("text into N15.2") << "WON"
                                     << "text"
                                     << "abc";
    QTest::newRow("not finite") << "WON"
                                << "double"
                                << "inf";
    QTest::newRow("month 13") << "DRAWDATE"
                              << "date"
                              << "13/01/2000";
    QTest::newRow("february 30") << "DRAWDATE"
                                 << "date"
                                 << "02/30/2000";
    QTest::newRow("three-digit year") << "DRAWDATE"
                                      << "date"
                                      << "01/01/200";
    QTest::newRow("iso date") << "DRAWDATE"
                              << "date"
                              << "2000-01-01";
    QTest::newRow("number into date") << "DRAWDATE"
                                      << "integer"
                                      << "20000101";
}

void TestTableEngine::tooWideValuesAreRefusedWhole() {
    QFETCH(QString, field);
    QFETCH(QString, kind);
    QFETCH(QString, value);
    TempHome home;
    DbfTable table;
    table.open(createSample(home));
    appendDrawing(table, "01/01/2001", "01");
    table.edit();
    table.setFieldDouble("WON", 5);
    table.setFieldInteger("CNT", 6);
    const QString before = table.FieldText(field);
    try {
        if (kind == "text")
            table.SetField(field, value);
        else if (kind == "date")
            table.setFieldDate(field, value);
        else if (kind == "integer")
            table.setFieldInteger(field, value.toLongLong());
        else
            table.setFieldDouble(field, value.toDouble());
        QFAIL("the value was accepted");
    } catch (const VantoroError& e) {
        QVERIFY2(e.message().contains(field) && e.message().contains("SAMPLE.DBF"), qPrintable(e.message()));
    }
    QCOMPARE(table.FieldText(field), before);
    table.post();
    QCOMPARE(table.FieldText(field), before);
}

void TestTableEngine::postWritesRecordThenHeader() {
    TempHome home;
    const QString path = createSample(home);
    DbfTable table;
    table.open(path);
    for (int i = 1; i <= 3; ++i) {
        appendDrawing(table, "01/01/2001", QString::number(i));
        QCOMPARE(headerCount(path), quint32(i));
        const QByteArray bytes = home.readFile("SAMPLE.DBF");
        QCOMPARE(bytes.size(), 32 + 5 * 32 + 1 + i * 31 + 1);
        QCOMPARE(bytes.back(), char(0x1A));
    }
    table.GoToRecord(2);
    table.DeleteRecord();
    const QByteArray bytes = home.readFile("SAMPLE.DBF");
    QCOMPARE(bytes[32 + 5 * 32 + 1 + 31], '*');
    QCOMPARE(headerCount(path), quint32(3));
}

void TestTableEngine::packRemovesDeletedAndKeepsPlace() {
    TempHome home;
    const QString path = home.copyFixture("dbf/deleted.dbf");
    DbfTable table;
    table.open(path);
    table.CreateIndexTag("DATETAG", "DRAWDATE");
    table.SetOrder(1);
    table.GoToRecord(3);
    table.Pack();
    QCOMPARE(table.RecordCount(), 3);
    QCOMPARE(table.recordNumber(), 2);
    QCOMPARE(table.FieldText("P1"), QStringLiteral("03"));
    QCOMPARE(headerCount(path), quint32(3));
    QCOMPARE(QFileInfo(path).size(), qint64(32 + 2 * 32 + 1 + 3 * 11 + 1));
    // Still usable after the file was replaced under it.
    appendDrawing(table, "01/01/1999", "00");
    QCOMPARE(walk(table, "P1"), QStringList({"00", "02", "03", "05"}));
    table.close();
    table.open(path);
    QCOMPARE(table.RecordCount(), 4);
    QCOMPARE(walk(table, "P1"), QStringList({"02", "03", "05", "00"}));
}

void TestTableEngine::indexTagsPersistInOurFile() {
    TempHome home;
    const QString path = createSample(home, "draw.dbf");
    {
        DbfTable table;
        table.open(path);
        table.CreateIndexTag("datetag", "drawdate");
        table.CreateIndexTag("P1TAG", "P1");
        QVERIFY_THROWS_EXCEPTION(VantoroError, table.CreateIndexTag("BAD", "NOSUCH"));
        QVERIFY_THROWS_EXCEPTION(VantoroError, table.SetOrder(3));
    }
    QVERIFY(QFile::exists(home.path("draw.nsx")));
    const auto tags = DbfFormat::parseIndexFile(home.readFile("draw.nsx"));
    QVERIFY(tags.has_value());
    QCOMPARE(int(tags->size()), 2);
    // The index is found whatever the case of its name.
    QVERIFY(QFile::rename(home.path("draw.nsx"), home.path("DRAW.NSX")));
    DbfTable table;
    table.open(home.dir(), "DRAW.DBF");
    QCOMPARE(table.tagCount(), 2);
    QCOMPARE(table.tagName(1), QStringLiteral("DATETAG"));
    QCOMPARE(table.tagExpression(2), QStringLiteral("P1"));
    appendDrawing(table, "02/02/2002", "20");
    appendDrawing(table, "01/01/2001", "30");
    appendDrawing(table, "03/03/2003", "10");
    table.SetOrder(2);
    QCOMPARE(table.FieldText("P1"), QStringLiteral("10"));
    QCOMPARE(walk(table, "P1"), QStringList({"10", "20", "30"}));
    table.SetOrder(1);
    QCOMPARE(walk(table, "P1"), QStringList({"30", "20", "10"}));
}

void TestTableEngine::commitCreateDropsStaleIndex() {
    TempHome home;
    home.writeFile("SAMPLE.nsx", DbfFormat::indexFileBytes({{"OLDTAG", "GONE"}}));
    createSample(home);
    QVERIFY(!QFile::exists(home.path("SAMPLE.nsx")));
    DbfTable table;
    table.open(home.path("SAMPLE.DBF"));
    QCOMPARE(table.tagCount(), 0);
    // An index of ours naming a field the table lacks is refused with its name.
    home.writeFile("SAMPLE.NSX", DbfFormat::indexFileBytes({{"OLDTAG", "GONE"}}));
    try {
        table.open(home.path("SAMPLE.DBF"));
        QFAIL("the index was accepted");
    } catch (const VantoroError& e) {
        QVERIFY(e.message().contains("SAMPLE.NSX") && e.message().contains("GONE"));
    }
}

void TestTableEngine::bookmarksAndGoToRecord() {
    TempHome home;
    home.copyFixture("dbf/drawings.dbf", "D.DBF");
    home.copyFixture("dbf/foreign.nsx", "D.NSX");
    DbfTable table;
    table.open(home.path("D.DBF"));
    table.SetOrder(1);
    table.GoToRecord(6);
    QCOMPARE(table.FieldText("P1"), QStringLiteral("11"));
    const DbfTable::Bookmark mark = table.bookmark();
    const int position = table.OrderPosition();
    QCOMPARE(position, 9); // the later of the two 03/15/2001 drawings
    table.GoTop();
    table.goToBookmark(mark);
    QCOMPARE(table.OrderPosition(), position);
    QVERIFY_THROWS_EXCEPTION(VantoroError, table.GoToRecord(0));
    QVERIFY_THROWS_EXCEPTION(VantoroError, table.GoToRecord(21));
    table.DeleteRecord();
    QVERIFY_THROWS_EXCEPTION(VantoroError, table.goToBookmark(mark));
}

void TestTableEngine::unknownFieldNamesThrow() {
    TempHome home;
    DbfTable table;
    table.open(home.copyFixture("dbf/drawings.dbf"));
    try {
        table.FieldText("P7");
        QFAIL("no error");
    } catch (const VantoroError& e) {
        QCOMPARE(e.message(), QStringLiteral("The table drawings.dbf has no field named P7."));
    }
    QVERIFY_THROWS_EXCEPTION(VantoroError, table.DateText("P1"));
    QVERIFY_THROWS_EXCEPTION(VantoroError, table.FieldWidth("NOPE"));
    QCOMPARE(table.fieldIndex("p3"), 3);
    QCOMPARE(table.fieldIndex("P7"), -1);
    QVERIFY_THROWS_EXCEPTION(VantoroError, table.open(home.dir(), "NOSUCH.DBF"));
    QVERIFY(!table.isOpen());
}

QTEST_GUILESS_MAIN(TestTableEngine)
#include "test_table_engine.moc"

// Another process appended to the file, or renamed a new table over it, after this one read it.
void TestTableEngine::staleWritesAreRefused_data() {
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<QString>("write");
    for (const char* write : {"append", "edit", "delete", "pack", "appendAll"}) {
        QTest::addRow("appended, %s", write) << false << QString::fromLatin1(write);
        QTest::addRow("replaced, %s", write) << true << QString::fromLatin1(write);
    }
}

void TestTableEngine::staleWritesAreRefused() {
    QFETCH(bool, replaced);
    QFETCH(QString, write);
    TempHome home;
    const QString path = createSample(home);
    {
        DbfTable first;
        first.open(path);
        appendDrawing(first, "01/01/2001", "01");
        appendDrawing(first, "01/02/2001", "02");
    }
    DbfTable mine;
    mine.open(path);
    QVERIFY(!mine.changedOnDisk());
    // A replaced file may hold the same records: what counts is that it is another file.
    if (replaced) {
        QCOMPARE(AtomicFile::writeFile(path, home.readFile("SAMPLE.DBF")), QString());
    } else {
        DbfTable other;
        other.open(path);
        appendDrawing(other, "01/03/2001", "03");
    }
    const QByteArray theirs = home.readFile("SAMPLE.DBF");
    QVERIFY(mine.changedOnDisk());
    mine.GoTop();
    try {
        if (write == "append") {
            appendDrawing(mine, "01/04/2001", "04");
        } else if (write == "edit") {
            mine.edit();
            mine.SetField("P1", "99");
            mine.post();
        } else if (write == "delete") {
            mine.DeleteRecord();
        } else if (write == "appendAll") {
            const int date = mine.fieldIndex("DRAWDATE");
            mine.appendAll(1, [&](int, char* record) { mine.encodeField(date, QDate(2001, 1, 4), record); });
        } else {
            mine.Pack();
        }
        QFAIL("the stale table was written");
    } catch (const VantoroError& e) {
        QCOMPARE(e.message(),
                 QStringLiteral("The table SAMPLE.DBF was changed by another program after it was "
                                "read; nothing was written."));
    }
    QCOMPARE(home.readFile("SAMPLE.DBF"), theirs);
    // Read again, it holds what the other writer left and takes writes once more.
    mine.cancel();
    mine.reopen();
    QVERIFY(!mine.changedOnDisk());
    appendDrawing(mine, "01/04/2001", "04");
    QCOMPARE(walk(mine, "P1"),
             replaced ? QStringList({"01", "02", "04"}) : QStringList({"01", "02", "03", "04"}));
}
