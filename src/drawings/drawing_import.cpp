// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/drawing_import.h"

#include "db/atomic_file.h"
#include "db/dbf_format.h"
#include "db/dbf_table.h"
#include "db/vantoro_error.h"
#include "drawings/json_rows.h"
#include "drawings/known_drawings.h"
#include "lottery/drawing_table.h"
#include "lottery/game_type.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <algorithm>
#include <limits>
#include <span>

namespace {

// A bonus number a drawing does not have: stored as a blank field.
constexpr int MissingBonus = -1;

// How often the long loops report: often enough for a smooth bar, rarely enough to cost nothing.
constexpr int ProgressStep = 250;

QStringView columnCell(const CsvRow& row, int column) {
    return column >= 1 && column <= row.cells.size() ? QStringView(row.cells.at(column - 1)).trimmed()
                                                     : QStringView();
}

bool isDigits(QStringView text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
}

// What separates the numbers of one cell: "|" and ASCII white space.
bool isNumberSeparator(QChar c) {
    return c == QLatin1Char('|') || c == QLatin1Char(' ') ||
           (c >= QLatin1Char('\t') && c <= QLatin1Char('\r'));
}

struct RowReader {
    const ImportLayout& layout;
    const DrawingImport::Target& target;
    bool digitGame;

    // The numbers of the row's cells, or the cause of a refusal. Read in place, without a string
    // or a list per cell: this runs on every row of files of a million rows.
    bool numbers(const CsvRow& row, std::vector<int>* out, QString* cause) const {
        const int drawn = target.definition.NumbersDrawn;
        for (int column : layout.numberColumns) {
            // A short row simply has fewer numbers: the count check names it.
            const QStringView cell = columnCell(row, column);
            for (qsizetype at = 0; at < cell.size();) {
                if (isNumberSeparator(cell[at])) {
                    ++at;
                    continue;
                }
                qsizetype end = at + 1;
                while (end < cell.size() && !isNumberSeparator(cell[end]))
                    ++end;
                QStringView token = cell.sliced(at, end - at);
                at = end;
                if (token.startsWith(QLatin1Char('(')) && token.endsWith(QLatin1Char(')')))
                    token = token.sliced(1, token.size() - 2).trimmed();
                if (!isDigits(token)) {
                    *cause = QStringLiteral("\"%1\" in column %2 is not a number.").arg(cell).arg(column);
                    return false;
                }
                if (digitGame) {
                    // Exports that treat "007" as a number write "7": the zeros are the drawing's own.
                    if (layout.numberColumns.size() == 1 && token.size() < drawn)
                        out->insert(out->end(), size_t(drawn - token.size()), 0);
                    for (const QChar digit : token)
                        out->push_back(digit.unicode() - '0');
                } else {
                    if (token.size() > 3) {
                        *cause = QStringLiteral("\"%1\" in column %2 is not a number from 0 to 99.")
                                     .arg(token)
                                     .arg(column);
                        return false;
                    }
                    int value = 0;
                    for (const QChar digit : token)
                        value = value * 10 + (digit.unicode() - '0');
                    out->push_back(value);
                }
            }
        }
        return true;
    }

    // The range of the number at `index` (regular numbers first) and whether it may repeat a
    // regular number: the game's own drums when the lottery was made from a game of today.
    struct Range {
        int low;
        int high;
        bool separate;
    };
    Range rangeOf(int index) const {
        const LotteryDefinition& d = target.definition;
        const int regular = d.regularNumbers();
        if (target.extras) {
            if (index < regular)
                return {target.extras->regularLowest, d.HighestNumber, false};
            const qsizetype slot = index - regular;
            if (slot < target.extras->bonus.size()) {
                const BonusDrum& drum = target.extras->bonus[slot];
                return {drum.lowest, drum.highest, drum.separate};
            }
        }
        if (index < regular)
            return {d.LowestNumber, d.HighestNumber, false};
        return {d.LowestNumber, d.HighestBonus > 0 ? d.HighestBonus : d.HighestNumber, d.AllowDuplicates};
    }

