// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/import_layout.h"

#include "drawings/drawing_import.h"
#include "drawings/json_rows.h"

#include <QJsonArray>
#include <QRegularExpression>
#include <algorithm>
#include <array>

namespace {

// The date forms of published files: three numbers between two separators, the year of four
// digits first or last, and the others of one or two digits (exports drop leading zeros freely).
// Each names where year, month and day stand. They are matched by hand, not by regular
// expressions: the import reads a date on every row, and the proposal tries every form on every cell.
struct DateForm {
    const char* name;
    char separator;
    bool yearFirst;
    bool finalDot;          // a "." may end the date
    int year, month, day;   // positions, 1 to 3
    bool monthName = false; // the month as its English name's first three letters
};

const DateForm dateForms[] = {
    {"MM/DD/YYYY", '/', false, false, 3, 1, 2},        {"M/D/YYYY", '/', false, false, 3, 1, 2},
    {"YYYY-MM-DD", '-', true, false, 1, 2, 3},         {"YYYY.MM.DD.", '.', true, true, 1, 2, 3},
    {"DD.MM.YYYY", '.', false, true, 3, 2, 1},         {"DD/MM/YYYY", '/', false, false, 3, 2, 1},
    {"DD-MMM-YYYY", '-', false, false, 3, 2, 1, true},
};

// A run of `least` to `most` ASCII digits at `*at`, read as a number; the position moves past it.
bool readDigits(QStringView text, qsizetype* at, int least, int most, int* value) {
    int count = 0;
    int number = 0;
    while (*at < text.size() && count < most && text[*at] >= QLatin1Char('0') &&
           text[*at] <= QLatin1Char('9')) {
        number = number * 10 + (text[*at].unicode() - '0');
        ++*at;
        ++count;
    }
    *value = number;
    return count >= least &&
           (*at == text.size() || text[*at] < QLatin1Char('0') || text[*at] > QLatin1Char('9'));
}

// The end of a date may be followed by one line feed, as a "$" anchor allowed.
bool atEnd(QStringView text, qsizetype at) {
    return at == text.size() || (at + 1 == text.size() && text[at] == QLatin1Char('\n'));
}

int monthOf(QStringView text) {
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    if (isNumber)
        return number;
    static const QStringList names{"jan", "feb", "mar", "apr", "may", "jun",
                                   "jul", "aug", "sep", "oct", "nov", "dec"};
    const QString key = text.trimmed().left(3).toString().toLower();
    return text.trimmed().size() >= 3 ? int(names.indexOf(key)) + 1 : 0;
}

bool readForm(const DateForm& form, QStringView text, int* year, int* month, int* day) {
    int parts[3] = {};
    qsizetype at = 0;
    for (int i = 0; i < 3; ++i) {
        const bool isYear = i == (form.yearFirst ? 0 : 2);
        if (i > 0) {
            if (at >= text.size() || text[at] != QLatin1Char(form.separator))
                return false;
            ++at;
        }
        if (form.monthName && i + 1 == form.month) {
            // "04-Apr-2023": three letters, read as the split form reads a month's name.
            if (at + 3 > text.size())
                return false;
            parts[i] = monthOf(text.sliced(at, 3));
            if (parts[i] <= 0)
                return false;
            at += 3;
            continue;
        }
        if (!readDigits(text, &at, isYear ? 4 : 1, isYear ? 4 : 2, &parts[i]))
            return false;
    }
    if (form.finalDot && at < text.size() && text[at] == QLatin1Char('.'))
        ++at;
    if (!atEnd(text, at))
        return false;
    *year = parts[form.year - 1];
    *month = parts[form.month - 1];
    *day = parts[form.day - 1];
    return true;
}

const char* const splitName = "DAY,MONTH,YEAR";

const DateForm* formNamed(const QString& name) {
    for (const DateForm& form : dateForms) {
        if (name == QLatin1String(form.name))
            return &form;
    }
    return nullptr;
}

bool isNumberCell(const QString& cell) {
    static const QRegularExpression numbers(QStringLiteral(R"(^\(?\d{1,2}\)?(\s*\|\s*\d{1,2})*$)"));
    return numbers.match(cell.trimmed()).hasMatch();
}

int numbersInCell(const QString& cell, bool digitGame) {
    const QString trimmed = cell.trimmed();
    if (digitGame && !trimmed.contains(QLatin1Char('|')))
        return -1; // the digits of the whole drawing, however many leading zeros were lost
    return int(trimmed.count(QLatin1Char('|'))) + 1;
}

// The date the cells give in the form, or in the split form for none.
std::optional<QDate> dateOf(const DateForm* form, std::span<const QStringView> parts) {
    int year = 0;
    int month = 0;
    int day = 0;
    if (!form) {
        if (parts.size() != 3)
            return std::nullopt;
        qsizetype at = 0;
        if (!readDigits(parts[0], &at, 1, 4, &day) || !atEnd(parts[0], at))
            return std::nullopt;
        at = 0;
        if (parts[2].size() != 4 || !readDigits(parts[2], &at, 4, 4, &year) || !atEnd(parts[2], at))
            return std::nullopt;
        month = monthOf(parts[1]);
    } else if (parts.size() != 1 || !readForm(*form, parts[0], &year, &month, &day)) {
        return std::nullopt;
    }
    const QDate date(year, month, day);
    if (!date.isValid() || year < 1000)
        return std::nullopt;
    return date;
}

// The trimmed cells of a row's date columns, read in place (the proposal looks at every cell of
// its sample rows in every form); an empty one for a column the row lacks.
struct DateCells {
    std::array<QStringView, 3> parts;
    qsizetype count = 0;

