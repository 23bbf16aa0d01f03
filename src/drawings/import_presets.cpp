// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/import_presets.h"

namespace {

// A file of comma-separated rows under one header row, the date in one column: most operators'.
ImportPreset preset(const char* name, const char* game, const char* origin, const char* dateFormat,
                    QList<int> dateColumns, QList<int> numberColumns, char separator = ',',
                    int headerRows = 1) {
    ImportLayout layout;
    layout.separator = QLatin1Char(separator);
    layout.headerRows = headerRows;
    layout.dateFormat = QLatin1String(dateFormat);
    layout.dateColumns = std::move(dateColumns);
    layout.numberColumns = std::move(numberColumns);
    return {QLatin1String(name), QLatin1String(game), QLatin1String(origin), layout};
}

} // namespace

namespace ImportPresets {

const QList<ImportPreset>& all() {
    // Every preset here reads its excerpt in tests/data/csv/presets; a game without a real
    // published file to check against has no preset.
    static const QList<ImportPreset> presets{
        preset(
            "euromillions-uk", "EuroMillions",
            "the UK National Lottery's draw history download: DrawDate, Ball 1 to 5, Lucky Star 1 and 2, ...",
            "DD-MMM-YYYY", {1}, {2, 3, 4, 5, 6, 7, 8}),
        preset("uk-lotto", "UK Lotto",
               "the UK National Lottery's draw history download: DrawDate, Ball 1 to 6, Bonus Ball, ...",
               "DD-MMM-YYYY", {1}, {2, 3, 4, 5, 6, 7, 8}),
        preset("powerball-us", "US Powerball",
               "date, white balls joined by |, red ball, power play (the layout of public GitHub archives)",
               "MM/DD/YYYY", {1}, {2, 3}),
        preset("megamillions-us", "Mega Millions",
               "date, white balls joined by |, Mega Ball, megaplier (the layout of public GitHub archives)",
               "MM/DD/YYYY", {1}, {2, 3}),
        preset("lotto649-canada", "Canada Lotto 6/49",
               "PRODUCT, DRAW NUMBER, SEQUENCE NUMBER, DRAW DATE, NUMBER DRAWN 1 to 6, BONUS NUMBER (the "
               "provinces' export)",
               "YYYY-MM-DD", {4}, {5, 6, 7, 8, 9, 10, 11}),
        preset("thunderball-uk", "Thunderball",
               "the UK National Lottery's draw history download: DrawDate, Ball 1 to 5, Thunderball, ...",
               "DD-MMM-YYYY", {1}, {2, 3, 4, 5, 6, 7}),
        preset("nylotto-us", "New York Lotto",
               "New York's open data: Draw Date, Winning Numbers (six in one field), Bonus #, Extra #",
               "MM/DD/YYYY", {1}, {2, 3}),
        // Texas writes no header and the date as month, day and year in three columns.
        preset("lottotexas-us", "Lotto Texas",
               "the Texas Lottery's download: game name, month, day, year, the six numbers", "DAY,MONTH,YEAR",
               {3, 2, 4}, {5, 6, 7, 8, 9, 10}, ',', 0),
        preset("loto-fr", "France Loto",
               "FDJ's results download (from November 2019): annee_numero_de_tirage; jour_de_tirage; "
               "date_de_tirage; date_de_forclusion; boule_1 to boule_5; numero_chance; ...",
               "DD/MM/YYYY", {3}, {5, 6, 7, 8, 9, 10}, ';'),
        preset(
            "primitiva-es", "La Primitiva",
            "the Spanish results archives: FECHA, the six numbers, COMP. (complementario), R. (reintegro), "
            "JOKER",
            "DD/MM/YYYY", {1}, {2, 3, 4, 5, 6, 7, 8, 9}),
        preset("eurojackpot", "Eurojackpot",
               "the draw archives kept without a header: draw number, DD.MM.YYYY, five numbers, two Euro "
               "numbers",
               "DD.MM.YYYY", {2}, {3, 4, 5, 6, 7, 8, 9}, ',', 0),
        preset("superenalotto-it", "SuperEnalotto",
               "public archives: date, contest number, n1 to n6, jolly, superstar, ...", "YYYY-MM-DD", {1},
               {3, 4, 5, 6, 7, 8, 9, 10}),
        preset("lottoamerica-us", "Lotto America",
               "public archives: drawing_date, ball1 to ball5, starball, bonus, jackpot", "YYYY-MM-DD", {1},
               {2, 3, 4, 5, 6, 7}),
    };
    return presets;
}

QStringList names() {
    QStringList list;
    for (const ImportPreset& preset : all())
        list << preset.name;
    return list;
}

const ImportPreset* named(const QString& name) {
    for (const ImportPreset& preset : all()) {
        if (preset.name.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return &preset;
    }
    return nullptr;
}

const ImportPreset* forGame(const QString& game) {
    for (const ImportPreset& preset : all()) {
        if (!game.isEmpty() && preset.game.compare(game, Qt::CaseInsensitive) == 0)
            return &preset;
    }
    return nullptr;
}

} // namespace ImportPresets
