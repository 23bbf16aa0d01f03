// SPDX-License-Identifier: GPL-3.0-or-later
// import: reads a published drawing history into a lottery's table; export: writes the table
// as the plain CSV that import reads back without options.
#include "cli/cli_commands.h"
#include "cli/cli_lottery.h"

#include "db/table_lock.h"
#include "db/vantoro_error.h"
#include "drawings/drawing_export.h"
#include "drawings/drawing_import.h"
#include "drawings/import_presets.h"
#include "drawings/json_rows.h"
#include "lottery/lottery_files.h"

#include <QFileInfo>

namespace {

QList<int> columnsOption(const CliOptions& args, const QString& name, const QList<int>& fallback) {
    if (!args.has(name))
        return fallback;
    const auto columns = ImportLayout::parseColumns(args.value(name));
    if (!columns)
        throw UsageError(
            QStringLiteral("--%1 takes columns counted from 1, such as 5-24 or 2,3,4").arg(name));
    return *columns;
}

// The layout proposed from the file, as the import window proposes it, changed by the options
// given. Checked against the plain layout before any file is touched, so a bad command line is
// always exit status 2.
ImportLayout layoutFrom(const CliOptions& args, ImportLayout layout) {
    if (args.has(QStringLiteral("separator"))) {
        QString separator = args.value(QStringLiteral("separator"));
        if (separator == QLatin1String("\\t") || separator == QLatin1String("tab"))
            separator = QStringLiteral("\t");
        if (separator.size() != 1)
            throw UsageError(QStringLiteral("--separator takes one character: ',' or ';'"));
        layout.separator = separator.front();
    }
    layout.headerRows = args.integer(QStringLiteral("header-rows"), layout.headerRows);
    if (layout.headerRows < 0)
        throw UsageError(QStringLiteral("--header-rows must not be negative"));
    layout.dateColumns = columnsOption(args, QStringLiteral("date-column"), layout.dateColumns);
    layout.numberColumns = columnsOption(args, QStringLiteral("number-columns"), layout.numberColumns);
    if (args.has(QStringLiteral("date-format"))) {
        layout.dateFormat = args.value(QStringLiteral("date-format")).toUpper();
        if (!ImportLayout::isDateFormat(layout.dateFormat))
            throw UsageError(QStringLiteral("--date-format must be one of ") +
                             ImportLayout::dateFormats().join(QStringLiteral(", ")));
    } else if (layout.dateColumns.size() == 3) {
        layout.dateFormat = ImportLayout::splitDateFormat();
    }
    const QString problem = layout.problem();
    if (!problem.isEmpty())
        throw UsageError(problem);
    return layout;
}

// Without --date-format the file's own dates tell their form.
void guessDateFormat(ImportLayout& layout, QStringView text, const LotteryDefinition& definition) {
    std::vector<CsvRow> sample = Csv::parse(text.left(16 * 1024), layout.separator);
    if (sample.size() > size_t(layout.headerRows))
        sample.erase(sample.begin(), sample.begin() + layout.headerRows);
    const QString guessed = ImportLayout::guessDateFormat(sample, layout.dateColumns, definition);
    if (!guessed.isEmpty())
        layout.dateFormat = guessed;
}

const QStringList csvOptions{QStringLiteral("separator"), QStringLiteral("header-rows"),
                             QStringLiteral("date-column"), QStringLiteral("number-columns")};
const QStringList jsonOptions{QStringLiteral("json-date"), QStringLiteral("json-numbers"),
                              QStringLiteral("json-bonus")};

// The keys given replace the proposed ones; the dates under another key may have another form.
void jsonKeysFrom(const CliOptions& args, ImportLayout& layout, QStringView text,
                  const LotteryDefinition& definition, bool digitGame) {
    for (const QString& name : {QStringLiteral("json-date"), QStringLiteral("json-numbers")}) {
        if (args.has(name) && args.value(name).isEmpty())
            throw UsageError(QStringLiteral("--%1 takes the key of a field of the records").arg(name));
    }
    layout.jsonDate = args.value(QStringLiteral("json-date"), layout.jsonDate);
    layout.jsonNumbers = args.value(QStringLiteral("json-numbers"), layout.jsonNumbers);
    layout.jsonBonus = args.value(QStringLiteral("json-bonus"), layout.jsonBonus);
    if (args.has(QStringLiteral("json-date")) && !args.has(QStringLiteral("date-format"))) {
        JsonRows::Records records = JsonRows::read(text);
        records.values.resize(std::min<size_t>(records.values.size(), 40));
        records.lines.resize(records.values.size());
        const QString guessed =
            ImportLayout::guessDateFormat(JsonRows::rows(records, layout, digitGame), {1}, definition);
        if (!guessed.isEmpty())
            layout.dateFormat = guessed;
    }
}

void addImportOptions(CliOptions& args) {
    args.addPositional(QStringLiteral("FILE"), QStringLiteral("The CSV or JSON file to import."));
    args.addLottery();
    args.addValue(
        {QStringLiteral("separator")}, QStringLiteral("C"),
        QStringLiteral("CSV: the character between fields, such as ',' or ';' (tab or \\t for a tab)."));
    args.addValue({QStringLiteral("header-rows")}, QStringLiteral("N"),
                  QStringLiteral("CSV: how many rows at the top are headings, not drawings."));
    args.addValue({QStringLiteral("date-column")}, QStringLiteral("C|D,M,Y"),
                  QStringLiteral("CSV: the column of the date, counted from 1, or the three columns of its "
                                 "day, month and year."));
    args.addValue({QStringLiteral("date-format")}, QStringLiteral("FORM"),
                  QStringLiteral("How the dates are written: %1 (default: guessed from the dates).")
                      .arg(ImportLayout::dateFormats().join(QStringLiteral(", "))));
    args.addValue({QStringLiteral("number-columns")}, QStringLiteral("COLUMNS"),
                  QStringLiteral("CSV: the columns of the numbers, such as 5-24 or 2,3,4."));
    args.addValue(
        {QStringLiteral("json-date")}, QStringLiteral("KEY"),
        QStringLiteral("JSON: the key of the date (default: proposed from the names of the keys)."));
    args.addValue({QStringLiteral("json-numbers")}, QStringLiteral("KEY"),
                  QStringLiteral("JSON: the key of the numbers (default: proposed from the names)."));
    args.addValue({QStringLiteral("json-bonus")}, QStringLiteral("KEY"),
                  QStringLiteral("JSON: the key of the bonus numbers; '' takes none (default: proposed)."));
    args.addValue({QStringLiteral("preset")}, QStringLiteral("NAME"),
                  QStringLiteral("CSV: the layout of a known results file: %1. A lottery made from a game "
                                 "of today that has one is read with it unless its columns are given.")
                      .arg(ImportPresets::names().join(QStringLiteral(", "))));
    args.addFlag({QStringLiteral("skip-bad")},
                 QStringLiteral("Imports the good rows of a file that has bad ones, which are otherwise "
                                "refused with the whole file."));
    args.addFlag({QStringLiteral("two-draws-a-day")},
                 QStringLiteral("The lottery draws twice a day: a second drawing on a date already held is "
                                "taken, not refused."));
}

} // namespace