    std::span<const QStringView> span() const { return {parts.data(), size_t(count)}; }
    bool isEmpty() const {
        return std::all_of(parts.begin(), parts.begin() + count, [](QStringView p) { return p.isEmpty(); });
    }
};

QStringView dateCell(const CsvRow& row, int column) {
    return column >= 1 && column <= row.cells.size() ? QStringView(row.cells.at(column - 1)).trimmed()
                                                     : QStringView();
}

DateCells dateCells(const CsvRow& row, const QList<int>& columns) {
    DateCells cells;
    cells.count = std::min<qsizetype>(columns.size(), 3);
    for (qsizetype i = 0; i < cells.count; ++i)
        cells.parts[size_t(i)] = dateCell(row, columns.at(i));
    return cells;
}

// Whether the cells read as a date of any form: one cell in one of the forms, three as the split one.
bool readsAsDate(const DateCells& cells) {
    if (cells.count == 3)
        return bool(dateOf(nullptr, cells.span()));
    if (cells.count != 1)
        return false;
    return std::any_of(std::begin(dateForms), std::end(dateForms),
                       [&](const DateForm& form) { return bool(dateOf(&form, cells.span())); });
}

bool rowHasDate(const CsvRow& row) {
    for (int c = 1; c <= row.cells.size(); ++c) {
        DateCells cells;
        cells.count = 1;
        cells.parts[0] = dateCell(row, c);
        if (readsAsDate(cells))
            return true;
        if (c + 2 <= row.cells.size()) {
            cells.count = 3;
            cells.parts[1] = dateCell(row, c + 1);
            cells.parts[2] = dateCell(row, c + 2);
            if (readsAsDate(cells))
                return true;
        }
    }
    return false;
}

// How one date form reads the dates of some rows: rows with a date at all, dates read, and of
// those the ones on a day the lottery does not draw.
} // namespace

QStringList ImportLayout::dateFormats() {
    QStringList names;
    for (const DateForm& form : dateForms)
        names << QLatin1String(form.name);
    names << QLatin1String(splitName);
    return names;
}

QString ImportLayout::splitDateFormat() {
    return QLatin1String(splitName);
}

bool ImportLayout::isDateFormat(const QString& name) {
    return formNamed(name) || name == QLatin1String(splitName);
}

std::optional<QDate> ImportLayout::parseDate(const QString& format, const QStringList& parts) {
    if (parts.size() > 3)
        return std::nullopt;
    QStringView views[3];
    for (qsizetype i = 0; i < parts.size(); ++i)
        views[i] = parts.at(i);
    return parseDate(format, std::span<const QStringView>(views, size_t(parts.size())));
}

std::optional<QDate> ImportLayout::parseDate(const QString& format, std::span<const QStringView> parts) {
    if (format == QLatin1String(splitName))
        return dateOf(nullptr, parts);
    const DateForm* form = formNamed(format);
    return form ? dateOf(form, parts) : std::nullopt;
}

std::optional<QList<int>> ImportLayout::parseColumns(const QString& text) {
    QList<int> columns;
    const QStringList pieces = text.split(QLatin1Char(','));
    static const QRegularExpression piece(QStringLiteral(R"(^\s*(\d{1,3})\s*(?:-\s*(\d{1,3})\s*)?$)"));
    for (const QString& p : pieces) {
        const QRegularExpressionMatch match = piece.match(p);
        if (!match.hasMatch())
            return std::nullopt;
        const int first = match.captured(1).toInt();
        const int last = match.captured(2).isEmpty() ? first : match.captured(2).toInt();
        if (first < 1 || last < first)
            return std::nullopt;
        for (int c = first; c <= last; ++c)
            columns << c;
    }
    return columns;
}

