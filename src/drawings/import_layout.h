// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drawings/csv_reader.h"
#include "lottery/lottery_definition.h"

#include <QChar>
#include <QDate>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <span>
#include <vector>

// Where the date and the numbers of a drawing stand in the rows of a published CSV file.
// Columns count from 1, as the user sees them. Every file kind we read is described by this
// one structure; the date forms are one table (import_layout.cpp), so a new form is one row there.
struct ImportLayout {
    QChar separator = QLatin1Char(',');
    int headerRows = 1;
    QString dateFormat = QStringLiteral("YYYY-MM-DD"); // a name of dateFormats()
    // One column, or for the split form the day, month and year columns.
    QList<int> dateColumns{1};
    // In table order, regular numbers first. A cell may hold several numbers joined by "|",
    // a bonus in parentheses "(51)", or a pick game's digits ("433", or "7" for 007).
    QList<int> numberColumns;
    // A JSON file names the fields of its records instead (JsonRows): the keys of the date, of
    // the numbers and of the bonus numbers (empty when the numbers hold them or there are none).
    QString jsonDate;
    QString jsonNumbers;
    QString jsonBonus;

    // The names the date forms go by in the window and on the command line.
    static QStringList dateFormats();
    // The split form: day, month (a number or an English month name) and year in three columns.
    static QString splitDateFormat();
    static bool isDateFormat(const QString& name);
    // Reads a date written in the named form; nullopt when the text is not such a date.
    static std::optional<QDate> parseDate(const QString& format, const QStringList& parts);
    // The same over the cells themselves, for reading a date on every row of a large file.
    static std::optional<QDate> parseDate(const QString& format, std::span<const QStringView> parts);

    // "5-24", "5,6,7", "2-7,9" <-> the column list; nullopt for anything else.
    static std::optional<QList<int>> parseColumns(const QString& text);
    static QString columnsText(const QList<int>& columns);

    // The layout export writes: a header row, the date as YYYY-MM-DD, the number columns in table order.
    static ImportLayout plain(const LotteryDefinition& definition);
    // A layout read from the first rows of a file: the separator, whether the first row is a
    // header, the date column and its form, and the number columns that follow the date; for a
    // JSON file the keys of its records and the form of their dates.
    static ImportLayout propose(QStringView text, const LotteryDefinition& definition, bool digitGame);
    // The date form that reads every date of the sample. When the dates read both as MM/DD and as
    // DD/MM, the form that puts fewer of them on a day the lottery does not draw wins; without
    // draw days (or on a tie) MM/DD does.
    static QString guessDateFormat(const std::vector<CsvRow>& rows, const QList<int>& dateColumns,
                                   const LotteryDefinition& definition = {});

    QJsonObject toJson() const;
    static std::optional<ImportLayout> fromJson(const QJsonObject& object);

    // What is wrong with the layout itself (no number column, a date column missing), empty when fine.
    QString problem() const;

    bool operator==(const ImportLayout&) const = default;
};