int cliImport(const QStringList& words) {
    CliOptions args(QStringLiteral("import"),
                    QStringLiteral("Adds the drawings of a published history to a lottery's table, as the "
                                   "import window does. The layout of the file is proposed from it as the "
                                   "window proposes it; the options change it. A JSON file is an array of "
                                   "records. Drawings dated on a day the lottery does not draw are imported "
                                   "and named."));
    addImportOptions(args);
    if (!args.parse(words))
        return 0;
    if (args.positional().size() != 1)
        throw UsageError(QStringLiteral("name one CSV or JSON file to import"));
    const QString path = args.positional().first();
    // Taken before the table is read, so that what this import adds to is what another has written.
    const TableLock lock(cliTablePath(args));
    CurrentLottery lottery;
    openCliLottery(args, lottery);
    layoutFrom(args, ImportLayout::plain(lottery.definition()));
    const QString text = DrawingImport::readFile(path);
    DrawingImport::Target target{LotteryFiles::baseName(lottery.LotteryFile()).toUpper(),
                                 lottery.definition(), args.has(QStringLiteral("two-draws-a-day")),
                                 std::nullopt};
    target.extras = GameExtrasFile::read(lottery.DataDir(), target.code);
    const ImportPreset* preset = nullptr;
    if (args.has(QStringLiteral("preset"))) {
        preset = ImportPresets::named(args.value(QStringLiteral("preset")));
        if (!preset)
            throw UsageError(QStringLiteral("--preset must be one of: ") +
                             ImportPresets::names().join(QStringLiteral(", ")));
    } else if (target.extras && !args.has(QStringLiteral("date-column")) &&
               !args.has(QStringLiteral("number-columns"))) {
        // A lottery made from a game of today reads its operator's file without further options.
        preset = ImportPresets::forGame(target.extras->game);
    }
    const bool json = JsonRows::isJson(text);
    // Options for the other kind of file would be ignored in silence: say so instead.
    for (const QString& name : json ? csvOptions : jsonOptions) {
        if (args.has(name))
            throw UsageError(
                json ? QStringLiteral("--%1 is for CSV files; name the fields of a JSON file with "
                                      "--json-date, --json-numbers and --json-bonus")
                           .arg(name)
                     : QStringLiteral("--%1 is for JSON files").arg(name));
    }
    if (json && preset && args.has(QStringLiteral("preset")))
        throw UsageError(QStringLiteral("--preset is for CSV files"));
    ImportLayout layout = layoutFrom(
        args, preset && !json ? preset->layout
                              : ImportLayout::propose(text, lottery.definition(), target.digitGame()));
    if (json)
        jsonKeysFrom(args, layout, text, lottery.definition(), target.digitGame());
    // A date column chosen by hand may be written in another form than the proposed one.
    if (args.has(QStringLiteral("date-column")) && !args.has(QStringLiteral("date-format")))
        guessDateFormat(layout, text, lottery.definition());
    const ImportPreview preview = DrawingImport::preview(text, layout, target, &lottery.table());
    const QString fileName = QFileInfo(path).fileName();
    QTextStream& out = cliOut();
    if (preview.noDrawing())
        throw VantoroError(DrawingImport::noDrawingMessage(fileName));
    if (!preview.refused.empty() && !args.has(QStringLiteral("skip-bad"))) {
        constexpr size_t shown = 20;
        QStringList lines{QStringLiteral("The file %1 has %2; nothing was imported (give --skip-bad to "
                                         "import the other rows).")
                              .arg(fileName, DrawingImport::counted(qsizetype(preview.refused.size()),
                                                                    "bad row", "bad rows"))};
        for (size_t i = 0; i < std::min(shown, preview.refused.size()); ++i)
            lines << preview.refused[i].text();
        if (preview.refused.size() > shown)
            lines << QStringLiteral("... and %1 more.").arg(preview.refused.size() - shown);
        throw VantoroError(lines.join(QLatin1Char('\n')));
    }
    DrawingImport::append(lottery.table(), preview.accepted);
    lottery.refreshTotals();
    using DrawingImport::counted;
    out << "Imported " << counted(qsizetype(preview.accepted.size()), "drawing", "drawings") << " from "
        << fileName << " into " << lottery.LotteryFile() << "; " << preview.duplicates
        << " already in the table; " << counted(qsizetype(preview.refused.size()), "bad row", "bad rows")
        << " skipped; " << counted(preview.headerRows, "header row", "header rows") << " skipped";
    if (preview.blankRows > 0)
        out << "; " << counted(preview.blankRows, "blank row", "blank rows") << " skipped";
    out << ".\n";
    if (preset && !json)
        out << "Read with the preset " << preset->name << ".\n";
    // Only a guessed date form was chosen by the draw days, and only then is that worth saying.
    if (!preview.dateNote.isEmpty() && !args.has(QStringLiteral("date-format")) && !preset)
        out << preview.dateNote << "\n";
    if (!preview.offDayWarning().isEmpty())
        out << preview.offDayWarning() << "\n";
    for (const RefusedRow& row : preview.refused)
        out << "Skipped " << row.text() << "\n";
    out << lottery.statusTexts().first() << "\n";
    return 0;
}

int cliExport(const QStringList& words) {
    CliOptions args(QStringLiteral("export"),
                    QStringLiteral("Writes the drawings of a lottery as the plain CSV that import reads back "
                                   "without options."));
    args.addPositional(QStringLiteral("CSV"), QStringLiteral("The file to write (default: standard output)."),
                       QStringLiteral("[CSV]"));
    args.addLottery();
    if (!args.parse(words))
        return 0;
    if (args.positional().size() > 1)
        throw UsageError(QStringLiteral("name at most one CSV file to write"));
    CurrentLottery lottery;
    openCliLottery(args, lottery);
    const int drawn = lottery.definition().NumbersDrawn;
    if (args.positional().isEmpty()) {
        cliOut() << DrawingExport::csvText(lottery.table(), drawn);
        return 0;
    }
    const QString path = args.positional().first();
    const int count = DrawingExport::write(lottery.table(), drawn, path);
    cliOut() << "Exported " << DrawingImport::counted(count, "drawing", "drawings") << " to "
             << QFileInfo(path).fileName() << ".\n";
    return 0;
}
