// SPDX-License-Identifier: GPL-3.0-or-later
// The table engine at the scale of the largest drawing histories: a 1,000,000-record table with
// DRAWDATE and six 2-character numbers, opened, sorted by its date tag and walked backwards; and
// 100,000 appends posted one by one.
#include "db/dbf_format.h"
#include "db/dbf_table.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

std::vector<DbfField> drawingFields() {
    std::vector<DbfField> fields;
    fields.push_back({QStringLiteral("DRAWDATE"), 'D', 8, 0, 0});
    for (int i = 1; i <= 6; ++i)
        fields.push_back({QStringLiteral("P%1").arg(i), 'C', 2, 0, 0});
    return fields;
}

// Writes the table's bytes directly: going through a million posts would time the generator.
QString makeTable(const QTemporaryDir& dir, const QString& name, int records, bool shuffled) {
    const QString path = QDir(dir.path()).filePath(name);
    QByteArray bytes = DbfFormat::tableHeader(drawingFields(), quint32(records), QDate::currentDate());
    QRandomGenerator random(545);
    const QDate first(1960, 1, 1);
    for (int r = 0; r < records; ++r) {
        const QDate date = first.addDays(shuffled ? random.bounded(records / 2) : r / 2);
        bytes += ' ';
        bytes += date.toString(QStringLiteral("yyyyMMdd")).toLatin1();
        for (int i = 0; i < 6; ++i)
            bytes += QByteArray::number(10 + random.bounded(40));
    }
    bytes += DbfFormat::EndOfData;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    QFile index(QDir(dir.path()).filePath(name.left(name.size() - 4) + QStringLiteral(".NSX")));
    const QByteArray tags =
        DbfFormat::indexFileBytes({{QStringLiteral("DATETAG"), QStringLiteral("DRAWDATE")}});
    if (!index.open(QIODevice::WriteOnly) || index.write(tags) != tags.size())
        qFatal("cannot write the index");
    return path;
}

const QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

void openSortWalkBackwards(benchmark::State& state, bool shuffled) {
    const int records = 1'000'000;
    static QString paths[2];
    QString& path = paths[shuffled];
    if (path.isEmpty())
        path = makeTable(folder(), shuffled ? QStringLiteral("SHUFFLED.DBF") : QStringLiteral("DATED.DBF"),
                         records, shuffled);
    for (auto _ : state) {
        DbfTable table;
        table.open(path);
        table.SetOrder(1);
        table.GoBottom();
        int walked = 1;
        while (table.Skip(-1) == -1)
            ++walked;
        if (walked != records)
            state.SkipWithError("the walk missed records");
        benchmark::DoNotOptimize(walked);
    }
    state.SetItemsProcessed(state.iterations() * records);
}

void BM_OpenSortWalkBackwards_DateOrder(benchmark::State& state) {
    openSortWalkBackwards(state, false);
}

void BM_OpenSortWalkBackwards_Shuffled(benchmark::State& state) {
    openSortWalkBackwards(state, true);
}

// Reading two fields of every record on the way, as the analyses do.
void BM_WalkBackwardsReadingFields(benchmark::State& state) {
    const QString path = makeTable(folder(), QStringLiteral("READ.DBF"), 1'000'000, false);
    DbfTable table;
    table.open(path);
    table.SetOrder(1);
    for (auto _ : state) {
        qsizetype characters = 0;
        table.GoBottom();
        do {
            characters += table.DateText(0).size() + table.FieldText(1).size();
        } while (table.Skip(-1) == -1);
        benchmark::DoNotOptimize(characters);
    }
    state.SetItemsProcessed(state.iterations() * table.RecordCount());
}

void BM_Append100k(benchmark::State& state) {
    const int records = 100'000;
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString path = makeTable(folder(), QStringLiteral("APP%1.DBF").arg(round++), 0, false);
        DbfTable table;
        table.open(path);
        table.SetOrder(1);
        state.ResumeTiming();
        for (int r = 0; r < records; ++r) {
            table.append();
            table.setFieldDate(QStringLiteral("DRAWDATE"),
                               QDate(1960, 1, 1).addDays(r / 2).toString(QStringLiteral("MM/dd/yyyy")));
            table.SetField(QStringLiteral("P1"), QStringLiteral("07"));
            table.SetField(QStringLiteral("P6"), QStringLiteral("49"));
            table.post();
        }
        state.PauseTiming();
        table.close();
        QFile::remove(path);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * records);
}

} // namespace

BENCHMARK(BM_OpenSortWalkBackwards_DateOrder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenSortWalkBackwards_Shuffled)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WalkBackwardsReadingFields)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Append100k)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
