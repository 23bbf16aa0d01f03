// SPDX-License-Identifier: GPL-3.0-or-later
// catalogue: the known lotteries as the open dialog lists them, one "place<TAB>list text<TAB>code"
// line per entry, in catalogue order; games: the games of today, as `new --game` sets them up.
#include "cli/cli_commands.h"

#include "lottery/game_type.h"
#include "lottery/lottery_catalogue.h"
#include "lottery/todays_games.h"

namespace {

std::vector<const CataloguePlace*> chosenPlaces(const CliOptions& args) {
    const bool byCountry = args.has(QStringLiteral("country"));
    const bool byState = args.has(QStringLiteral("state"));
    if (byCountry && byState)
        throw UsageError(QStringLiteral("give --country or --state, not both"));
    if (byCountry) {
        const QString country = args.value(QStringLiteral("country")).trimmed();
        if (country.compare(Countries::name(Countries::UnitedStates), Qt::CaseInsensitive) == 0)
            return LotteryCatalogue::places(true);
        const CataloguePlace* place = LotteryCatalogue::findPlace(country);
        if (!place || place->unitedStates) {
            throw UsageError(QStringLiteral("--country must be \"United States\" or one of: ") +
                             LotteryCatalogue::placeNames(false).join(QStringLiteral(", ")));
        }
        return {place};
    }
    if (byState) {
        const CataloguePlace* place = LotteryCatalogue::findPlace(args.value(QStringLiteral("state")));
        if (!place || !place->unitedStates)
            throw UsageError(QStringLiteral(
                "--state takes the name of a state, e.g. \"New York\" or \"District of Columbia\""));
        return {place};
    }
    std::vector<const CataloguePlace*> all;
    for (const CataloguePlace& place : LotteryCatalogue::places())
        all.push_back(&place);
    return all;
}

} // namespace

int cliCatalogue(const QStringList& words) {
    CliOptions args(QStringLiteral("catalogue"),
                    QStringLiteral("Lists the known lotteries as the open dialog does, one line per entry: "
                                   "place, list text and file code, separated by tabs."));
    args.addValue({QStringLiteral("country")}, QStringLiteral("NAME"),
                  QStringLiteral("Only the lotteries of this country (\"United States\": of every state)."));
    args.addValue({QStringLiteral("state")}, QStringLiteral("NAME"),
                  QStringLiteral("Only the lotteries of this state, by its full name."));
    if (!args.parse(words))
        return 0;
    args.requireNoPositional();
    QTextStream& out = cliOut();
    for (const CataloguePlace* place : chosenPlaces(args)) {
        for (const CatalogueEntry& entry : place->entries)
            out << place->name << '\t' << entry.text << '\t' << entry.code << '\n';
    }
    return 0;
}

int cliGames(const QStringList& words) {
    CliOptions args(QStringLiteral("games"),
                    QStringLiteral("Lists the lottery games of today that `new --game` sets up, one line per "
                                   "game: name, figures in words and file code, separated by tabs."));
    args.addFlag({QStringLiteral("sources")},
                 QStringLiteral("Adds a fourth column: the page the game's figures were checked against."));
    if (!args.parse(words))
        return 0;
    args.requireNoPositional();
    QTextStream& out = cliOut();
    for (const TodaysGame& game : TodaysGames::all()) {
        out << game.name << '\t' << game.figures() << '\t' << game.code();
        if (args.has(QStringLiteral("sources")))
            out << '\t' << game.source;
        out << '\n';
    }
    return 0;
}
