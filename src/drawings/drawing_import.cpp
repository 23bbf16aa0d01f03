// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/drawing_import.h"

#include "db/atomic_file.h"
#include "db/dbf_table.h"
#include "db/vantoro_error.h"
#include "drawings/json_rows.h"
#include "lottery/drawing_table.h"
#include "lottery/game_type.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace {

// How often the long loops report: often enough for a smooth bar, rarely enough to cost nothing.
constexpr int ProgressStep = 250;

QString columnCell(const CsvRow& row, int column) {
    return column >= 1 && column <= row.cells.size() ? row.cells.at(column - 1).trimmed() : QString();
}

// The key that finds a drawing again whatever order its regular numbers were written in;
// a pick game's digits keep their order, which is the drawing itself.
QString drawingKey(const QDate& date, std::vector<int> numbers, int regular, bool digitGame) {
    if (!digitGame)
        std::sort(numbers.begin(), numbers.begin() + std::min<int>(regular, int(numbers.size())));
    QString key = date.toString(QStringLiteral("yyyyMMdd"));
    for (int n : numbers)
        key += QLatin1Char(':') + QString::number(n);
    return key;
}

struct RowReader {
    const ImportLayout& layout;
    const DrawingImport::Target& target;
    bool digitGame;

    // The numbers of the row's cells, or the cause of a refusal.
    bool numbers(const CsvRow& row, std::vector<int>* out, QString* cause) const {
        static const QRegularExpression splitter(QStringLiteral(R"([|\s]+)"));
        static const QRegularExpression digits(QStringLiteral(R"(^\d+$)"));
        const int drawn = target.definition.NumbersDrawn;
        for (int column : layout.numberColumns) {
            // A short row simply has fewer numbers: the count check names it.
            const QString cell = columnCell(row, column);
            for (QString token : cell.split(splitter, Qt::SkipEmptyParts)) {
                if (token.startsWith(QLatin1Char('(')) && token.endsWith(QLatin1Char(')')))
                    token = token.mid(1, token.size() - 2).trimmed();
                if (!digits.match(token).hasMatch()) {
                    *cause = QStringLiteral("\"%1\" in column %2 is not a number.").arg(cell).arg(column);
                    return false;
                }
                if (digitGame) {
                    // Exports that treat "007" as a number write "7": the zeros are the drawing's own.
                    if (layout.numberColumns.size() == 1 && token.size() < drawn)
                        token = token.rightJustified(drawn, QLatin1Char('0'));
                    for (const QChar digit : token)
                        out->push_back(digit.digitValue());
                } else {
                    if (token.size() > 3) {
                        *cause = QStringLiteral("\"%1\" in column %2 is not a number from 0 to 99.")
                                     .arg(token)
                                     .arg(column);
                        return false;
                    }
                    out->push_back(token.toInt());
                }
            }
        }
        return true;
    }

    QString check(const std::vector<int>& numbers) const {
        const LotteryDefinition& d = target.definition;
        const int regular = d.regularNumbers();
        if (int(numbers.size()) != d.NumbersDrawn) {
            return QStringLiteral("%1 numbers, but the lottery draws %2.")
                .arg(numbers.size())
                .arg(d.NumbersDrawn);
        }
        const int highestBonus = d.HighestBonus > 0 ? d.HighestBonus : d.HighestNumber;
        for (int i = 0; i < int(numbers.size()); ++i) {
            const bool bonus = i >= regular;
            const int high = bonus ? highestBonus : d.HighestNumber;
            if (numbers[size_t(i)] < d.LowestNumber || numbers[size_t(i)] > high) {
                return QStringLiteral("%1%2 is out of range (%3 to %4).")
                    .arg(bonus ? QStringLiteral("the bonus number ") : QString())
                    .arg(numbers[size_t(i)])
                    .arg(d.LowestNumber)
                    .arg(high);
            }
        }
        if (digitGame)
            return {};
        // Daily Millions draws its red, white and blue pairs from three drums.
        const int group = d.GameType == int(GameTypeCode::DailyMillions) ? 2 : regular;
        for (int i = 0; i < regular; ++i) {
            for (int j = (i / group) * group; j < i; ++j) {
                if (numbers[size_t(i)] == numbers[size_t(j)])
                    return QStringLiteral("%1 is drawn twice.").arg(numbers[size_t(i)]);
            }
        }
        for (int i = regular; i < int(numbers.size()); ++i) {
            for (int j = regular; j < i; ++j) {
                if (numbers[size_t(i)] == numbers[size_t(j)])
                    return QStringLiteral("the bonus number %1 is drawn twice.").arg(numbers[size_t(i)]);
            }
            if (d.AllowDuplicates)
                continue;
            for (int j = 0; j < regular; ++j) {
                if (numbers[size_t(i)] == numbers[size_t(j)])
                    return QStringLiteral("the bonus number %1 repeats a regular number.")
                        .arg(numbers[size_t(i)]);
            }
        }
        return {};
    }