QString ImportLayout::columnsText(const QList<int>& columns) {
    QStringList pieces;
    for (qsizetype i = 0; i < columns.size();) {
        qsizetype j = i;
        while (j + 1 < columns.size() && columns.at(j + 1) == columns.at(j) + 1)
            ++j;
        pieces << (j > i + 1 ? QStringLiteral("%1-%2").arg(columns.at(i)).arg(columns.at(j))
                             : QString::number(columns.at(i)));
        if (j == i + 1)
            pieces << QString::number(columns.at(j));
        i = j + 1;
    }
    return pieces.join(QLatin1Char(','));
}

ImportLayout ImportLayout::plain(const LotteryDefinition& definition) {
    ImportLayout layout;
    for (int i = 0; i < definition.NumbersDrawn; ++i)
        layout.numberColumns << i + 2;
    return layout;
}

QString ImportLayout::guessDateFormat(const std::vector<CsvRow>& rows, const QList<int>& dateColumns,
                                      const LotteryDefinition& definition) {
    if (dateColumns.size() > 3)
        return {}; // no form reads more than three cells
    QStringList candidates = dateFormats();
    if (dateColumns.size() == 3)
        candidates = {QLatin1String(splitName)};
    // A row without a date says nothing about the form.
    std::vector<DateCells> dated;
    dated.reserve(rows.size());
    for (const CsvRow& row : rows) {
        const DateCells cells = dateCells(row, dateColumns);
        if (!cells.isEmpty())
            dated.push_back(cells);
    }
    const int seen = int(dated.size());
    // The form that reads the most dates wins, so that one bad date does not hide the column.
    // Only MM/DD and DD/MM can read the same dates; between them the draw days decide, and
    // without them (or on a tie) the earlier form, MM/DD, does.
    QString best;
    int bestRead = 0;
    int bestOffDay = 0;
    for (const QString& format : candidates) {
        if (format == QLatin1String("M/D/YYYY"))
            continue;                             // reads exactly what MM/DD/YYYY reads
        const DateForm* form = formNamed(format); // none for the split form
        int read = 0;
        int offDay = 0;
        for (const DateCells& cells : dated) {
            if (const std::optional<QDate> date = dateOf(form, cells.span())) {
                ++read;
                if (DrawingImport::offDrawDay(definition, *date))
                    ++offDay;
            }
        }
        if (read > bestRead || (read > 0 && read == bestRead && offDay < bestOffDay)) {
            best = format;
            bestRead = read;
            bestOffDay = offDay;
        }
    }
    return bestRead * 2 > seen ? best : QString();
}

ImportLayout ImportLayout::propose(QStringView text, const LotteryDefinition& definition, bool digitGame) {
    ImportLayout layout = plain(definition);
    if (JsonRows::isJson(text)) {
        JsonRows::Records records = JsonRows::read(text);
        JsonRows::proposeKeys(records, definition, layout);
        records.values.resize(std::min<size_t>(records.values.size(), 40));
        records.lines.resize(records.values.size());
        const QString format = guessDateFormat(JsonRows::rows(records, layout, digitGame), {1}, definition);
        if (!format.isEmpty())
            layout.dateFormat = format;
        return layout;
    }
    layout.separator = Csv::guessSeparator(text);
    std::vector<CsvRow> rows = Csv::parse(text.left(64 * 1024), layout.separator);
    if (rows.size() > 40)
        rows.resize(40);
    // Rows of only separators or blanks say nothing about the layout, and a header row followed
    // by one is still the header: the rows that hold something are compared.
    std::vector<CsvRow> data;
    std::vector<int> rowIndex; // where each of them stands among all the rows
    for (size_t r = 0; r < rows.size(); ++r) {
        if (!Csv::isBlank(rows[r])) {
            data.push_back(rows[r]);
            rowIndex.push_back(int(r));
        }
    }
    if (data.empty())
        return layout;
    // The first row is a header when it holds no date but the rows after it do.
    if (!rowHasDate(data.front()) && data.size() > 1 && rowHasDate(data.at(1))) {
        layout.headerRows = rowIndex.front() + 1;
        data.erase(data.begin());
    } else {
        layout.headerRows = 0;
    }

    // The date: the first column (or day, month, year triple) that every sample row reads as one.
    const CsvRow& first = data.front();
    int dateEnd = 0;
    for (int c = 1; c <= first.cells.size() && dateEnd == 0; ++c) {
        for (const QList<int>& columns : {QList<int>{c}, QList<int>{c, c + 1, c + 2}}) {
            if (columns.size() == 3 && c + 2 > first.cells.size())
                continue;
            // The first row's cells must read as a date before the whole sample is tried.
            const DateCells firstCells = dateCells(first, columns);
            if (!readsAsDate(firstCells))
                continue;
            const QString format = guessDateFormat(data, columns, definition);
            if (!format.isEmpty() && parseDate(format, firstCells.span())) {
                layout.dateColumns = columns;
                layout.dateFormat = format;
                dateEnd = columns.last();
                break;
            }
        }
    }
    // The numbers: the number cells after the date until the drawing is complete. A pick game
    // has its digits in cells of their own, or all of them in one cell.
    QList<int> numbers;
    if (digitGame) {
        static const QRegularExpression digit(QStringLiteral(R"(^\d$)"));
        int run = 0;
        while (dateEnd + run < first.cells.size() && run < definition.NumbersDrawn &&
               digit.match(first.cells.at(dateEnd + run).trimmed()).hasMatch())
            ++run;
        if (run == definition.NumbersDrawn) {
            for (int c = dateEnd + 1; c <= dateEnd + run; ++c)
                numbers << c;
            layout.numberColumns = numbers;
            return layout;
        }
    }
    int count = 0;
    for (int c = dateEnd + 1; c <= first.cells.size() && count < definition.NumbersDrawn; ++c) {
        const QString cell = first.cells.at(c - 1);
        static const QRegularExpression digits(QStringLiteral(R"(^\d{1,4}$)"));
        const bool numeric = digitGame ? digits.match(cell.trimmed()).hasMatch() : isNumberCell(cell);
        if (!numeric) {
            if (!numbers.isEmpty())
                break;
            continue;
        }
        numbers << c;
        const int inCell = numbersInCell(cell, digitGame);
        count += inCell < 0 ? definition.NumbersDrawn : inCell;
    }
    if (!numbers.isEmpty())
        layout.numberColumns = numbers;
    return layout;
}

