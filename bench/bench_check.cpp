// SPDX-License-Identifier: GPL-3.0-or-later
// Ticket checking at the sizes it is asked to handle: 1,000,000 six-number tickets held in memory
// checked against one drawing (the counts and tallies), and a full ticket file of 99,999 tickets read
// from disk and checked as the window does (reading, counts and the list lines).
#include "play/ticket_check.h"
#include "play/ticket_file.h"
#include "play/ticket_line.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

LotteryDefinition lotto649() {
    LotteryDefinition definition;
    definition.NumbersDrawn = 7;
    definition.BonusNumbers = 1;
    definition.HighestNumber = 49;
    definition.BonusMatches[5] = true;
    return definition;
}

CheckDrawing drawing() {
    CheckDrawing drawn;
    drawn.date = QStringLiteral("01/02/2024");
    drawn.regular = {"05", "12", "23", "34", "41", "44"};
    drawn.bonus = {"07"};
    drawn.last = QStringLiteral("07");
    return drawn;
}

Tickets randomTickets(int count) {
    QRandomGenerator random{quint32(count)};
    Tickets tickets;
    tickets.reserve(count);
    for (int t = 0; t < count; ++t) {
        Ticket ticket;
        ticket.number = t + 1;
        for (int f = 0; f < 6; ++f)
            ticket.fields << QStringLiteral("%1").arg(random.bounded(1, 50), 2, 10, QLatin1Char('0'));
        tickets << ticket;
    }
    return tickets;
}

void checkInMemory(benchmark::State& state) {
    const TicketKind kind{6, 7};
    const TicketCheck check(kind, randomTickets(int(state.range(0))));
    const LotteryDefinition lottery = lotto649();
    const CheckDrawing drawn = drawing();
    for (auto _ : state) {
        const TicketCheck::Counts counts = check.count(drawn, lottery);
        benchmark::DoNotOptimize(counts.tallies);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(checkInMemory)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void checkFileFromDisk(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.tic"));
    const TicketKind kind{6, 7};
    TicketFile::write(path, kind, QStringLiteral("Lotto 6/49"), randomTickets(int(kMaxTickets)));
    const LotteryDefinition lottery = lotto649();
    const CheckDrawing drawn = drawing();
    for (auto _ : state) {
        TicketFile header;
        const CheckResult result = TicketCheck::read(path, header).run(drawn, lottery);
        benchmark::DoNotOptimize(result.lines.size());
    }
    state.SetItemsProcessed(state.iterations() * kMaxTickets);
}
BENCHMARK(checkFileFromDisk)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