    QStringList fields(const std::vector<int>& numbers) const {
        QStringList texts;
        for (int i = 0; i < int(numbers.size()); ++i) {
            const int width = DrawingTable::numberFieldWidth(target.code, target.definition, i + 1);
            texts << QStringLiteral("%1").arg(numbers[size_t(i)], width, 10, QLatin1Char('0'));
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

QSet<QString> tableKeys(DbfTable& table, const DrawingImport::Target& target, QHash<qint64, QString>* days) {
    QSet<QString> keys;
    if (!table.isOpen() || table.RecordCount() == 0)
        return keys;
    const int dateField = table.fieldIndex(DrawingTable::DateField);
    std::vector<int> numberFields;
    for (int i = 1; i <= target.definition.NumbersDrawn; ++i)
        numberFields.push_back(table.fieldIndex(DrawingTable::numberField(i)));
    if (dateField < 0 || std::find(numberFields.begin(), numberFields.end(), -1) != numberFields.end())
        throw VantoroError(
            QStringLiteral("The table %1 is not a drawing table of this lottery.").arg(table.fileName()));
    keys.reserve(table.RecordCount());
    const DbfTable::Bookmark mark = table.bookmark();
    table.GoTop();
    do {
        const QDate date = QDate::fromString(table.DateText(dateField), QStringLiteral("MM/dd/yyyy"));
        std::vector<int> numbers;
        for (int field : numberFields)
            numbers.push_back(table.FieldText(field).trimmed().toInt());
        days->insert(date.toJulianDay(), numbersText(numbers));
        keys.insert(
            drawingKey(date, std::move(numbers), target.definition.regularNumbers(), target.digitGame()));
    } while (table.Skip(1) == 1);
    table.goToBookmark(mark);
    return keys;
}

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
    const QString problem = layout.problem();
    if (!problem.isEmpty())
        throw VantoroError(problem);
    if (GameTypes::isCardGame(target.definition.GameType) ||
        DrawingTable::numberFieldWidth(target.code, target.definition, 1) > 2)
        throw VantoroError(QStringLiteral("The drawings of card games cannot be imported; enter them in the "
                                          "drawing editor."));
    ImportPreview result;
    QHash<qint64, QString> days; // the numbers already on each date, of the table and the file
    QSet<QString> known = table ? tableKeys(*table, target, &days) : QSet<QString>();
    const RowReader reader{layout, target, target.digitGame()};
    const int total = int(rows.size());
    result.headerRows = std::min(layout.headerRows, total);
    for (int r = layout.headerRows; r < total; ++r) {
        if (progress && r % ProgressStep == 0 && !progress(r, total))
            return {};
        const CsvRow& row = rows[size_t(r)];
        // A row of only blanks or separators holds nothing to refuse.
        if (Csv::isBlank(row)) {
            ++result.blankRows;
            continue;
        }
        ++result.rows;
        QStringList dateParts;
        for (int column : layout.dateColumns)
            dateParts << columnCell(row, column);
        if (dateParts.join(QString()).isEmpty()) {
            result.refused.push_back({row.line, QStringLiteral("the date is missing.")});
            continue;
        }
        const std::optional<QDate> date = ImportLayout::parseDate(layout.dateFormat, dateParts);
        if (!date) {
            result.refused.push_back(
                {row.line, QStringLiteral("\"%1\" is not a date of the form %2.")
                               .arg(dateParts.join(QLatin1Char(' ')), layout.dateFormat)});
            continue;
        }
        std::vector<int> numbers;
        QString cause;
        if (!reader.numbers(row, &numbers, &cause) || !(cause = reader.check(numbers)).isEmpty()) {
            result.refused.push_back({row.line, cause});
            continue;
        }
        const QString key = drawingKey(*date, numbers, target.definition.regularNumbers(), reader.digitGame);
        if (known.contains(key)) {
            ++result.duplicates;
            continue;
        }
        if (!target.twoDrawsADay) {
            const auto day = days.constFind(date->toJulianDay());
            if (day != days.constEnd()) {
                result.refused.push_back(
                    {row.line,
                     QStringLiteral("the date %1 already has the drawing %2; this row has %3.")
                         .arg(date->toString(QStringLiteral("MM/dd/yyyy")), *day, numbersText(numbers))});
                continue;
            }
            days.insert(date->toJulianDay(), numbersText(numbers));
        }
        known.insert(key);
        result.accepted.push_back({row.line, *date, reader.fields(numbers)});
    }
    for (const ImportedDrawing& drawing : result.accepted) {
        if (offDrawDay(target.definition, drawing.date))
            result.offDay.push_back(drawing.line);
    }
    result.dateNote = drawDayNote(result.accepted, layout.dateFormat, target.definition);
    if (progress)
        progress(total, total);
    return result;
}

FileRows fileRows(QStringView text, const ImportLayout& layout, bool digitGame) {
    if (JsonRows::isJson(text))
        return {JsonRows::rows(JsonRows::read(text), layout, digitGame), JsonRows::rowLayout(layout), true};
    return {Csv::parse(text, layout.separator), layout, false};
}

ImportPreview preview(QStringView text, const ImportLayout& layout, const Target& target, DbfTable* table,
                      const ImportProgress& progress) {
    const FileRows file = fileRows(text, layout, target.digitGame());
    return preview(file.rows, file.layout, target, table, progress);
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
    const QString path = table.path();
    const QString name = table.fileName();
    const int order = table.order();
    const int before = table.RecordCount();
    const QFileInfo info(path);
    table.close();
    const auto reopen = [&] {
        table.open(path);
        table.SetOrder(order);
    };

    AtomicFile copy(path);
    try {
        QFile original(path);
        if (!original.open(QIODevice::ReadOnly) || !copy.open())
            throw VantoroError(
                QStringLiteral("The drawings cannot be added to %1: no working copy can be made in %2.")
                    .arg(name, nativePath(info.path())));
        if (!copy.write(original.readAll()))
            throw VantoroError(
                QStringLiteral("The drawings cannot be added to %1: %2.").arg(name, copy.errorText()));
        original.close();

        const int total = int(drawings.size());
        {
            DbfTable work;
            work.open(copy.temporaryPath(), true);
            for (int i = 0; i < total; ++i) {
                if (progress && i % ProgressStep == 0 && !progress(i, total)) {
                    work.close();
                    reopen();
                    return false;
                }
                const ImportedDrawing& drawing = drawings[size_t(i)];
                work.append();
                work.setFieldDate(DrawingTable::DateField,
                                  drawing.date.toString(QStringLiteral("MM/dd/yyyy")));
                for (int f = 0; f < drawing.fields.size(); ++f)
                    work.SetField(DrawingTable::numberField(f + 1), drawing.fields.at(f));
                work.post();
            }
            work.close();
            // Read the copy back as a new open would before it replaces the table.
            work.open(copy.temporaryPath());
            work.GoBottom(); // physical order: the last record written
            const ImportedDrawing& last = drawings.back();
            bool same =
                work.RecordCount() == before + total &&
                work.DateText(DrawingTable::DateField) == last.date.toString(QStringLiteral("MM/dd/yyyy"));
            for (int f = 0; same && f < last.fields.size(); ++f)
                same = work.FieldText(DrawingTable::numberField(f + 1)).trimmed() == last.fields.at(f);
            work.close();
            if (!same)
                throw VantoroError(
                    QStringLiteral(
                        "The drawings cannot be added to %1: the working copy did not read back as "
                        "written.")
                        .arg(name));
        }
        if (progress)
            progress(total, total);
        if (!copy.commit())
            throw VantoroError(
                QStringLiteral("The drawings cannot be added to %1: %2.").arg(name, copy.errorText()));
    } catch (...) {
        // The table is as it was; give it back to its owner open, even if the reason stays a mystery.
        if (!table.isOpen()) {
            try {
                reopen();
            } catch (const VantoroError&) {
            }
        }
        throw;
    }
    reopen();
    return true;
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
