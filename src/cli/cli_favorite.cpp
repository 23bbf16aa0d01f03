// SPDX-License-Identifier: GPL-3.0-or-later
// favorite: the player's own tickets or a wheel of favourite numbers, as the Favorite Numbers
// window makes them.
#include "cli/cli_commands.h"
#include "cli/cli_generated.h"
#include "cli/cli_lottery.h"

#include "db/vantoro_error.h"
#include "lottery/lottery_definition.h"
#include "play/favorite_numbers.h"
#include "play/wheel_file.h"

namespace {

QStringList entries(const QString& list) {
    return list.split(QLatin1Char(','), Qt::KeepEmptyParts);
}

GeneratedTickets ownTickets(const CliOptions& args, const LotteryDefinition& lottery) {
    const FavoriteNumbers::OwnLayout layout = FavoriteNumbers::ownLayout(lottery);
    const QStringList typed = args.values(QStringLiteral("ticket"));
    GeneratedTickets generated;
    generated.kind = layout.kind;
    int number = 0;
    for (const QString& list : typed) {
        QStringList boxes = entries(list);
        if (boxes.size() > layout.boxes)
            throw UsageError(QStringLiteral("a ticket of %1 takes at most %2 numbers, not \"%3\"")
                                 .arg(lottery.Description)
                                 .arg(layout.boxes)
                                 .arg(list));
        // --bonus fills the bonus box of the tickets that do not name their own bonus.
        if (layout.boxes > layout.regular && boxes.size() <= layout.regular) {
            while (boxes.size() < layout.regular)
                boxes << QString();
            boxes << args.value(QStringLiteral("bonus"));
        }
        for (int box = 0; box < layout.regular && box < boxes.size(); ++box)
            if (const QString refusal = FavoriteNumbers::regularRefusal(lottery, boxes.at(box));
                !refusal.isEmpty())
                throw VantoroError(refusal);
        const Ticket ticket = FavoriteNumbers::ownTicket(layout, ++number, boxes);
        // The window's boxes take digits only; a file must not hold what it cannot read back.
        if (!layout.kind.isCardGame())
            ticket.counts(layout.kind);
        generated.tickets << ticket;
    }
    return generated;
}

GeneratedTickets wheelTickets(const CliOptions& args, const LotteryDefinition& lottery) {
    const QString path = cliWheelPath(args, args.value(QStringLiteral("wheel")));
    const WheelFile file = WheelFile::read(path);
    bool ok = false;
    const int k = file.Numbers.trimmed().toInt(&ok);
    if (!ok || k < 1 || k > 50)
        throw VantoroError(
            QStringLiteral("The wheeling system file %1 does not say how many numbers it wheels.").arg(path));
    QStringList boxes = entries(args.value(QStringLiteral("numbers")));
    if (!args.has(QStringLiteral("numbers")))
        boxes.clear();
    if (boxes.size() > k)
        throw UsageError(
            QStringLiteral("the wheel takes %1 favorite numbers, not %2").arg(k).arg(boxes.size()));
    while (boxes.size() < k)
        boxes << QString();
    const QString bonus = args.value(QStringLiteral("bonus"));
    const QStringList refusals = FavoriteNumbers::wheelRefusals(lottery, boxes, bonus);
    if (!refusals.isEmpty()) {
        // As many times as the window says it: once for each empty box.
        for (qsizetype i = 0; i + 1 < refusals.size(); ++i)
            cliErr() << refusals.at(i) << '\n';
        throw VantoroError(refusals.last());
    }
    return FavoriteNumbers::wheel(lottery, path, boxes, bonus);
}

} // namespace

int cliFavorite(const QStringList& words) {
    CliOptions args(QStringLiteral("favorite"),
                    QStringLiteral("Makes tickets of your favorite numbers as the Favorite Numbers window "
                                   "does: your own tickets (--ticket), or your numbers played through a "
                                   "wheel (--wheel with --numbers)."));
    args.addLottery();
    args.addValue({QStringLiteral("ticket")}, QStringLiteral("LIST"),
                  QStringLiteral("One own ticket, its numbers separated by commas in box order, the bonus "
                                 "last for the bonus games; repeat for more tickets."));
    args.addValue({QStringLiteral("wheel")}, QStringLiteral("FILE"),
                  QStringLiteral("The wheel to play; a name without a folder that is not in the current one "
                                 "is taken from the wheels folder."));
    args.addValue({QStringLiteral("numbers")}, QStringLiteral("LIST"),
                  QStringLiteral("The favorite numbers for the wheel, separated by commas, in the order "
                                 "they are to be played."));
    args.addValue({QStringLiteral("bonus")}, QStringLiteral("NN"),
                  QStringLiteral("The bonus of every wheel ticket, or of the own tickets that do not give "
                                 "one (a card rank for Tri-State)."));
    addGeneratedOutput(args);
    if (!args.parse(words))
        return 0;
    args.requireNoPositional();
    const bool wheel = args.has(QStringLiteral("wheel"));
    if (wheel == args.has(QStringLiteral("ticket")))
        throw UsageError(QStringLiteral("give either --ticket LIST or --wheel FILE --numbers LIST"));
    CurrentLottery lottery;
    openCliLottery(args, lottery);
    const LotteryDefinition& definition = lottery.definition();
    if (wheel)
        finishGenerated(args, wheelTickets(args, definition), definition, QStringLiteral("Favorite Number"),
                        generatorColumnNote(definition));
    else
        finishGenerated(args, ownTickets(args, definition), definition, QStringLiteral("Favorite Number"),
                        FavoriteNumbers::ownTicketsNote(definition));
    return 0;
}