    // Null when the numbers are a drawing of the lottery; a drawing of a game whose early
    // histories lack the bonus may stop after its regular numbers, and the bonus fields stay blank.
    QString check(std::vector<int>& numbers) const {
        const LotteryDefinition& d = target.definition;
        const int regular = d.regularNumbers();
        const bool bonusMissing = target.extras && target.extras->bonusMayBeMissing && d.BonusNumbers > 0 &&
                                  int(numbers.size()) == regular;
        if (int(numbers.size()) != d.NumbersDrawn && !bonusMissing) {
            return QStringLiteral("%1 numbers, but the lottery draws %2.")
                .arg(numbers.size())
                .arg(d.NumbersDrawn);
        }
        for (int i = 0; i < int(numbers.size()); ++i) {
            const bool bonus = i >= regular;
            const Range range = rangeOf(i);
            if (numbers[size_t(i)] < range.low || numbers[size_t(i)] > range.high) {
                return QStringLiteral("%1%2 is out of range (%3 to %4).")
                    .arg(bonus ? QStringLiteral("the bonus number ") : QString())
                    .arg(numbers[size_t(i)])
                    .arg(range.low)
                    .arg(range.high);
            }
        }
        if (!digitGame) {
            // Daily Millions draws its red, white and blue pairs from three drums.
            const int group = GameTypes::isThreeSet(d.GameType) ? 2 : regular;
            for (int i = 0; i < regular; ++i) {
                for (int j = (i / group) * group; j < i; ++j) {
                    if (numbers[size_t(i)] == numbers[size_t(j)])
                        return QStringLiteral("%1 is drawn twice.").arg(numbers[size_t(i)]);
                }
            }
            for (int i = regular; i < int(numbers.size()); ++i) {
                const Range range = rangeOf(i);
                // Bonus numbers of different drums may be equal; of one drum they may not.
                for (int j = regular; j < i; ++j) {
                    if (numbers[size_t(i)] == numbers[size_t(j)] && rangeOf(j).separate == range.separate)
                        return QStringLiteral("the bonus number %1 is drawn twice.").arg(numbers[size_t(i)]);
                }
                if (range.separate)
                    continue;
                for (int j = 0; j < regular; ++j) {
                    if (numbers[size_t(i)] == numbers[size_t(j)])
                        return QStringLiteral("the bonus number %1 repeats a regular number.")
                            .arg(numbers[size_t(i)]);
                }
            }
        }
        numbers.resize(size_t(d.NumbersDrawn), MissingBonus);
        return {};
    }

