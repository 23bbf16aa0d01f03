// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drawings/csv_reader.h"
#include "drawings/drawing_fields.h"
#include "drawings/import_layout.h"
#include "lottery/lottery_definition.h"
#include "lottery/todays_games.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class DbfTable;

// One drawing read from a file, ready to be stored: the field texts as the table keeps them.
struct ImportedDrawing {
    int line = 0;
    QDate date;
    DrawingFields fields; // P1..Pn, regular numbers first, zero-padded to their field width
};

// A row the import will not take, and why (the cause reads after "Line N: ").
struct RefusedRow {
    int line = 0;
    QString cause;
    QString text() const; // "Line 12: 50 is out of range (1 to 49)."
};

// What an import would do, worked out before anything is written.
struct ImportPreview {
    std::vector<ImportedDrawing> accepted; // in file order
    std::vector<RefusedRow> refused;
    int duplicates = 0; // rows whose date and numbers are already in the table (or earlier in the file)
    int rows = 0;       // data rows read, header rows not counted
    int headerRows = 0; // rows skipped as a header at the top
    int blankRows = 0;  // rows of only blanks or separators, skipped
    // The lines of accepted drawings dated on a weekday the lottery does not draw (when its
    // definition names draw days): taken, but worth a look.
    std::vector<int> offDay;
    // "The dates were read as DD/MM/YYYY: read as MM/DD/YYYY, 40 of them would not fall on a draw
    // day." when every date of the drawings reads both ways and the draw days favour the form
    // used; empty otherwise.
    QString dateNote;
    // "12 drawings will be added; 3 are already in the table; 2 rows are refused; 1 header row is
    // skipped." (the blank rows follow when there are any)
    QString summary() const;
    // "2 drawings fall on a day the lottery does not draw: lines 4 and 9." naming the first few
    // lines, then how many more; empty when there are none.
    QString offDayWarning() const;
    // True when no row of the file was read as a drawing, not even one already in the table.
    bool noDrawing() const { return accepted.empty() && duplicates == 0; }
};

// Reports progress (done of total); returning false stops the work, which then writes nothing.
using ImportProgress = std::function<bool(int done, int total)>;

// Reading published drawing histories into a lottery's drawing table, and the mapping of a
// file's columns remembered for the next import of the same lottery.
namespace DrawingImport {

// The lottery a file is read for. The code decides the field widths (and so the digit games).
struct Target {
    QString code;
    LotteryDefinition definition;
    // Some lotteries draw twice on one day; only then may a date hold two different drawings.
    bool twoDrawsADay = false;
    // The drums of a lottery made from a game of today (CODE.GAM): the range of each bonus
    // number, and whether a drawing may lack its bonus.
    std::optional<GameExtras> extras = std::nullopt;
    bool digitGame() const; // one digit per field: digits may repeat, a cell may hold them all
};

// Every data row checked against the definition; duplicates of the drawings in `table` (when
// given, read through its cursor) and repeats within the file are counted, not refused.
// A stop by `progress` gives an empty preview.
// Card games cannot be imported (their fields hold playing cards): VantoroError.
ImportPreview preview(const std::vector<CsvRow>& rows, const ImportLayout& layout, const Target& target,
                      DbfTable* table = nullptr, const ImportProgress& progress = {});
// The rows of a file and the layout that reads them: a CSV file's records as they stand, or a
// JSON file's records turned into rows by the layout's keys (JsonRows).
struct FileRows {
    std::vector<CsvRow> rows;
    ImportLayout layout;
    bool json = false;
};
FileRows fileRows(QStringView text, const ImportLayout& layout, bool digitGame);

// The text of a CSV file, or of a JSON file whose records are read by the layout's keys.
ImportPreview preview(QStringView text, const ImportLayout& layout, const Target& target,
                      DbfTable* table = nullptr, const ImportProgress& progress = {});

// True when the definition names draw days and the date is on none of them.
bool offDrawDay(const LotteryDefinition& definition, const QDate& date);

// Appends the drawings to the open table, all or nothing: they are written to a copy of the
// table beside it, the copy is checked, then renamed over the table, which is opened again
// (order kept). A failure throws VantoroError and leaves the table as it was; a stop by
// `progress` returns false, also with the table untouched.
bool append(DbfTable& table, const std::vector<ImportedDrawing>& drawings,
            const ImportProgress& progress = {});

// "1 drawing", "3 drawings": a count with its noun in the number it needs.
QString counted(qsizetype n, const char* one, const char* many);

// The refusal of a file in which no line reads as a drawing.
QString noDrawingMessage(const QString& fileName);

// Reads a whole CSV or JSON file as text; a file that cannot be read throws VantoroError naming it.
QString readFile(const QString& path);

// The mapping last used for this lottery, kept in the home (imports/CODE.json).
std::optional<ImportLayout> rememberedLayout(const QString& homeDir, const QString& code);
void rememberLayout(const QString& homeDir, const QString& code, const ImportLayout& layout);

} // namespace DrawingImport
