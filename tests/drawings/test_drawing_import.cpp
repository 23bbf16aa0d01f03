// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/dbf_table.h"
#include "db/vantoro_error.h"
#include "drawings/csv_reader.h"
#include "drawings/drawing_export.h"
#include "drawings/drawing_import.h"
#include "drawings/import_layout.h"
#include "lottery/current_lottery.h"
#include "lottery/drawing_table.h"
#include "lottery/program_home.h"
#include "support/lottery_builder.h"
#include "support/temp_home.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

LotteryDefinition lotteryOf(int drawn, int bonus, int highest, int highestBonus, int type = 7, int lowest = 1,
                            bool allowDuplicates = false) {
    LotteryDefinition d;
    d.GameType = qint16(type);
    d.NumbersDrawn = qint16(drawn);
    d.BonusNumbers = qint16(bonus);
    d.LowestNumber = qint16(lowest);
    d.HighestNumber = qint16(highest);
    d.HighestBonus = qint16(highestBonus);
    d.AllowDuplicates = allowDuplicates;
    return d;
}

ImportLayout layoutOf(QChar separator, int headerRows, const QString& format, const QString& dateColumns,
                      const QString& numberColumns) {
    ImportLayout layout;
    layout.separator = separator;
    layout.headerRows = headerRows;
    layout.dateFormat = format;
    layout.dateColumns = ImportLayout::parseColumns(dateColumns).value();
    layout.numberColumns = ImportLayout::parseColumns(numberColumns).value();
    return layout;
}

QString fixtureText(const QString& name) {
    return DrawingImport::readFile(TestData::path(QStringLiteral("csv/") + name));
}

// "0001001" (Sunday first) as the definition's draw days.
LotteryDefinition withDays(LotteryDefinition definition, const QString& days) {
    for (int i = 0; i < 7; ++i)
        definition.setDrawnOn(i == 0 ? 7 : i, days.at(i) == QLatin1Char('1'));
    return definition;
}

QString drawingText(const ImportedDrawing& drawing) {
    return QStringLiteral("%1: %2 %3")
        .arg(drawing.line)
        .arg(drawing.date.toString(Qt::ISODate), drawing.fields.join(QLatin1Char(' ')));
}

QStringList refusals(const ImportPreview& preview) {
    QStringList texts;
    for (const RefusedRow& row : preview.refused)
        texts << row.text();
    return texts;
}

// Every record in date order as "MM/DD/YYYY n n n", for comparing whole tables.
QStringList tableLines(DbfTable& table, int drawn) {
    QStringList lines;
    if (table.RecordCount() == 0)
        return lines;
    table.GoTop();
    do {
        QString line = table.DateText(DrawingTable::DateField);
        for (int i = 1; i <= drawn; ++i)
            line += QLatin1Char(' ') + table.FieldText(DrawingTable::numberField(i));
        lines << line;
    } while (table.Skip(1) == 1);
    return lines;
}

} // namespace

using Columns = QList<int>;
Q_DECLARE_METATYPE(LotteryDefinition)
Q_DECLARE_METATYPE(ImportLayout)

