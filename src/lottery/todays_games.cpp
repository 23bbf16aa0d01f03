// SPDX-License-Identifier: GPL-3.0-or-later
#include "lottery/todays_games.h"

#include "db/atomic_file.h"
#include "db/file_lookup.h"
#include "db/vantoro_error.h"
#include "lottery/commission_presets.h"
#include "lottery/game_type.h"
#include "lottery/lottery_code.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

namespace {

// Seven flags, Sunday first, as `vantoro-cli new --days` takes them.
std::array<bool, 7> days(const char* flags) {
    std::array<bool, 7> result{};
    for (size_t i = 0; i < 7; ++i)
        result[i] = flags[i] == '1';
    return result;
}

BonusDrum sameDrum(int lowest, int highest) {
    return {lowest, highest, false};
}

BonusDrum ownDrum(int lowest, int highest) {
    return {lowest, highest, true};
}

struct Row {
    const char* name;
    const char* place;
    int country;
    const char* state;
    int regular, lowest, highest;
    QList<BonusDrum> bonus;
    const char* days;
    bool bonusMayBeMissing;
    const char* changed;
    const char* source;
    bool sourceIsOperator;
};

constexpr int Australia = 0;
constexpr int Canada = 1;
constexpr int Germany = 2;
constexpr int Ireland = 3;
constexpr int Spain = 5;
constexpr int UnitedStates = Countries::UnitedStates;
constexpr int UnitedKingdom = 7;

// Each row was checked against its source page: the count and range of the numbers drawn, the
// bonus numbers and their drum, the draw days. A game whose figures no page confirmed is not here.
// clang-format off
const Row rows[] = {
    {"US Powerball", "United States", UnitedStates, "", 5, 1, 69, {ownDrum(1, 26)}, "0101001", false,
     "5 of 69 plus 1 of 26 since 10/07/2015; Monday drawings added in August 2021",
     "https://timesng.com/powerball-jackpot-reaches-15/", false},
    {"Mega Millions", "United States", UnitedStates, "", 5, 1, 70, {ownDrum(1, 24)}, "0010010", false,
     "Mega Ball 1 to 24 (was 1 to 25) from the drawing of 04/08/2025",
     "https://abc7ny.com/post/mega-millions-says-new-rules-will-more-double-jackpot-value/16084928/", false},
    {"Lotto America", "United States", UnitedStates, "", 5, 1, 52, {ownDrum(1, 10)}, "0101001", false, "",
     "https://www.mnlottery.com/games/lotto_games/lotto_america/", true},
    {"Lucky for Life", "United States", UnitedStates, "", 5, 1, 48, {ownDrum(1, 18)}, "1111111", false,
     "drawn every day (was Monday and Thursday)",
     "http://www.nc-educationlottery.org/luckyforlife_how-to-play.aspx", true},
    {"California SuperLotto Plus", "California", UnitedStates, "CA", 5, 1, 47, {ownDrum(1, 27)}, "0001001", false,
     "", "http://www.geocities.ws/kenconwood/calot_sl.html", false},
    {"New York Lotto", "New York", UnitedStates, "NY", 6, 1, 59, {sameDrum(1, 59)}, "0001001", false, "",
     "https://www.silive.com/news/2023/03/two-lucky-winners-get-second-prize-new-york-lotto-tickets-worth-14k.html",
     false},
    {"Florida Lotto", "Florida", UnitedStates, "FL", 6, 1, 53, {}, "0001001", false, "",
     "https://www.lottery.net/florida/lotto", false},
    {"Lotto Texas", "Texas", UnitedStates, "TX", 6, 1, 54, {}, "0001001", false, "",
     "https://www.beatlottery.com/lotteries/draws/country/us/state/tx/lottery/lottotexas/year/2025", false},
    {"Canada Lotto 6/49", "Canada", Canada, "", 6, 1, 49, {sameDrum(1, 49)}, "0001001", false, "",
     "http://m.olg.ca/lotto649", true},
    {"UK Lotto", "United Kingdom", UnitedKingdom, "", 6, 1, 59, {sameDrum(1, 59)}, "0001001", false,
     "6 of 59 from the drawing of 10/10/2015",
     "http://www.lotterypowerpicks.com/U6_info.htm", false},
    {"Thunderball", "United Kingdom", UnitedKingdom, "", 5, 1, 39, {ownDrum(1, 14)}, "0011011", false, "",
     "https://www.national-lottery.com/thunderball/questions-and-answers", false},
    {"Irish Lotto", "Ireland", Ireland, "", 6, 1, 47, {sameDrum(1, 47)}, "0001001", false, "",
     "https://www.lotteryoffice.com.au/game-rules/irish-lotto/", false},
    {"EuroMillions", "Europe", UnitedKingdom, "", 5, 1, 50, {ownDrum(1, 12), ownDrum(1, 12)}, "0010010", false,
     "Lucky Stars 1 to 12 from 09/27/2016",
     "https://euro-lottery-stats.com/euromillions-key-facts", false},
    {"Eurojackpot", "Europe", Germany, "", 5, 1, 50, {ownDrum(1, 12), ownDrum(1, 12)}, "0010010", false,
     "Euro numbers 2 of 12 (was 2 of 10) and the Tuesday drawing from March 2022",
     "https://www.stuttgarter-nachrichten.de/inhalt.eurojackpot-ziehung-der-zahlen-erstmals-auch-am-dienstag."
     "51f8bddf-e223-4d99-bad8-e351929b7363.html", false},
    {"Lotto 6aus49", "Germany", Germany, "", 6, 1, 49, {ownDrum(0, 9)}, "0001001", true, "",
     "https://www.saartoto.de/lotto6aus49/anleitung?gbn=12", true},
    {"France Loto", "France", UnitedStates, "", 5, 1, 49, {ownDrum(1, 10)}, "0101001", false, "",
     "https://www.linternaute.com/actualite/societe/3460691-resultat-du-loto-fdj-le-tirage-du-lundi-28-aout-2023-"
     "9-millions-d-euros-en-jeu/", false},
    {"La Primitiva", "Spain", Spain, "", 6, 1, 49, {sameDrum(1, 49), ownDrum(0, 9)}, "0100101", true, "",
     "https://loteriasalonso.com/la-primitiva", false},
    {"SuperEnalotto", "Italy", UnitedStates, "", 6, 1, 90, {sameDrum(1, 90), ownDrum(1, 90)}, "0010101", false,
     "a Friday drawing was added from 07/07/2023; tick Friday while it lasts",
     "https://finanzanews24.com/superenalotto-come-funziona-lestrazione/amp", false},
    {"Saturday Lotto", "Australia", Australia, "", 6, 1, 45, {sameDrum(1, 45), sameDrum(1, 45)}, "0000001", false,
     "", "http://www.lotterywest.wa.gov.au:80/games/games-information/saturday-lotto", true},
    {"Australia Powerball", "Australia", Australia, "", 7, 1, 35, {ownDrum(1, 20)}, "0000100", false,
     "", "https://www.ozlotteries.com/powerball", false},
};
// clang-format on

QString joined(const QStringList& parts) {
    if (parts.size() <= 1)
        return parts.join(QString());
    return parts.mid(0, parts.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") + parts.last();
}

const char* const dayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

QString extrasPath(const QString& dataDir, const QString& code) {
    const QString existing = FileLookup::find(dataDir, code + QStringLiteral(".GAM"));
    return existing.isEmpty() ? dataDir + code + QStringLiteral(".GAM") : existing;
}

} // namespace

QJsonObject GameExtras::toJson() const {
    QJsonArray drums;
    for (const BonusDrum& drum : bonus)
        drums.append(QJsonObject{{QStringLiteral("lowest"), drum.lowest},
                                 {QStringLiteral("highest"), drum.highest},
                                 {QStringLiteral("separate"), drum.separate}});
    return {{QStringLiteral("game"), game},
            {QStringLiteral("regularLowest"), regularLowest},
            {QStringLiteral("bonus"), drums},
            {QStringLiteral("bonusMayBeMissing"), bonusMayBeMissing}};
}

std::optional<GameExtras> GameExtras::fromJson(const QJsonObject& object) {
    if (!object.value(QStringLiteral("bonus")).isArray() ||
        !object.value(QStringLiteral("regularLowest")).isDouble())
        return std::nullopt;
    GameExtras extras;
    extras.game = object.value(QStringLiteral("game")).toString();
    extras.regularLowest = object.value(QStringLiteral("regularLowest")).toInt();
    extras.bonusMayBeMissing = object.value(QStringLiteral("bonusMayBeMissing")).toBool();
    for (const QJsonValue& value : object.value(QStringLiteral("bonus")).toArray()) {
        const QJsonObject drum = value.toObject();
        const int lowest = drum.value(QStringLiteral("lowest")).toInt(-1);
        const int highest = drum.value(QStringLiteral("highest")).toInt(-1);
        if (lowest < 0 || highest < lowest || highest > 99)
            return std::nullopt;
        extras.bonus.append({lowest, highest, drum.value(QStringLiteral("separate")).toBool()});
    }
    if (extras.regularLowest < 0 || extras.regularLowest > 1)
        return std::nullopt;
    return extras;
}

namespace GameExtrasFile {

std::optional<GameExtras> read(const QString& dataDir, const QString& code) {
    const QString path = FileLookup::find(dataDir, code + QStringLiteral(".GAM"));
    if (path.isEmpty())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(file.read(64 * 1024));
    return document.isObject() ? GameExtras::fromJson(document.object()) : std::nullopt;
}

void write(const QString& dataDir, const QString& code, const GameExtras& extras) {
    const QString path = extrasPath(dataDir, code);
    const QString cause = AtomicFile::writeFile(path, QJsonDocument(extras.toJson()).toJson());
    if (!cause.isEmpty())
        throw VantoroError(
            QStringLiteral("Could not write the file %1: %2.").arg(code + QStringLiteral(".GAM"), cause));
}

void remove(const QString& dataDir, const QString& code) {
    const QString path = FileLookup::find(dataDir, code + QStringLiteral(".GAM"));
    if (!path.isEmpty() && !QFile::remove(path))
        throw VantoroError(
            QStringLiteral("The file %1 could not be deleted.").arg(code + QStringLiteral(".GAM")));
}

} // namespace GameExtrasFile

QString TodaysGame::figures() const {
    QString text = QStringLiteral("%1 of %2 to %3").arg(regular).arg(lowest).arg(highest);
    // Bonus numbers of one drum and range read as one part: "plus 2 of 1 to 12 from a separate drum".
    for (qsizetype i = 0; i < bonus.size();) {
        qsizetype same = 1;
        while (i + same < bonus.size() && bonus[i + same] == bonus[i])
            ++same;
        const BonusDrum& drum = bonus[i];
        text += QStringLiteral(", plus %1 of %2 to %3 %4")
                    .arg(same)
                    .arg(drum.lowest)
                    .arg(drum.highest)
                    .arg(drum.separate ? QStringLiteral("from a separate drum")
                                       : QStringLiteral("from the same drum"));
        i += same;
    }
    QStringList drawn;
    for (size_t d = 0; d < 7; ++d) {
        if (days[d])
            drawn << QLatin1String(dayNames[d]);
    }
    text += QStringLiteral("; ") + (drawn.size() == 7 ? QStringLiteral("every day") : joined(drawn));
    return text;
}

LotteryDefinition TodaysGame::definition() const {
    LotteryDefinition d;
    d.GameType = static_cast<qint16>(GameTypeCode::Lotto);
    d.Country = static_cast<qint16>(country);
    d.State = static_cast<qint16>(state.isEmpty() ? 0 : States::indexOf(state));
    d.Description = name.left(30);
    d.NumbersDrawn = static_cast<qint16>(regular + bonus.size());
    d.BonusNumbers = static_cast<qint16>(bonus.size());
    d.HighestNumber = static_cast<qint16>(highest);
    // The charts and the number statistics count a 0 only in a lottery whose numbers start at 0.
    int lowestDrawn = lowest;
    int highestBonus = 0;
    bool anySeparate = false;
    for (const BonusDrum& drum : bonus) {
        lowestDrawn = qMin(lowestDrawn, drum.lowest);
        highestBonus = qMax(highestBonus, drum.highest);
        anySeparate = anySeparate || drum.separate;
    }
    d.LowestNumber = static_cast<qint16>(lowestDrawn);
    if (lowestDrawn != lowest)
        d.RegularLowest = static_cast<qint16>(lowest);
    d.HighestBonus = static_cast<qint16>(highestBonus);
    d.AllowDuplicates = anySeparate;
    for (int day = 0; day < 7; ++day)
        d.setDrawnOn(day == 0 ? 7 : day, days[size_t(day)]);
    CommissionPresets::apply(CommissionPresets::forState(state), d);
    return d;
}

GameExtras TodaysGame::extras() const {
    return {name, lowest, bonus, bonusMayBeMissing};
}

QString TodaysGame::code() const {
    return LotteryCodes::derive(definition()).code;
}

namespace TodaysGames {

const QList<TodaysGame>& all() {
    static const QList<TodaysGame> games = [] {
        QList<TodaysGame> list;
        for (const Row& row : rows) {
            TodaysGame game;
            game.name = QString::fromUtf8(row.name);
            game.place = QString::fromUtf8(row.place);
            game.country = row.country;
            game.state = QString::fromLatin1(row.state);
            game.regular = row.regular;
            game.lowest = row.lowest;
            game.highest = row.highest;
            game.bonus = row.bonus;
            game.days = days(row.days);
            game.bonusMayBeMissing = row.bonusMayBeMissing;
            game.changed = QString::fromUtf8(row.changed);
            game.source = QString::fromLatin1(row.source);
            game.sourceIsOperator = row.sourceIsOperator;
            list.append(game);
        }
        return list;
    }();
    return games;
}

const TodaysGame* find(const QString& name) {
    for (const TodaysGame& game : all()) {
        if (game.name.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return &game;
    }
    return nullptr;
}

QStringList names() {
    QStringList list;
    for (const TodaysGame& game : all())
        list << game.name;
    return list;
}

} // namespace TodaysGames