    // Each number zero-padded to the width of its field; `widths` holds them from P1 on.
    DrawingFields fields(const std::vector<int>& numbers, const std::vector<int>& widths) const {
        DrawingFields texts;
        for (size_t i = 0; i < numbers.size(); ++i) {
            // Numbers read from a file are never negative; they have at most three digits.
            char text[16];
            int length = 0;
            const int value = numbers[i];
            if (value == MissingBonus) {
                texts.append(QUtf8StringView(QByteArray(std::min(widths[i], 12), ' ')));
                continue;
            }
            const int digits = value >= 100 ? 3 : value >= 10 ? 2 : 1;
            for (int pad = std::min(widths[i], 12) - digits; pad > 0; --pad)
                text[length++] = '0';
            for (int d = digits - 1, v = value; d >= 0; --d, v /= 10)
                text[length + d] = char('0' + v % 10);
            texts.append(QUtf8StringView(text, length + digits));
        }
        return texts;
    }
};

// What the other of MM/DD and DD/MM would have made of the dates, when it reads them all too.
QString drawDayNote(const std::vector<ImportedDrawing>& drawings, const QString& format,
                    const LotteryDefinition& definition) {
    QString other;
    if (format == QLatin1String("MM/DD/YYYY") || format == QLatin1String("M/D/YYYY"))
        other = QStringLiteral("DD/MM/YYYY");
    else if (format == QLatin1String("DD/MM/YYYY"))
        other = QStringLiteral("MM/DD/YYYY");
    else
        return {};
    int used = 0;
    int swapped = 0;
    for (const ImportedDrawing& drawing : drawings) {
        const QDate otherDate(drawing.date.year(), drawing.date.day(), drawing.date.month());
        if (!otherDate.isValid())
            return {}; // a day above 12: the form was never in doubt
        used += DrawingImport::offDrawDay(definition, drawing.date) ? 1 : 0;
        swapped += DrawingImport::offDrawDay(definition, otherDate) ? 1 : 0;
    }
    if (swapped <= used)
        return {};
    return QStringLiteral("The dates were read as %1: read as %2, %3 of them would not fall on a draw day.")
        .arg(format, other)
        .arg(swapped);
}

// The numbers of a drawing as the refusal of a second drawing on its day shows them.
QString numbersText(const std::vector<int>& numbers) {
    QStringList texts;
    for (int n : numbers)
        texts << QString::number(n);
    return texts.join(QLatin1Char(' '));
}

// A number field as the import compares it: its text as a number, -1 when it is blank (a drawing
// stored without its bonus), 0 when it is no number. The bytes are read in place when they are
// plain digits, as they are in every table of ours.
int storedNumber(const DbfTable& table, int field) {
    const QByteArrayView bytes = table.fieldBytes(field);
    if (table.fields()[size_t(field)].type != 'D') {
        qsizetype at = 0;
        while (at < bytes.size() && bytes[at] == ' ')
            ++at;
        int value = 0;
        qsizetype digits = 0;
        for (; at < bytes.size() && bytes[at] >= '0' && bytes[at] <= '9' && digits < 9; ++at, ++digits)
            value = value * 10 + (bytes[at] - '0');
        while (at < bytes.size() && bytes[at] == ' ')
            ++at;
        if (at == bytes.size())
            return digits == 0 ? MissingBonus : value;
    }
    return table.FieldText(field).trimmed().toInt();
}

// The day of a record's drawing; an invalid date for a blank one. A date field that holds no
// date is refused, naming the record.
QDate storedDate(const DbfTable& table, int field) {
    if (table.fields()[size_t(field)].type == 'D') {
        const quint32 key = DbfFormat::dateKey(table.fieldBytes(field).data());
        const QDate date(int(key / 10000), int(key / 100 % 100), int(key % 100));
        if (key != 0 && date.isValid())
            return date;
    }
    return QDate::fromString(table.DateText(field), QStringLiteral("MM/dd/yyyy"));
}

void addTableDrawings(DbfTable& table, const DrawingImport::Target& target, KnownDrawings* known) {
    if (!table.isOpen() || table.RecordCount() == 0)
        return;
    const int dateField = table.fieldIndex(DrawingTable::DateField);
    std::vector<int> numberFields;
    for (int i = 1; i <= target.definition.NumbersDrawn; ++i)
        numberFields.push_back(table.fieldIndex(DrawingTable::numberField(i)));
    if (dateField < 0 || std::find(numberFields.begin(), numberFields.end(), -1) != numberFields.end())
        throw VantoroError(
            QStringLiteral("The table %1 is not a drawing table of this lottery.").arg(table.fileName()));
    known->reserve(table.RecordCount());
    const DbfTable::Bookmark mark = table.bookmark();
    std::vector<int> numbers(numberFields.size());
    table.GoTop();
    do {
        const QDate date = storedDate(table, dateField);
        for (size_t i = 0; i < numberFields.size(); ++i)
            numbers[i] = storedNumber(table, numberFields[i]);
        // A drawing without a date cannot be the same as a row of the file, which always has one.
        if (date.isValid())
            known->add(int(date.toJulianDay()), numbers.data());
    } while (table.Skip(1) == 1);
    table.goToBookmark(mark);
}

// The checks of a preview, a data row at a time, whether the rows were read ahead or are read
// as they come.
class PreviewRows {
public:
    PreviewRows(const ImportLayout& layout, const DrawingImport::Target& target, DbfTable* table,
                qsizetype expectedRows)
        : m_layout(layout), m_target(target), m_reader{layout, target, target.digitGame()},
          m_known(target.definition.NumbersDrawn, target.definition.regularNumbers(), target.digitGame()) {
        const QString problem = layout.problem();
        if (!problem.isEmpty())
            throw VantoroError(problem);
        if (GameTypes::isCardGame(target.definition.GameType) ||
            DrawingTable::numberFieldWidth(target.code, target.definition, 1) > 2)
            throw VantoroError(QStringLiteral("The drawings of card games cannot be imported; enter them in "
                                              "the drawing editor."));
        for (int i = 1; i <= target.definition.NumbersDrawn; ++i)
            m_widths.push_back(DrawingTable::numberFieldWidth(target.code, target.definition, i));
        if (table)
            addTableDrawings(*table, target, &m_known);
        m_known.reserve((table && table->isOpen() ? table->RecordCount() : 0) + expectedRows);
        m_result.accepted.reserve(size_t(expectedRows));
    }