class TestDrawingImport final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void csvRows_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QStringList>("rows"); // "line:cell|cell|..."
        QTest::newRow("plain, LF") << "a,b\n1,2\n"
                                   << "," << QStringList{"1:a|b", "2:1|2"};
        QTest::newRow("CRLF, no final line end") << "a,b\r\n1,2"
                                                 << "," << QStringList{"1:a|b", "2:1|2"};
        QTest::newRow("quoted separator and doubled quote") << "\"a,b\",\"say \"\"hi\"\"\"\n"
                                                            << "," << QStringList{"1:a,b|say \"hi\""};
        QTest::newRow("quoted line end keeps the row's first line")
            << "\"x\ny\",2\n3,4\n"
            << "," << QStringList{"1:x\ny|2", "3:3|4"};
        QTest::newRow("blank lines are skipped but counted") << "1;2\r\n\r\n\r\n3;4\r\n"
                                                             << ";" << QStringList{"1:1|2", "4:3|4"};
        QTest::newRow("empty cells kept") << "2020;;;\n"
                                          << ";" << QStringList{"1:2020|||"};
        QTest::newRow("empty quoted cell is a cell") << "\"\"\n"
                                                     << "," << QStringList{"1:"};
        QTest::newRow("unterminated quote runs to the end") << "\"abc\n1,2"
                                                            << "," << QStringList{"1:abc\n1,2"};
        // The reader keeps a row's strings for the next one: rows of any width follow each other.
        QTest::newRow("rows grow and shrink")
            << "long cell,b,c\n1\n\"\"\n\n,x\"y,,\n4,5,6,7"
            << "," << QStringList{"1:long cell|b|c", "2:1", "3:", "5:|x\"y||", "6:4|5|6|7"};
    }
    void csvRows() {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QFETCH(QStringList, rows);
        QStringList got;
        for (const CsvRow& row : Csv::parse(text, separator.front()))
            got << QString::number(row.line) + QLatin1Char(':') + row.cells.join(QLatin1Char('|'));
        QCOMPARE(got, rows);
        got.clear();
        Csv::Reader reader(text, separator.front());
        CsvRow row;
        while (reader.next(row))
            got << QString::number(row.line) + QLatin1Char(':') + row.cells.join(QLatin1Char('|'));
        QCOMPARE(got, rows);
        QCOMPARE(reader.position(), text.size());
    }

    void csvDecodeAndGuess() {
        QCOMPARE(Csv::decode(QByteArray("\xEF\xBB\xBF"
                                        "a,b")),
                 QStringLiteral("a,b"));
        QCOMPARE(Csv::decode(QByteArray("Szerencsej\xE1t\xE9k")), QStringLiteral("Szerencsejáték"));
        QCOMPARE(Csv::guessSeparator(u"2020;19;2;2020.05.05.;1"), QLatin1Char(';'));
        QCOMPARE(Csv::guessSeparator(u"\"a;b;c\",1,2"), QLatin1Char(','));
        QCOMPARE(Csv::joinLine({"a", "b,c", "d\"e"}, QLatin1Char(',')),
                 QStringLiteral("a,\"b,c\",\"d\"\"e\""));
    }

    void dates_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QStringList>("parts");
        QTest::addColumn<QString>("date"); // ISO, empty when refused
        QTest::newRow("MM/DD/YYYY") << "MM/DD/YYYY" << QStringList{"09/24/2020"} << "2020-09-24";
        QTest::newRow("M/D/YYYY") << "M/D/YYYY" << QStringList{"9/4/2020"} << "2020-09-04";
        QTest::newRow("MM/DD month 13") << "MM/DD/YYYY" << QStringList{"13/01/2020"} << "";
        QTest::newRow("DD/MM/YYYY") << "DD/MM/YYYY" << QStringList{"13/01/2020"} << "2020-01-13";
        QTest::newRow("February 30") << "YYYY-MM-DD" << QStringList{"2021-02-30"} << "";
        QTest::newRow("leap day") << "YYYY-MM-DD" << QStringList{"2020-02-29"} << "2020-02-29";
        QTest::newRow("not a leap year") << "YYYY-MM-DD" << QStringList{"2019-02-29"} << "";
        QTest::newRow("trailing dot") << "YYYY.MM.DD." << QStringList{"2020.05.05."} << "2020-05-05";
        QTest::newRow("DD.MM.YYYY") << "DD.MM.YYYY" << QStringList{"31.12.1999"} << "1999-12-31";
        QTest::newRow("split with month name")
            << "DAY,MONTH,YEAR" << QStringList{"21", "Aug", "2021"} << "2021-08-21";
        QTest::newRow("split with month number")
            << "DAY,MONTH,YEAR" << QStringList{"3", "12", "1994"} << "1994-12-03";
        QTest::newRow("split, no such month") << "DAY,MONTH,YEAR" << QStringList{"3", "Foo", "1994"} << "";
        QTest::newRow("split, 31 November") << "DAY,MONTH,YEAR" << QStringList{"31", "Nov", "1994"} << "";
        QTest::newRow("text after the date") << "YYYY-MM-DD" << QStringList{"2020-01-01x"} << "";
        QTest::newRow("wrong form") << "YYYY-MM-DD" << QStringList{"01/01/2020"} << "";
    }
    void dates() {
        QFETCH(QString, format);
        QFETCH(QStringList, parts);
        QFETCH(QString, date);
        const std::optional<QDate> parsed = ImportLayout::parseDate(format, parts);
        QCOMPARE(parsed ? parsed->toString(Qt::ISODate) : QString(), date);
    }

    void columns_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<Columns>("columns");
        QTest::addColumn<QString>("written");
        QTest::newRow("range") << "5-9" << true << Columns{5, 6, 7, 8, 9} << "5-9";
        QTest::newRow("list") << "2,3" << true << Columns{2, 3} << "2,3";
        QTest::newRow("mixed with blanks") << " 2 - 4 , 9" << true << Columns{2, 3, 4, 9} << "2-4,9";
        QTest::newRow("zero") << "0" << false << Columns{} << "";
        QTest::newRow("open range") << "5-" << false << Columns{} << "";
        QTest::newRow("backwards") << "9-5" << false << Columns{} << "";
        QTest::newRow("words") << "five" << false << Columns{} << "";
    }
    void columns() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(Columns, columns);
        QFETCH(QString, written);
        const auto parsed = ImportLayout::parseColumns(text);
        QCOMPARE(parsed.has_value(), valid);
        if (valid) {
            QCOMPARE(*parsed, columns);
            QCOMPARE(ImportLayout::columnsText(*parsed), written);
        }
    }

    // A few rows of each published history, read with the mapping a user confirms for it; the
    // proposal from the file itself is checked against the same mapping.
    void publishedLayouts_data() {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("code");
        QTest::addColumn<LotteryDefinition>("definition");
        QTest::addColumn<ImportLayout>("layout");
        QTest::addColumn<QString>("proposedNumbers"); // what the proposal picks for the numbers
        QTest::addColumn<int>("refused");
        QTest::addColumn<QStringList>("drawings"); // the first and the last accepted
        QTest::newRow("Canada: quoted, ISO dates, CRLF")
            << "ca_lotto649.csv"
            << "CN649" << lotteryOf(7, 1, 49, 49) << layoutOf(',', 1, "YYYY-MM-DD", "4", "5-11") << "5-11"
            << 0 << QStringList{"2: 1982-06-12 03 11 12 14 41 43 13", "6: 2022-05-21 04 05 26 33 35 44 30"};
        QTest::newRow("UK: split date, bonus in parentheses, newest first")
            << "uk_lotto.csv"
            << "UK649" << lotteryOf(7, 1, 49, 49) << layoutOf(',', 1, "DAY,MONTH,YEAR", "3-5", "6-12")
            << "6-12" << 0
            << QStringList{"2: 2012-01-28 10 12 25 28 31 40 01", "5: 1994-11-19 03 05 14 22 30 44 10"};
        QTest::newRow("Powerball: numbers joined by |, MM/DD/YYYY")
            << "powerball.csv"
            << "PB569" << lotteryOf(6, 1, 69, 26, 7, 1, true) << layoutOf(',', 1, "MM/DD/YYYY", "1", "2,3")
            << "2,3" << 0
            << QStringList{"2: 2015-10-07 18 30 40 48 52 09", "4: 2026-08-05 14 20 59 60 61 25"};
        QTest::newRow("New York evening: digits in one cell, zeros lost")
            << "ny_numbers.csv"
            << "NY3" << lotteryOf(3, 0, 9, 0, 5, 0) << layoutOf(',', 1, "MM/DD/YYYY", "1", "4") << "2" << 0
            << QStringList{"2: 2020-09-24 7 2 4", "6: 2020-09-23 0 0 3"};
        QTest::newRow("Hungarian keno: no header, ';', trailing dot, undated weekly rows")
            << "keno_hu.csv"
            << "HUKENO" << lotteryOf(20, 0, 80, 0, 3) << layoutOf(';', 0, "YYYY.MM.DD.", "4", "5-24")
            << "5-24" << 2
            << QStringList{"1: 2020-05-05 01 03 05 12 20 23 26 27 30 31 36 44 45 48 49 56 66 70 71 74",
                           "3: 2020-05-03 04 07 08 10 15 16 21 22 26 36 43 46 53 66 72 73 75 78 79 80"};
    }
    void publishedLayouts() {
        QFETCH(QString, fixture);
        QFETCH(QString, code);
        QFETCH(LotteryDefinition, definition);
        QFETCH(ImportLayout, layout);
        QFETCH(QString, proposedNumbers);
        QFETCH(int, refused);
        QFETCH(QStringList, drawings);
        const QString text = fixtureText(fixture);
        const DrawingImport::Target target{code, definition};

        const ImportPreview preview = DrawingImport::preview(text, layout, target);
        QCOMPARE(int(preview.refused.size()), refused);
        QVERIFY(!preview.accepted.empty());
        QCOMPARE((QStringList{drawingText(preview.accepted.front()), drawingText(preview.accepted.back())}),
                 drawings);

        const ImportLayout proposed = ImportLayout::propose(text, definition, target.digitGame());
        QCOMPARE(proposed.separator, layout.separator);
        QCOMPARE(proposed.headerRows, layout.headerRows);
        QCOMPARE(proposed.dateFormat, layout.dateFormat);
        QCOMPARE(proposed.dateColumns, layout.dateColumns);
        QCOMPARE(ImportLayout::columnsText(proposed.numberColumns), proposedNumbers);
    }

    // Rows of only separators or blanks next to the header do not hide it from the proposal.
    void headerBesideBlankRows_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("headerRows");
        const QString header = QStringLiteral("DATE,A,B,C,D,E,F,G\n");
        const QString rows =
            QStringLiteral("1982-06-12,3,11,12,14,41,43,13\n1982-06-19,8,33,36,37,39,41,9\n");
        QTest::newRow("separators after the header") << header + ",,,,,,,\n" + rows << 1;
        QTest::newRow("blanks after the header") << header + "   \n" + rows << 1;
        QTest::newRow("a blank row above the header") << ",,,,,,,\n" + header + rows << 2;
    }
    void headerBesideBlankRows() {
        QFETCH(QString, text);
        QFETCH(int, headerRows);
        const DrawingImport::Target target{QStringLiteral("CN649"), lotteryOf(7, 1, 49, 49)};
        const ImportLayout layout = ImportLayout::propose(text, target.definition, false);
        QCOMPARE(layout.headerRows, headerRows);
        QCOMPARE(layout.dateFormat, QStringLiteral("YYYY-MM-DD"));
        QCOMPARE(layout.dateColumns, QList<int>{1});
        QCOMPARE(ImportLayout::columnsText(layout.numberColumns), QStringLiteral("2-8"));
        const ImportPreview preview = DrawingImport::preview(text, layout, target);
        QCOMPARE(preview.accepted.size(), size_t(2));
        QVERIFY(preview.refused.empty());
    }

    // JSON records become the rows the CSV import reads: the same checks, and each refusal names
    // the line its record begins on.
    void jsonRecords_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("code");
        QTest::addColumn<LotteryDefinition>("definition");
        QTest::addColumn<QString>("keys"); // proposed: date|numbers|bonus
        QTest::addColumn<QStringList>("drawings");
        QTest::addColumn<QStringList>("refused");
        QTest::newRow("portal export: timestamps, numbers in one text, the bonus beside them")
            << DrawingImport::readFile(TestData::path(QStringLiteral("json/mega_millions.json"))) << "MM570"
            << lotteryOf(6, 1, 70, 25, 7, 1, true) << "draw_date|winning_numbers|mega_ball"
            << QStringList{"1: 2024-01-02 08 14 29 45 62 19", "2: 2024-01-05 05 11 22 23 69 07",
                           "3: 2024-01-09 03 17 38 51 66 12", "4: 2024-01-12 10 21 33 47 58 24",
                           "5: 2024-01-16 01 26 40 55 70 03", "6: 2024-01-19 09 16 27 42 64 15",
                           "7: 2024-01-23 12 19 31 36 60 08"}
            << QStringList();
        QTest::newRow("records under a key beside metadata, numbers in a list, one bonus number")
            << "{\n"
               "  \"meta\": {\"draws\": [1, 2], \"columns\": [\"date\", \"numbers\"]},\n"
               "  \"notes\": [\"from the lottery\"],\n"
               "  \"draws\": [\n"
               "    {\"date\": \"1982-06-12\", \"numbers\": [3, 11, 12, 14, 41, 43], \"bonus\": 13},\n"
               "    {\n"
               "      \"date\": \"1982-06-19\",\n"
               "      \"numbers\": [8, 33, 36, 37, 39, 41], \"bonus\": 9\n"
               "    }\n"
               "  ]\n"
               "}\n"
            << "CN649" << lotteryOf(7, 1, 49, 49) << "date|numbers|bonus"
            << QStringList{"5: 1982-06-12 03 11 12 14 41 43 13", "6: 1982-06-19 08 33 36 37 39 41 09"}
            << QStringList();
        QTest::newRow("numbers as texts in a list or between commas, the bonus among them")
            << "[{\"drawDate\": \"06/12/1982\", \"winningNumbers\": [\"3\", \"11\", \"12\", \"14\", \"41\", "
               "\"43\", \"13\"], \"bonus\": \"13\"},\n"
               " {\"drawDate\": \"06/19/1982\", \"winningNumbers\": \"8, 33, 36, 37, 39, 41, 9\"}]"
            << "CN649" << lotteryOf(7, 1, 49, 49) << "drawDate|winningNumbers|"
            << QStringList{"1: 1982-06-12 03 11 12 14 41 43 13", "2: 1982-06-19 08 33 36 37 39 41 09"}
            << QStringList();
        QTest::newRow("the checks of every row")
            << "[{\"date\": \"2024-01-03\", \"numbers\": [3, 11, 12, 14, 41, 50], \"bonus\": 13},\n"
               "{\"date\": \"2024-01-06\", \"numbers\": [8, 33, 36, 37, 39], \"bonus\": 9},\n"
               "{\"date\": \"2024-02-30\", \"numbers\": [1, 2, 3, 4, 5, 6], \"bonus\": 7},\n"
               "{\"date\": \"2024-01-10\", \"numbers\": [1, 2, 3, 4, 5, 6.5], \"bonus\": 7},\n"
               "{\"numbers\": [1, 2, 3, 4, 5, 6], \"bonus\": 7},\n"
               "42,\n"
               "{\"date\": \"2024-01-17\", \"numbers\": [1, 2, 3, 4, 5, 6], \"bonus\": 6},\n"
               "{\"date\": \"2024-01-20\", \"numbers\": [1, 2, 3, 4, 5, 6], \"bonus\": 7}]"
            << "CN649" << lotteryOf(7, 1, 49, 49) << "date|numbers|bonus"
            << QStringList{"8: 2024-01-20 01 02 03 04 05 06 07"}
            << QStringList{"Line 1: 50 is out of range (1 to 49).",
                           "Line 2: 6 numbers, but the lottery draws 7.",
                           "Line 3: \"2024-02-30\" is not a date of the form YYYY-MM-DD.",
                           "Line 4: \"1 2 3 4 5 6.5\" in column 2 is not a number.",
                           "Line 5: The date is missing.",
                           "Line 6: \"42\" is not a date of the form YYYY-MM-DD.",
                           "Line 7: The bonus number 6 repeats a regular number."};
        QTest::newRow("pick 3: digits in a list, a number that lost its zeros, a text")
            << "[{\"date\": \"2024-01-03\", \"numbers\": [\"0\", \"0\", \"7\"]}, {\"date\": \"2024-01-04\", "
               "\"numbers\": 7}, {\"date\": \"2024-01-05\", \"numbers\": \"4 3 3\"}]"
            << "NY3" << lotteryOf(3, 0, 9, 0, 5, 0) << "date|numbers|"
            << QStringList{"1: 2024-01-03 0 0 7", "1: 2024-01-04 0 0 7", "1: 2024-01-05 4 3 3"}
            << QStringList();
        QTest::newRow("one record, not an array of them")
            << "{\"date\": \"1982-06-12\", \"numbers\": [3, 11, 12, 14, 41, 43, 13]}"
            << "CN649" << lotteryOf(7, 1, 49, 49) << "||" << QStringList() << QStringList();
        QTest::newRow("an array of arrays")
            << "[[\"1982-06-12\", 3, 11, 12, 14, 41, 43, 13]]"
            << "CN649" << lotteryOf(7, 1, 49, 49) << "||" << QStringList() << QStringList();
        QTest::newRow("cut short") << "[{\"date\": \"1982-06-12\", \"numbers\": [3, 11,"
                                   << "CN649" << lotteryOf(7, 1, 49, 49) << "||" << QStringList()
                                   << QStringList();
    }
    void jsonRecords() {
        QFETCH(QString, text);
        QFETCH(QString, code);
        QFETCH(LotteryDefinition, definition);
        QFETCH(QString, keys);
        QFETCH(QStringList, drawings);
        QFETCH(QStringList, refused);
        const DrawingImport::Target target{code, definition};
        const ImportLayout layout = ImportLayout::propose(text, definition, target.digitGame());
        QCOMPARE((QStringList{layout.jsonDate, layout.jsonNumbers, layout.jsonBonus}.join(QLatin1Char('|'))),
                 keys);
        const ImportPreview preview = DrawingImport::preview(text, layout, target);
        QStringList accepted;
        for (const ImportedDrawing& drawing : preview.accepted)
            accepted << drawingText(drawing);
        QCOMPARE(accepted, drawings);
        QCOMPARE(refusals(preview), refused);
        QCOMPARE(preview.noDrawing(), drawings.isEmpty());
    }

    // Dates that read both as MM/DD and as DD/MM are read the way that puts them on the draw
    // days, and drawings dated on other days are named.
    void drawDays_data() {
        QTest::addColumn<QString>("dates");
        QTest::addColumn<QString>("days"); // Sunday first
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("warning");
        // Wednesdays and a Saturday written day first; read month first they fall on other days.
        const QString dayFirst = QStringLiteral("03/01/2024 10/01/2024 07/02/2024 06/03/2024 09/03/2024");
        QTest::newRow("day first fits the draw days") << dayFirst << "0001001"
                                                      << "DD/MM/YYYY"
                                                      << "The dates were read as DD/MM/YYYY: read as "
                                                         "MM/DD/YYYY, 5 of them would not fall on a draw day."
                                                      << "";
        QTest::newRow("without draw days month first, as ever") << dayFirst << "0000000"
                                                                << "MM/DD/YYYY"
                                                                << ""
                                                                << "";
        QTest::newRow("month first fits the draw days")
            << "01/03/2024 01/10/2024 02/07/2024 03/06/2024 03/09/2024"
            << "0001001"
            << "MM/DD/YYYY"
            << "The dates were read as MM/DD/YYYY: read as DD/MM/YYYY, 5 of them would not fall on a draw "
               "day."
            << "";
        QTest::newRow("a day above 12 settles the form; other days are named")
            << "03/01/2024 13/01/2024 14/01/2024 17/01/2024 19/01/2024"
            << "0001001"
            << "DD/MM/YYYY"
            << ""
            << "2 drawings fall on a day the lottery does not draw: lines 4 and 6.";
        QTest::newRow("one drawing off the days")
            << "2024-01-08 2024-01-09"
            << "0100000"
            << "YYYY-MM-DD"
            << ""
            << "1 drawing falls on a day the lottery does not draw: line 3.";
        QTest::newRow("the first few named")
            << "2024-01-02 2024-01-03 2024-01-04 2024-01-05 2024-01-06 2024-01-07 2024-01-08"
            << "0100000"
            << "YYYY-MM-DD"
            << ""
            << "6 drawings fall on a day the lottery does not draw: lines 2, 3, 4, 5, 6 and 1 more.";
    }
    void drawDays() {
        QFETCH(QString, dates);
        QFETCH(QString, days);
        QFETCH(QString, format);
        QFETCH(QString, note);
        QFETCH(QString, warning);
        QString text = QStringLiteral("DATE,A,B,C,D,E,F\n");
        for (const QString& date : dates.split(QLatin1Char(' ')))
            text += date + QStringLiteral(",1,2,3,4,5,6\n");
        const DrawingImport::Target target{QStringLiteral("XX649"), withDays(lotteryOf(6, 0, 49, 0), days)};
        const ImportLayout layout = ImportLayout::propose(text, target.definition, false);
        QCOMPARE(layout.dateFormat, format);
        const ImportPreview preview = DrawingImport::preview(text, layout, target);
        QCOMPARE(preview.dateNote, note);
        QCOMPARE(int(preview.accepted.size()), int(dates.count(QLatin1Char(' '))) + 1);
        QCOMPARE(preview.offDayWarning(), warning);
    }

    void undatedRowsAreNamed() {
        const ImportPreview preview = DrawingImport::preview(
            fixtureText(QStringLiteral("keno_hu.csv")), layoutOf(';', 0, "YYYY.MM.DD.", "4", "5-24"),
            {QStringLiteral("HUKENO"), lotteryOf(20, 0, 80, 0, 3)});
        QCOMPARE(refusals(preview),
                 (QStringList{"Line 4: The date is missing.", "Line 5: The date is missing."}));
    }

    void badRowsNamedByLineAndCause() {
        const ImportPreview preview = DrawingImport::preview(
            fixtureText(QStringLiteral("bad_rows.csv")), layoutOf(',', 1, "YYYY-MM-DD", "4", "5-11"),
            {QStringLiteral("CN649"), lotteryOf(7, 1, 49, 49)});
        QCOMPARE(refusals(preview), (QStringList{
                                        "Line 3: 50 is out of range (1 to 49).",
                                        "Line 4: 6 numbers, but the lottery draws 7.",
                                        "Line 5: \"1982-02-30\" is not a date of the form YYYY-MM-DD.",
                                        "Line 6: 5 is drawn twice.",
                                        "Line 8: The bonus number 22 repeats a regular number.",
                                        "Line 9: \"x\" in column 7 is not a number.",
                                        "Line 10: The date is missing.",
                                    }));
        QCOMPARE(preview.accepted.size(), size_t(2));
        QCOMPARE(preview.accepted.at(1).line, 7);
        QCOMPARE(preview.rows, 9);
        QCOMPARE(preview.summary(),
                 QStringLiteral(
                     "2 drawings will be added; 0 are already in the table; 7 rows are refused; 1 header "
                     "row is skipped."));
    }

    void duplicateRules_data() {
        QTest::addColumn<LotteryDefinition>("definition");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("cause"); // empty: accepted
        QTest::newRow("separate drum: bonus may repeat") << lotteryOf(6, 1, 69, 26, 7, 1, true) << "PB569"
                                                         << "2020-01-01,1,2,3,4,5,5"
                                                         << "";
        QTest::newRow("same drum: bonus may not repeat")
            << lotteryOf(6, 1, 69, 26) << "PB569"
            << "2020-01-01,1,2,3,4,5,5"
            << "Line 1: The bonus number 5 repeats a regular number.";
        QTest::newRow("bonus range is the bonus's own")
            << lotteryOf(6, 1, 69, 26, 7, 1, true) << "PB569"
            << "2020-01-01,1,2,3,4,5,27"
            << "Line 1: The bonus number 27 is out of range (1 to 26).";
        QTest::newRow("separate drum still forbids repeated regulars")
            << lotteryOf(6, 1, 69, 26, 7, 1, true) << "PB569"
            << "2020-01-01,1,2,3,3,5,6"
            << "Line 1: 3 is drawn twice.";
        QTest::newRow("two bonus numbers differ") << lotteryOf(7, 2, 50, 12, 7, 1, true) << "EU750"
                                                  << "2020-01-01,1,2,3,4,5,7,7"
                                                  << "Line 1: The bonus number 7 is drawn twice.";
        QTest::newRow("digits repeat") << lotteryOf(3, 0, 9, 0, 5, 0) << "NY3"
                                       << "2020-01-01,777"
                                       << "";
        QTest::newRow("pick 4 too many digits") << lotteryOf(4, 0, 9, 0, 5, 0) << "NY4"
                                                << "2020-01-01,12345"
                                                << "Line 1: 5 numbers, but the lottery draws 4.";
        QTest::newRow("daily millions pairs from their own drums") << lotteryOf(6, 0, 21, 0, 1) << "DM621"
                                                                   << "2020-01-01,1,2,1,2,1,2"
                                                                   << "";
        QTest::newRow("daily millions pair repeats") << lotteryOf(6, 0, 21, 0, 1) << "DM621"
                                                     << "2020-01-01,1,2,3,3,1,2"
                                                     << "Line 1: 3 is drawn twice.";
        QTest::newRow("below the lowest") << lotteryOf(6, 0, 49, 0) << "XX649"
                                          << "2020-01-01,0,2,3,4,5,6"
                                          << "Line 1: 0 is out of range (1 to 49).";
        QTest::newRow("too many numbers") << lotteryOf(5, 0, 39, 0) << "XX539"
                                          << "2020-01-01,1,2,3,4,5,6"
                                          << "Line 1: 6 numbers, but the lottery draws 5.";
    }
    void duplicateRules() {
        QFETCH(LotteryDefinition, definition);
        QFETCH(QString, code);
        QFETCH(QString, row);
        QFETCH(QString, cause);
        const qsizetype cells = row.count(QLatin1Char(','));
        const ImportLayout layout =
            layoutOf(',', 0, "YYYY-MM-DD", "1", QStringLiteral("2-%1").arg(cells + 1));
        const ImportPreview preview = DrawingImport::preview(row, layout, {code, definition});
        QCOMPARE(refusals(preview).join(QString()), cause);
        QCOMPARE(preview.accepted.size(), size_t(cause.isEmpty() ? 1 : 0));
    }

    void cardGamesAreRefused() {
        QVERIFY_THROWS_EXCEPTION(VantoroError,
                                 DrawingImport::preview(u"2020-01-01,AH,2C,3D,4S,5H",
                                                        ImportLayout::plain(lotteryOf(5, 0, 52, 0, 9)),
                                                        {QStringLiteral("DEQ"), lotteryOf(5, 0, 52, 0, 9)}));
    }

    void duplicatesOfTheTableAndFileAreSkipped() {
        TempHome home;
        LotteryBuilder(home.dataDir(), QStringLiteral("CN649"))
            .numbers(7, 49, 1)
            .drawing(QStringLiteral("06/12/1982"), {"03", "11", "12", "14", "41", "43", "13"})
            .build();
        DbfTable table;
        table.open(home.dataDir(), "CN649.DBF");
        const DrawingImport::Target target{QStringLiteral("CN649"), lotteryOf(7, 1, 49, 49)};
        const ImportPreview preview =
            DrawingImport::preview(fixtureText(QStringLiteral("duplicates.csv")),
                                   ImportLayout::plain(target.definition), target, &table);
        // Line 4 is line 2's drawing with its regular numbers in another order.
        QCOMPARE(preview.duplicates, 2);
        QCOMPARE(preview.accepted.size(), size_t(2));
        QCOMPARE(preview.accepted.at(0).line, 3);
        QCOMPARE(preview.accepted.at(1).line, 5);
        QVERIFY(preview.refused.empty());
    }

    void appendSortsByDate() {
        TempHome home;
        LotteryBuilder(home.dataDir(), QStringLiteral("UK649")).numbers(7, 49, 1).build();
        DbfTable table;
        table.open(home.dataDir(), "UK649.DBF");
        table.SetOrder(1);
        const DrawingImport::Target target{QStringLiteral("UK649"), lotteryOf(7, 1, 49, 49)};
        const ImportPreview preview =
            DrawingImport::preview(fixtureText(QStringLiteral("uk_lotto.csv")),
                                   layoutOf(',', 1, "DAY,MONTH,YEAR", "3-5", "6-12"), target, &table);
        QVERIFY(DrawingImport::append(table, preview.accepted));
        QVERIFY(table.isOpen());
        QCOMPARE(table.order(), 1);
        QCOMPARE(tableLines(table, 7), (QStringList{
                                           "11/19/1994 03 05 14 22 30 44 10",
                                           "11/26/1994 06 12 15 16 31 44 37",
                                           "12/03/1994 11 17 21 29 30 40 31",
                                           "01/28/2012 10 12 25 28 31 40 01",
                                       }));
        // The same file again adds nothing.
        const ImportPreview again =
            DrawingImport::preview(fixtureText(QStringLiteral("uk_lotto.csv")),
                                   layoutOf(',', 1, "DAY,MONTH,YEAR", "3-5", "6-12"), target, &table);
        QVERIFY(again.accepted.empty());
        QCOMPARE(again.duplicates, 4);
    }

    // A failure in the middle of the rows, or a stop, leaves the table byte for byte as it was.
    void failedAppendWritesNothing() {
        TempHome home;
        LotteryBuilder(home.dataDir(), QStringLiteral("CN649")).numbers(7, 49, 1).drawings(3).build();
        const QByteArray before = home.readFile(QStringLiteral("data/CN649.DBF"));
        DbfTable table;
        table.open(home.dataDir(), "CN649.DBF");
        table.SetOrder(1);
        const DrawingImport::Target target{QStringLiteral("CN649"), lotteryOf(7, 1, 49, 49)};
        ImportPreview preview =
            DrawingImport::preview(fixtureText(QStringLiteral("ca_lotto649.csv")),
                                   layoutOf(',', 1, "YYYY-MM-DD", "4", "5-11"), target, &table);
        QCOMPARE(preview.accepted.size(), size_t(5));
        std::vector<ImportedDrawing> broken = preview.accepted;
        broken[3].fields[2] = QStringLiteral("123"); // wider than its field: the engine refuses it
        QVERIFY_THROWS_EXCEPTION(VantoroError, DrawingImport::append(table, broken));
        QVERIFY(table.isOpen());
        QCOMPARE(table.RecordCount(), 3);
        QCOMPARE(table.order(), 1);
        QCOMPARE(home.readFile(QStringLiteral("data/CN649.DBF")), before);

        int calls = 0;
        QVERIFY(!DrawingImport::append(table, preview.accepted, [&](int, int) { return ++calls < 1; }));
        QCOMPARE(table.RecordCount(), 3);
        QCOMPARE(home.readFile(QStringLiteral("data/CN649.DBF")), before);
        // No working copy is left behind.
        QCOMPARE(QDir(home.dataDir()).entryList(QDir::Files | QDir::Hidden).size(), 3);
    }

    void exportThenImportGivesTheSameTable_data() {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("code");
        QTest::addColumn<LotteryDefinition>("definition");
        QTest::addColumn<ImportLayout>("layout");
        QTest::newRow("6/49 with bonus")
            << "ca_lotto649.csv"
            << "CN649" << lotteryOf(7, 1, 49, 49) << layoutOf(',', 1, "YYYY-MM-DD", "4", "5-11");
        QTest::newRow("pick 3 with zeros")
            << "ny_numbers.csv"
            << "NY3" << lotteryOf(3, 0, 9, 0, 5, 0) << layoutOf(',', 1, "MM/DD/YYYY", "1", "4");
        QTest::newRow("keno") << "keno_hu.csv"
                              << "HUKENO" << lotteryOf(20, 0, 80, 0, 3)
                              << layoutOf(';', 0, "YYYY.MM.DD.", "4", "5-24");
    }
    void exportThenImportGivesTheSameTable() {
        QFETCH(QString, fixture);
        QFETCH(QString, code);
        QFETCH(LotteryDefinition, definition);
        QFETCH(ImportLayout, layout);
        TempHome home;
        const DrawingImport::Target target{code, definition};
        const auto fill = [&](const QString& lotteryCode, const QString& text, const ImportLayout& with) {
            LotteryBuilder(home.dataDir(), lotteryCode).definition(definition).build();
            auto table = std::make_unique<DbfTable>();
            table->open(home.dataDir(), lotteryCode + QStringLiteral(".DBF"));
            table->SetOrder(1);
            const ImportPreview preview =
                DrawingImport::preview(text, with, {lotteryCode, definition}, table.get());
            DrawingImport::append(*table, preview.accepted);
            return table;
        };
        auto first = fill(code, fixtureText(fixture), layout);
        const QString exported = DrawingExport::csvText(*first, definition.NumbersDrawn);
        auto second = fill(code + QStringLiteral("B"), exported, ImportLayout::plain(definition));
        QVERIFY(first->RecordCount() > 0);
        QCOMPARE(tableLines(*second, definition.NumbersDrawn), tableLines(*first, definition.NumbersDrawn));
        QCOMPARE(DrawingExport::csvText(*second, definition.NumbersDrawn), exported);
        // Without options the export reads back through the layout proposed from it.
        QCOMPARE(ImportLayout::propose(exported, definition, target.digitGame()),
                 ImportLayout::plain(definition));
    }

    void exportWritesThePlainLayout() {
        TempHome home;
        LotteryBuilder(home.dataDir(), QStringLiteral("NY3"))
            .numbers(3, 9, 0, 5)
            .drawing(QStringLiteral("09/25/2020"), {"0", "4", "0"})
            .drawing(QStringLiteral("09/24/2020"), {"4", "3", "3"})
            .build();
        DbfTable table;
        table.open(home.dataDir(), "NY3.DBF");
        const QString path = home.path(QStringLiteral("out.csv"));
        QCOMPARE(DrawingExport::write(table, 3, path), 2);
        QCOMPARE(home.readFile(QStringLiteral("out.csv")),
                 QByteArray("DRAWDATE,P1,P2,P3\r\n2020-09-24,4,3,3\r\n2020-09-25,0,4,0\r\n"));
    }

    // The bundled samples reach a new home, and every drawing in them passes the import's checks.
    void samplesSeedANewHome_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QStringList>("secondOnADay"); // drawings on a date that already has one
        QTest::newRow("Canada 6/49") << "CN649.DBF" << 4210 << "06/12/1982"
                                     << "05/25/2024" << QStringList();
        QTest::newRow("UK 6/49 years") << "UK649.DBF" << 2065 << "11/19/1994"
                                       << "10/07/2015" << QStringList();
        // The published New York file has two different evening drawings on two days.
        QTest::newRow("New York evening")
            << "NY3.DBF" << 16361 << "09/02/1980"
            << "09/29/2025"
            << QStringList{
                   "Line 466: The date 01/27/1982 already has the drawing 7 0 3; this row has 3 8 7.",
                   "Line 1578: The date 02/14/1985 already has the drawing 4 0 5; this row has 0 1 3."};
        QTest::newRow("Hungarian keno") << "HUKENO.DBF" << 7522 << "10/19/1998"
                                        << "05/05/2020" << QStringList();
    }
    void samplesSeedANewHome() {
        QFETCH(QString, file);
        QFETCH(int, total);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QStringList, secondOnADay);
        TempHome scratch;
        ProgramHome home(scratch.path(QStringLiteral("home")));
        home.prepare();
        CurrentLottery lottery;
        lottery.setHomeDir(home.dir());
        lottery.LoadLottery(file);
        QCOMPARE(lottery.TotalDrawings(), total);
        QCOMPARE(lottery.lastDrawingDate(), last);
        lottery.table().GoTop();
        QCOMPARE(lottery.table().DateText(DrawingTable::DateField), first);
        const DrawingImport::Target target{file.left(file.size() - 4), lottery.definition()};
        const QString exported = DrawingExport::csvText(lottery.table(), lottery.definition().NumbersDrawn);
        const ImportPreview preview =
            DrawingImport::preview(exported, ImportLayout::plain(lottery.definition()), target);
        QCOMPARE(refusals(preview).mid(0, 3), secondOnADay);
        QCOMPARE(int(preview.accepted.size()) + preview.duplicates + int(secondOnADay.size()), total);
        // A lottery that draws twice a day takes them all.
        const ImportPreview twice = DrawingImport::preview(
            exported, ImportLayout::plain(lottery.definition()), {target.code, target.definition, true});
        QCOMPARE(int(twice.accepted.size()) + twice.duplicates, total);
    }

    void layoutIsRememberedPerLottery() {
        TempHome home;
        QVERIFY(!DrawingImport::rememberedLayout(home.dir(), QStringLiteral("HUKENO")));
        const ImportLayout keno = layoutOf(';', 0, "YYYY.MM.DD.", "4", "5-24");
        DrawingImport::rememberLayout(home.dir(), QStringLiteral("HUKENO"), keno);
        QCOMPARE(DrawingImport::rememberedLayout(home.dir(), QStringLiteral("hukeno")), keno);
        ImportLayout json = ImportLayout::plain(lotteryOf(6, 1, 70, 25));
        json.jsonDate = QStringLiteral("draw_date");
        json.jsonNumbers = QStringLiteral("winning_numbers");
        json.jsonBonus = QStringLiteral("mega_ball");
        DrawingImport::rememberLayout(home.dir(), QStringLiteral("MM570"), json);
        QCOMPARE(DrawingImport::rememberedLayout(home.dir(), QStringLiteral("MM570")), json);
        QVERIFY(!DrawingImport::rememberedLayout(home.dir(), QStringLiteral("CN649")));
        home.writeFile(QStringLiteral("imports/CN649.json"), "{\"separator\": \"xx\"}");
        QVERIFY(!DrawingImport::rememberedLayout(home.dir(), QStringLiteral("CN649")));
    }
};

QTEST_GUILESS_MAIN(TestDrawingImport)
#include "test_drawing_import.moc"