QJsonObject ImportLayout::toJson() const {
    QJsonArray dates;
    for (int c : dateColumns)
        dates.append(c);
    QJsonArray numbers;
    for (int c : numberColumns)
        numbers.append(c);
    return QJsonObject{
        {QStringLiteral("separator"), QString(separator)}, {QStringLiteral("headerRows"), headerRows},
        {QStringLiteral("dateFormat"), dateFormat},        {QStringLiteral("dateColumns"), dates},
        {QStringLiteral("numberColumns"), numbers},        {QStringLiteral("jsonDate"), jsonDate},
        {QStringLiteral("jsonNumbers"), jsonNumbers},      {QStringLiteral("jsonBonus"), jsonBonus}};
}

std::optional<ImportLayout> ImportLayout::fromJson(const QJsonObject& object) {
    ImportLayout layout;
    const QString separator = object.value(QStringLiteral("separator")).toString();
    if (separator.size() != 1)
        return std::nullopt;
    layout.separator = separator.front();
    layout.headerRows = object.value(QStringLiteral("headerRows")).toInt(-1);
    layout.dateFormat = object.value(QStringLiteral("dateFormat")).toString();
    layout.dateColumns.clear();
    for (const QJsonValue& v : object.value(QStringLiteral("dateColumns")).toArray())
        layout.dateColumns << v.toInt();
    for (const QJsonValue& v : object.value(QStringLiteral("numberColumns")).toArray())
        layout.numberColumns << v.toInt();
    // Choices saved before JSON files were read have no keys: the proposal supplies them.
    layout.jsonDate = object.value(QStringLiteral("jsonDate")).toString();
    layout.jsonNumbers = object.value(QStringLiteral("jsonNumbers")).toString();
    layout.jsonBonus = object.value(QStringLiteral("jsonBonus")).toString();
    if (!layout.problem().isEmpty() || layout.headerRows < 0)
        return std::nullopt;
    return layout;
}

QString ImportLayout::problem() const {
    if (separator != QLatin1Char(',') && separator != QLatin1Char(';') && separator != QLatin1Char('\t'))
        return QStringLiteral("The separator must be a comma, a semicolon or a tab.");
    if (!isDateFormat(dateFormat))
        return QStringLiteral("\"%1\" is not a date form Vantoro knows.").arg(dateFormat);
    const qsizetype wanted = dateFormat == QLatin1String(splitName) ? 3 : 1;
    if (dateColumns.size() != wanted)
        return wanted == 3 ? QStringLiteral("The date needs three columns: day, month and year.")
                           : QStringLiteral("The date needs one column.");
    if (numberColumns.isEmpty())
        return QStringLiteral("Choose the columns that hold the numbers.");
    for (int c : dateColumns + numberColumns) {
        if (c < 1)
            return QStringLiteral("Columns are counted from 1.");
    }
    return {};
}