    void take(const CsvRow& row) {
        // A row of only blanks or separators holds nothing to refuse: spreadsheets pad files with them.
        if (Csv::isBlank(row)) {
            ++m_result.blankRows;
            return;
        }
        ++m_result.rows;
        QStringView dateParts[3];
        const qsizetype dateColumns = std::min<qsizetype>(m_layout.dateColumns.size(), 3);
        bool noDate = true;
        for (qsizetype i = 0; i < dateColumns; ++i) {
            dateParts[i] = columnCell(row, m_layout.dateColumns.at(i));
            noDate = noDate && dateParts[i].isEmpty();
        }
        if (noDate) {
            m_result.refused.push_back({row.line, QStringLiteral("the date is missing.")});
            return;
        }
        const std::optional<QDate> date = ImportLayout::parseDate(
            m_layout.dateFormat, std::span<const QStringView>(dateParts, size_t(dateColumns)));
        if (!date) {
            QStringList parts;
            for (qsizetype i = 0; i < dateColumns; ++i)
                parts << dateParts[i].toString();
            m_result.refused.push_back(
                {row.line, QStringLiteral("\"%1\" is not a date of the form %2.")
                               .arg(parts.join(QLatin1Char(' ')), m_layout.dateFormat)});
            return;
        }
        m_numbers.clear();
        QString cause;
        if (!m_reader.numbers(row, &m_numbers, &cause) || !(cause = m_reader.check(m_numbers)).isEmpty()) {
            m_result.refused.push_back({row.line, cause});
            return;
        }
        const int day = int(date->toJulianDay());
        if (m_known.contains(day, m_numbers.data())) {
            ++m_result.duplicates;
            return;
        }
        if (!m_target.twoDrawsADay) {
            const int other = m_known.latestOn(day);
            if (other >= 0) {
                m_result.refused.push_back(
                    {row.line, QStringLiteral("the date %1 already has the drawing %2; this row has %3.")
                                   .arg(date->toString(QStringLiteral("MM/dd/yyyy")),
                                        numbersText(m_known.numbers(other)), numbersText(m_numbers))});
                return;
            }
        }
        m_known.add(day, m_numbers.data());
        m_result.accepted.push_back({row.line, *date, m_reader.fields(m_numbers, m_widths)});
    }

