// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/import_presets.h"

namespace {

ImportPreset preset(const char* name, const char* game, const char* origin, const char* dateFormat,
                    int dateColumn, QList<int> numberColumns) {
    ImportLayout layout;
    layout.separator = QLatin1Char(',');
    layout.headerRows = 1;
    layout.dateFormat = QLatin1String(dateFormat);
    layout.dateColumns = {dateColumn};
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
            "DD-MMM-YYYY", 1, {2, 3, 4, 5, 6, 7, 8}),
        preset("uk-lotto", "UK Lotto",
               "the UK National Lottery's draw history download: DrawDate, Ball 1 to 6, Bonus Ball, ...",
               "DD-MMM-YYYY", 1, {2, 3, 4, 5, 6, 7, 8}),
        preset("powerball-us", "US Powerball",
               "date, white balls joined by |, red ball, power play (the layout of public GitHub archives)",
               "MM/DD/YYYY", 1, {2, 3}),
        preset("megamillions-us", "Mega Millions",
               "date, white balls joined by |, Mega Ball, megaplier (the layout of public GitHub archives)",
               "MM/DD/YYYY", 1, {2, 3}),
        preset("lotto649-canada", "Canada Lotto 6/49",
               "PRODUCT, DRAW NUMBER, SEQUENCE NUMBER, DRAW DATE, NUMBER DRAWN 1 to 6, BONUS NUMBER (the "
               "provinces' export)",
               "YYYY-MM-DD", 4, {5, 6, 7, 8, 9, 10, 11}),
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
