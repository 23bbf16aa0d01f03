// SPDX-License-Identifier: GPL-3.0-or-later
// The number classification at the largest scale it is asked for: a keno table (20 of 80) of
// 1,000,000 drawings with the drawing cutoff at 1,000,000 and the hot cutoff at 10. Measured
// twice: the classification alone on the drawings read, and reading them from the open table
// with the classification (what the statistics window does on every activation).
#include "db/dbf_format.h"
#include "db/dbf_table.h"
#include "stats/number_stats.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Records = 1'000'000;
constexpr int Drawn = 20;

LotteryDefinition keno() {
    LotteryDefinition definition;
    definition.GameType = 3;
    definition.NumbersDrawn = Drawn;
    definition.HighestNumber = 80;
    return definition;
}

// The table's bytes written directly: a million posts would time the engine's writes instead.
QString kenoTable() {
    static QTemporaryDir dir;
    static QString path;
    if (!path.isEmpty())
        return path;
    std::vector<DbfField> fields{{QStringLiteral("DRAWDATE"), 'D', 8, 0, 0}};
    for (int i = 1; i <= Drawn; ++i)
        fields.push_back({QStringLiteral("P%1").arg(i), 'C', 2, 0, 0});
    QByteArray bytes = DbfFormat::tableHeader(fields, quint32(Records), QDate::currentDate());
    bytes.reserve(bytes.size() + qsizetype(Records) * (1 + 8 + 2 * Drawn) + 1);
    QRandomGenerator random(80);
    const QDate first(1900, 1, 1);
    for (int r = 0; r < Records; ++r) {
        bytes += ' ';
        bytes += first.addDays(r / 8).toString(QStringLiteral("yyyyMMdd")).toLatin1();
        for (int i = 0; i < Drawn; ++i) {
            const int n = 1 + int(random.bounded(80));
            bytes += char('0' + n / 10);
            bytes += char('0' + n % 10);
        }
    }
    bytes += DbfFormat::EndOfData;
    path = QDir(dir.path()).filePath(QStringLiteral("KENO.DBF"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    QFile index(QDir(dir.path()).filePath(QStringLiteral("KENO.NSX")));
    const QByteArray tags =
        DbfFormat::indexFileBytes({{QStringLiteral("DATETAG"), QStringLiteral("DRAWDATE")}});
    if (!index.open(QIODevice::WriteOnly) || index.write(tags) != tags.size())
        qFatal("cannot write the index");
    return path;
}

DbfTable& openKeno() {
    static DbfTable table;
    if (!table.isOpen()) {
        table.open(kenoTable());
        table.SetOrder(1);
    }
    return table;
}

NumberStatsInput kenoInput() {
    return NumberStatsInput::forLottery(keno(), 2, 0, 10, Records, Records);
}

void BM_Classify_Keno1M(benchmark::State& state) {
    const NumberStatsInput input = kenoInput();
    const NumberWindow drawings = readNumberWindow(openKeno(), input);
    for (auto _ : state) {
        NumberStats stats = classifyNumbers(drawings, input);
        if (stats.FrequencyList.size() != 80)
            state.SkipWithError("not every number was listed");
        benchmark::DoNotOptimize(stats);
    }
    state.SetItemsProcessed(state.iterations() * Records);
}

void BM_ReadAndClassify_Keno1M(benchmark::State& state) {
    DbfTable& table = openKeno();
    for (auto _ : state) {
        NumberStats stats = computeNumberStats(table, keno(), 0, 10, Records, Records);
        benchmark::DoNotOptimize(stats);
    }
    state.SetItemsProcessed(state.iterations() * Records);
}

} // namespace

BENCHMARK(BM_Classify_Keno1M)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndClassify_Keno1M)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