    // What the rows gave; `rows` counts them all, header rows included.
    ImportPreview result(int rows) {
        m_result.headerRows = std::min(m_layout.headerRows, rows);
        for (const ImportedDrawing& drawing : m_result.accepted) {
            if (DrawingImport::offDrawDay(m_target.definition, drawing.date))
                m_result.offDay.push_back(drawing.line);
        }
        m_result.dateNote = drawDayNote(m_result.accepted, m_layout.dateFormat, m_target.definition);
        std::vector<ImportedDrawing>& accepted = m_result.accepted;
        if (accepted.capacity() > 2 * accepted.size() + 1024)
            accepted.shrink_to_fit(); // room was made for every row of the file
        return std::move(m_result);
    }

private:
    const ImportLayout& m_layout;
    const DrawingImport::Target& m_target;
    RowReader m_reader;
    KnownDrawings m_known;
    std::vector<int> m_widths;  // of the number fields, from P1 on
    std::vector<int> m_numbers; // of the row being read
    ImportPreview m_result;
};

QString nativePath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString layoutPath(const QString& homeDir, const QString& code) {
    return homeDir + QStringLiteral("/imports/") + code.toUpper() + QStringLiteral(".json");
}

} // namespace

QString RefusedRow::text() const {
    return QStringLiteral("Line %1: %2").arg(line).arg(cause.left(1).toUpper() + cause.mid(1));
}

QString ImportPreview::summary() const {
    using DrawingImport::counted;
    QString text =
        counted(qsizetype(accepted.size()), "drawing will be added", "drawings will be added") +
        QStringLiteral("; ") + counted(duplicates, "is already in the table", "are already in the table") +
        QStringLiteral("; ") + counted(qsizetype(refused.size()), "row is refused", "rows are refused") +
        QStringLiteral("; ") + counted(headerRows, "header row is skipped", "header rows are skipped");
    if (blankRows > 0)
        text += QStringLiteral("; ") + counted(blankRows, "blank row is skipped", "blank rows are skipped");
    return text + QLatin1Char('.');
}

