// SPDX-License-Identifier: GPL-3.0-or-later
// The charts of the Statistics menu at the sizes they are asked to handle, each read from the open
// table and computed as its window does on every calculation: triples over 100,000 keno drawings
// of 20 numbers (1,140 triples each), and every chart over 10,000 drawings of 6 of 49.
#include "db/dbf_format.h"
#include "db/dbf_table.h"
#include "stats/drawing_summary.h"
#include "stats/hit_sequence.h"
#include "stats/repeating_sets.h"
#include "stats/skip_hit.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>
#include <numeric>

namespace {

LotteryDefinition lottery(int drawn, int highest) {
    LotteryDefinition definition;
    definition.GameType = drawn == 20 ? 3 : 7;
    definition.NumbersDrawn = qint16(drawn);
    definition.HighestNumber = qint16(highest);
    return definition;
}

// A table of `records` drawings of `drawn` different numbers from 1..highest, its bytes written
// directly (posting each record would time the engine's writes instead).
QString writeTable(const QString& dir, int records, int drawn, int highest) {
    std::vector<DbfField> fields{{QStringLiteral("DRAWDATE"), 'D', 8, 0, 0}};
    for (int i = 1; i <= drawn; ++i)
        fields.push_back({QStringLiteral("P%1").arg(i), 'C', 2, 0, 0});
    QByteArray bytes = DbfFormat::tableHeader(fields, quint32(records), QDate::currentDate());
    QRandomGenerator random(quint32(records + drawn));
    std::vector<int> numbers(static_cast<size_t>(highest));
    std::iota(numbers.begin(), numbers.end(), 1);
    const QDate first(1900, 1, 1);
    for (int r = 0; r < records; ++r) {
        bytes += ' ';
        bytes += first.addDays(r).toString(QStringLiteral("yyyyMMdd")).toLatin1();
        for (int i = 0; i < drawn; ++i) { // a partial shuffle: `drawn` different numbers
            std::swap(numbers[size_t(i)], numbers[size_t(i) + random.bounded(quint32(highest - i))]);
            bytes += char('0' + numbers[size_t(i)] / 10);
            bytes += char('0' + numbers[size_t(i)] % 10);
        }
    }
    bytes += DbfFormat::EndOfData;
    const QString code = QStringLiteral("T%1").arg(drawn);
    const QString path = QDir(dir).filePath(code + QStringLiteral(".DBF"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    QFile index(QDir(dir).filePath(code + QStringLiteral(".NSX")));
    const QByteArray tags =
        DbfFormat::indexFileBytes({{QStringLiteral("DATETAG"), QStringLiteral("DRAWDATE")}});
    if (!index.open(QIODevice::WriteOnly) || index.write(tags) != tags.size())
        qFatal("cannot write the index");
    return path;
}

DbfTable& table(int records, int drawn, int highest) {
    static QTemporaryDir dir;
    static std::map<int, std::unique_ptr<DbfTable>> tables;
    std::unique_ptr<DbfTable>& open = tables[drawn];
    if (!open) {
        open = std::make_unique<DbfTable>();
        open->open(writeTable(dir.path(), records, drawn, highest));
        open->SetOrder(1);
    }
    return *open;
}

constexpr int KenoDrawings = 100'000;
constexpr int LottoDrawings = 10'000;

void BM_Triples_Keno100k(benchmark::State& state) {
    DbfTable& keno = table(KenoDrawings, 20, 80);
    RepeatingSetsCounter counter(true);
    for (auto _ : state) {
        const RepeatingSets sets = counter.count(keno, lottery(20, 80), false, KenoDrawings, KenoDrawings);
        if (sets.OccurencesList.isEmpty())
            state.SkipWithError("no triple repeated");
        benchmark::DoNotOptimize(sets);
    }
    state.SetItemsProcessed(state.iterations() * KenoDrawings * 1140);
}

DbfTable& lotto() {
    return table(LottoDrawings, 6, 49);
}

void BM_Pairs_Lotto10k(benchmark::State& state) {
    RepeatingSetsCounter counter(false);
    for (auto _ : state)
        benchmark::DoNotOptimize(counter.count(lotto(), lottery(6, 49), false, LottoDrawings, LottoDrawings));
}

void BM_Triples_Lotto10k(benchmark::State& state) {
    RepeatingSetsCounter counter(true);
    for (auto _ : state)
        benchmark::DoNotOptimize(counter.count(lotto(), lottery(6, 49), false, LottoDrawings, LottoDrawings));
}

void BM_SkipHit_Lotto10k(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(computeSkipHit(lotto(), lottery(6, 49), 0, LottoDrawings, LottoDrawings));
}

void BM_HitSequence_Lotto10k(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            computeHitSequence(lotto(), lottery(6, 49), 0, LottoDrawings, LottoDrawings));
}

void BM_DrawingSummary_Lotto10k(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            computeDrawingSummary(lotto(), lottery(6, 49), 0, LottoDrawings, 10, LottoDrawings));
}

} // namespace

BENCHMARK(BM_Triples_Keno100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pairs_Lotto10k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Triples_Lotto10k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SkipHit_Lotto10k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HitSequence_Lotto10k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawingSummary_Lotto10k)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
