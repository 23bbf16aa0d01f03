// SPDX-License-Identifier: GPL-3.0-or-later
// random: the random tickets or random wheel of the random-numbers window, repeatable by --seed.
#include "cli/cli_commands.h"
#include "cli/cli_generated.h"
#include "cli/cli_lottery.h"

#include "lottery/lottery_definition.h"
#include "play/generated_tickets.h"
#include "play/random_numbers.h"
#include "play/random_source.h"

int cliRandom(const QStringList& words) {
    CliOptions args(QStringLiteral("random"),
                    QStringLiteral("Makes random tickets for a lottery as the Random Numbers window does: "
                                   "--tickets N tickets, or a wheel played with random numbers."));
    args.addLottery();
    args.addValue({QStringLiteral("tickets")}, QStringLiteral("N"),
                  QStringLiteral("How many random tickets, 1 to 32000."));
    args.addValue({QStringLiteral("wheel")}, QStringLiteral("FILE"),
                  QStringLiteral("Plays random numbers through this wheel instead; a name without a folder "
                                 "that is not in the current one is taken from the wheels folder."));
    args.addValue({QStringLiteral("seed")}, QStringLiteral("S"),
                  QStringLiteral("The seed of the random source (0 to 4294967295), so that a run can be "
                                 "repeated; without it, the time of day as in the window."));
    addGeneratedOutput(args);
    if (!args.parse(words))
        return 0;
    args.requireNoPositional();
    const bool wheel = args.has(QStringLiteral("wheel"));
    if (wheel == args.has(QStringLiteral("tickets")))
        throw UsageError(QStringLiteral("give either --tickets N or --wheel FILE"));
    std::uint32_t seed = RandomSource::timeOfDaySeed();
    if (args.has(QStringLiteral("seed"))) {
        bool ok = false;
        seed = args.value(QStringLiteral("seed")).toUInt(&ok);
        if (!ok)
            throw UsageError(QStringLiteral("option --seed takes a number from 0 to 4294967295"));
    }
    int count = 0;
    if (!wheel) {
        count = args.requiredInteger(QStringLiteral("tickets"));
        if (count < 1 || count > 32000)
            throw UsageError(QStringLiteral("option --tickets takes a number from 1 to 32000"));
    }
    CurrentLottery lottery;
    openCliLottery(args, lottery);
    const LotteryDefinition& definition = lottery.definition();
    const GeneratedTickets generated =
        wheel
            ? RandomNumbers::wheel(definition, cliWheelPath(args, args.value(QStringLiteral("wheel"))), seed)
            : RandomNumbers::tickets(definition, count, seed);
    finishGenerated(args, generated, definition, QStringLiteral("Random Number"),
                    generatorColumnNote(definition));
    return 0;
}