QString ImportPreview::offDayWarning() const {
    if (offDay.empty())
        return {};
    constexpr size_t named = 5;
    QStringList lines;
    for (size_t i = 0; i < std::min(named, offDay.size()); ++i)
        lines << QString::number(offDay[i]);
    QString list;
    if (offDay.size() > named)
        list = lines.join(QStringLiteral(", ")) + QStringLiteral(" and %1 more").arg(offDay.size() - named);
    else if (lines.size() > 1)
        list = lines.mid(0, lines.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") +
               lines.last();
    else
        list = lines.first();
    return DrawingImport::counted(qsizetype(offDay.size()), "drawing falls", "drawings fall") +
           QStringLiteral(" on a day the lottery does not draw: ") +
           (offDay.size() == 1 ? QStringLiteral("line ") : QStringLiteral("lines ")) + list +
           QLatin1Char('.');
}

namespace DrawingImport {

QString counted(qsizetype n, const char* one, const char* many) {
    return QString::number(n) + QLatin1Char(' ') + QLatin1String(n == 1 ? one : many);
}

QString noDrawingMessage(const QString& fileName) {
    return QStringLiteral("No line of the file %1 could be read as a drawing; nothing was imported.")
        .arg(fileName);
}

bool Target::digitGame() const {
    return DrawingTable::numberFieldWidth(code, definition, 1) == 1;
}

ImportPreview preview(const std::vector<CsvRow>& rows, const ImportLayout& layout, const Target& target,
                      DbfTable* table, const ImportProgress& progress) {
    PreviewRows preview(layout, target, table, qsizetype(rows.size()));
    const int total = int(rows.size());
    for (int r = layout.headerRows; r < total; ++r) {
        if (progress && r % ProgressStep == 0 && !progress(r, total))
            return {};
        preview.take(rows[size_t(r)]);
    }
    if (progress)
        progress(total, total);
    return preview.result(total);
}

FileRows fileRows(QStringView text, const ImportLayout& layout, bool digitGame) {
    if (JsonRows::isJson(text))
        return {JsonRows::rows(JsonRows::read(text), layout, digitGame), JsonRows::rowLayout(layout), true};
    return {Csv::parse(text, layout.separator), layout, false};
}

ImportPreview preview(QStringView text, const ImportLayout& layout, const Target& target, DbfTable* table,
                      const ImportProgress& progress) {
    if (JsonRows::isJson(text)) {
        const FileRows file = fileRows(text, layout, target.digitGame());
        return preview(file.rows, file.layout, target, table, progress);
    }
    // The rows are read one at a time, never held: a file of a million rows would take more memory
    // as rows than all of its drawings. The progress counts characters, as the rows are not known.
    PreviewRows preview(layout, target, table, text.count(QLatin1Char('\n')) + 1);
    Csv::Reader reader(text, layout.separator);
    CsvRow row;
    const qsizetype scale = text.size() / std::numeric_limits<int>::max() + 1;
    const int total = int(text.size() / scale);
    int r = 0;
    for (; reader.next(row); ++r) {
        if (r < layout.headerRows)
            continue;
        if (progress && r % ProgressStep == 0 && !progress(int(reader.position() / scale), total))
            return {};
        preview.take(row);
    }
    if (progress)
        progress(total, total);
    return preview.result(r);
}

bool offDrawDay(const LotteryDefinition& definition, const QDate& date) {
    bool anyDay = false;
    for (int day = 1; day <= 7; ++day)
        anyDay = anyDay || definition.drawnOn(day);
    return anyDay && !definition.drawnOn(date.dayOfWeek());
}

bool append(DbfTable& table, const std::vector<ImportedDrawing>& drawings, const ImportProgress& progress) {
    if (drawings.empty())
        return true;
    const int dateField = table.fieldIndex(DrawingTable::DateField);
    if (dateField < 0)
        throw VantoroError(QStringLiteral("The table %1 has no field named %2.")
                               .arg(table.fileName(), DrawingTable::DateField));
    if (table.fields()[size_t(dateField)].type != 'D')
        throw VantoroError(QStringLiteral("The field %1 of %2 is not a date field.")
                               .arg(DrawingTable::DateField, table.fileName()));
    qsizetype mostFields = 0;
    for (const ImportedDrawing& drawing : drawings)
        mostFields = std::max(mostFields, drawing.fields.size());
    std::vector<int> numberFields;
    for (qsizetype f = 0; f < mostFields; ++f) {
        const QString field = DrawingTable::numberField(int(f) + 1);
        numberFields.push_back(table.fieldIndex(field));
        if (numberFields.back() < 0)
            throw VantoroError(
                QStringLiteral("The table %1 has no field named %2.").arg(table.fileName(), field));
    }
    const auto build = [&](int index, char* record) {
        const ImportedDrawing& drawing = drawings[size_t(index)];
        table.encodeField(dateField, drawing.date, record);
        for (qsizetype f = 0; f < drawing.fields.size(); ++f)
            table.encodeField(numberFields[size_t(f)], drawing.fields.view(f), record);
    };
    return table.appendAll(int(drawings.size()), build, progress, QStringLiteral("drawings"));
}

QString readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw VantoroError(
            QStringLiteral("The file %1 cannot be read: %2.").arg(nativePath(path), file.errorString()));
    return Csv::decode(file.readAll());
}

std::optional<ImportLayout> rememberedLayout(const QString& homeDir, const QString& code) {
    QFile file(layoutPath(homeDir, code));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(file.read(64 * 1024));
    return document.isObject() ? ImportLayout::fromJson(document.object()) : std::nullopt;
}

void rememberLayout(const QString& homeDir, const QString& code, const ImportLayout& layout) {
    const QString path = layoutPath(homeDir, code);
    QDir().mkpath(QFileInfo(path).path());
    const QString cause = AtomicFile::writeFile(path, QJsonDocument(layout.toJson()).toJson());
    if (!cause.isEmpty())
        throw VantoroError(
            QStringLiteral("The column choice cannot be saved in %1: %2.").arg(nativePath(path), cause));
}

} // namespace DrawingImport
