// SPDX-License-Identifier: GPL-3.0-or-later
// new: defines a lottery and creates its empty drawing table, as the definition editor does.
#include "cli/cli_commands.h"

#include "db/file_lookup.h"
#include "db/table_lock.h"
#include "db/vantoro_error.h"
#include "lottery/commission_presets.h"
#include "lottery/game_type.h"
#include "lottery/lottery_code.h"
#include "lottery/new_lottery.h"
#include "lottery/program_home.h"
#include "lottery/todays_games.h"

#include <QFile>
#include <QRegularExpression>

namespace {

qint16 ranged(const CliOptions& args, const QString& name, int low, int high, int fallback) {
    const int value = args.has(name) ? args.integer(name, fallback) : fallback;
    if (value < low || value > high)
        throw UsageError(QStringLiteral("--%1 must be from %2 to %3").arg(name).arg(low).arg(high));
    return static_cast<qint16>(value);
}

qint16 requiredRanged(const CliOptions& args, const QString& name, int low, int high) {
    args.required(name);
    return ranged(args, name, low, high, 0);
}

qint16 countryOption(const CliOptions& args) {
    const QString name = args.value(QStringLiteral("country"), Countries::name(Countries::UnitedStates));
    for (int i = 0; i < Countries::names().size(); ++i) {
        if (Countries::names().at(i).compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return static_cast<qint16>(i);
    }
    throw UsageError(QStringLiteral("--country must be one of: ") +
                     Countries::names().join(QStringLiteral(", ")));
}

qint16 stateOption(const CliOptions& args) {
    const QString abbreviation = args.value(QStringLiteral("state")).trimmed();
    if (abbreviation.isEmpty())
        return 0;
    const int state = States::indexOf(abbreviation);
    if (state <= 0)
        throw UsageError(
            QStringLiteral("--state takes a state abbreviation such as AZ, not \"%1\"").arg(abbreviation));
    return static_cast<qint16>(state);
}

QString gameTypeList() {
    QStringList types;
    for (int type = 0; type < GameTypes::Count; ++type)
        types << QStringLiteral("%1 %2").arg(type, 2).arg(GameTypes::name(type));
    return types.join(QLatin1Char('\n'));
}

void addNewOptions(CliOptions& args) {
    args.addValue({QStringLiteral("game")}, QStringLiteral("NAME"),
                  QStringLiteral("A game of today by its name as `vantoro-cli games` lists it: fills in "
                                 "every field; --description, --code and --days still change them."));
    args.addValue(
        {QStringLiteral("code")}, QStringLiteral("CODE"),
        QStringLiteral("The code that names the lottery's files, 1 to 8 letters or digits (default: "
                       "derived from the definition as the editor derives it)."));
    args.addValue(
        {QStringLiteral("country")}, QStringLiteral("NAME"),
        QStringLiteral("The country: %1 (default %2).")
            .arg(Countries::names().join(QStringLiteral(", ")), Countries::name(Countries::UnitedStates)));
    args.addValue({QStringLiteral("state")}, QStringLiteral("XX"),
                  QStringLiteral("The state by its abbreviation, such as AZ; its commission is filled in."));
    args.addValue({QStringLiteral("type")}, QStringLiteral("N"),
                  QStringLiteral("The game type by number:\n%1").arg(gameTypeList()));
    args.addValue(
        {QStringLiteral("drawn")}, QStringLiteral("N"),
        QStringLiteral("How many numbers a drawing holds, from 3 to 22, counting the bonus numbers: "
                       "6 numbers plus 1 bonus number is --drawn 7 --bonus 1."));
    args.addValue({QStringLiteral("bonus")}, QStringLiteral("K"),
                  QStringLiteral("How many of the numbers drawn are bonus numbers, from 0 to 2."));
    args.addValue({QStringLiteral("lowest")}, QStringLiteral("L"),
                  QStringLiteral("The lowest number, 0 or 1."));
    args.addValue({QStringLiteral("highest")}, QStringLiteral("H"),
                  QStringLiteral("The highest number, up to 99."));
    args.addValue({QStringLiteral("highest-bonus")}, QStringLiteral("HB"),
                  QStringLiteral("The highest bonus number, up to 99 (default: --highest when there is a "
                                 "bonus, else 0)."));
    args.addValue({QStringLiteral("description")}, QStringLiteral("TEXT"),
                  QStringLiteral("The name the lottery is shown by, up to 30 characters (default Lotto)."));
    args.addValue({QStringLiteral("days")}, QStringLiteral("SMTWTFS"),
                  QStringLiteral("The draw days as seven 0/1 flags, Sunday first: 0001001 is Wednesday and "
                                 "Saturday."));
    args.addFlag({QStringLiteral("allow-duplicates")},
                 QStringLiteral("A bonus number may equal a regular number of the same drawing (a separate "
                                "drum)."));
    args.addFlag({QStringLiteral("overwrite")},
                 QStringLiteral("Replaces the files of a lottery with the same code, erasing all its data."));
}

LotteryDefinition definitionFromOptions(const CliOptions& args) {
    LotteryDefinition definition;
    definition.Country = countryOption(args);
    definition.State = stateOption(args);
    definition.GameType = requiredRanged(args, QStringLiteral("type"), 0, GameTypes::Count - 1);
    // "6 plus a bonus number" is easily given as --drawn 6 --bonus 1; the count includes the bonus.
    args.required(QStringLiteral("drawn"));
    args.required(QStringLiteral("bonus"));
    if (args.integer(QStringLiteral("drawn"), 0) <= args.integer(QStringLiteral("bonus"), 0))
        throw UsageError(
            QStringLiteral("--drawn counts the bonus numbers as well, so it must be above --bonus "
                           "(6 numbers plus 1 bonus number is --drawn 7 --bonus 1)"));
    definition.NumbersDrawn = requiredRanged(args, QStringLiteral("drawn"), 3, 22);
    definition.BonusNumbers = requiredRanged(args, QStringLiteral("bonus"), 0, 2);
    definition.LowestNumber = requiredRanged(args, QStringLiteral("lowest"), 0, 1);
    definition.HighestNumber = requiredRanged(args, QStringLiteral("highest"), 0, 99);
    definition.HighestBonus = ranged(args, QStringLiteral("highest-bonus"), 0, 99,
                                     definition.BonusNumbers > 0 ? definition.HighestNumber : 0);
    if (definition.HighestNumber < definition.LowestNumber)
        throw UsageError(QStringLiteral("--highest must not be below --lowest"));
    // A bonus from a separate drum may equal a regular number of the same drawing.
    definition.AllowDuplicates = args.has(QStringLiteral("allow-duplicates"));
    // Choosing a state in the editor fills in its commission; the command line does the same.
    CommissionPresets::apply(CommissionPresets::forState(States::abbreviation(definition.State)), definition);
    return definition;
}

} // namespace

int cliNew(const QStringList& words) {
    CliOptions args(QStringLiteral("new"),
                    QStringLiteral("Defines a lottery and creates its empty drawing table, as the definition "
                                   "editor does, and prints the code that names its files."));
    addNewOptions(args);
    if (!args.parse(words))
        return 0;
    const TodaysGame* game = nullptr;
    LotteryDefinition definition;
    if (args.has(QStringLiteral("game"))) {
        game = TodaysGames::find(args.value(QStringLiteral("game")));
        if (!game)
            throw UsageError(
                QStringLiteral("--game takes the name of a game as `vantoro-cli games` lists it, "
                               "such as \"EuroMillions\""));
        for (const char* field : {"country", "state", "type", "drawn", "bonus", "lowest", "highest",
                                  "highest-bonus", "allow-duplicates"}) {
            if (args.has(QLatin1String(field)))
                throw UsageError(
                    QStringLiteral("--%1 cannot be given with --game, which sets it").arg(field));
        }
        definition = game->definition();
    } else {
        definition = definitionFromOptions(args);
    }
    definition.Description =
        args.value(QStringLiteral("description"), game ? definition.Description : QStringLiteral("Lotto"))
            .left(30);
    if (args.has(QStringLiteral("days"))) {
        const QString days = args.value(QStringLiteral("days"));
        if (!QRegularExpression(QStringLiteral("^[01]{7}$")).match(days).hasMatch())
            throw UsageError(QStringLiteral("--days takes seven 0/1 flags, Sunday first (e.g. 0001001)"));
        for (int i = 0; i < 7; ++i)
            definition.setDrawnOn(i == 0 ? 7 : i, days.at(i) == QLatin1Char('1'));
    }

    QString code = args.value(QStringLiteral("code")).toUpper();
    if (!args.has(QStringLiteral("code"))) {
        const LotteryCodes::Derivation derivation = LotteryCodes::derive(definition);
        if (derivation.code.isEmpty())
            throw UsageError(LotteryCodes::noCodeMessage(derivation.problem) +
                             QStringLiteral(" Give --code to name the files."));
        code = derivation.code;
    }
    // The code names files: letters and digits only, so it can never reach outside data/.
    if (!QRegularExpression(QStringLiteral("^[A-Z0-9]{1,8}$")).match(code).hasMatch())
        throw UsageError(QStringLiteral("--code must be 1 to 8 letters or digits"));

    ProgramHome home(args.home());
    const QString dataDir = home.dataDir();
    const QString definitionFile = code + QStringLiteral(".INF");
    const bool hadDefinition = NewLottery::exists(dataDir, code);
    if (hadDefinition && !args.has(QStringLiteral("overwrite"))) {
        throw VantoroError(
            QStringLiteral("A file already exists for this lottery (%1). Give --overwrite to erase "
                           "all its data and start again.")
                .arg(definitionFile));
    }
    try {
        NewLottery::create(dataDir, code, definition, game ? std::optional(game->extras()) : std::nullopt);
    } catch (const NewLottery::TableNotCreated&) {
        // Without its table a new definition would only stand in the way of the next try.
        if (!hadDefinition)
            QFile::remove(FileLookup::find(dataDir, definitionFile));
        throw;
    }
    cliOut() << code << "\n";
    return 0;
}
