// SPDX-License-Identifier: GPL-3.0-or-later
// Importing a published history of 100,000 and 1,000,000 drawings of a 6/49 lottery into its empty
// table, through the steps vantoro-cli takes: read the file, propose the mapping, preview, append.
// Besides the time per drawing it prints each step's share and the process's peak memory, which
// after the 1,000,000-row run is that run's peak.
#include "db/dbf_table.h"
#include "drawings/drawing_import.h"
#include "drawings/import_layout.h"
#include "lottery/drawing_table.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <sys/resource.h>

namespace {

LotteryDefinition lotto649() {
    LotteryDefinition d;
    d.GameType = 7;
    d.NumbersDrawn = 6;
    d.BonusNumbers = 0;
    d.LowestNumber = 1;
    d.HighestNumber = 49;
    return d;
}

const QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

// One drawing a day from 1300 on, six different numbers in the order drawn: a file of about 28 bytes
// a row, as published histories are.
QString makeCsv(int rows) {
    const QString path = QDir(folder().path()).filePath(QStringLiteral("history%1.csv").arg(rows));
    if (QFile::exists(path))
        return path;
    QRandomGenerator random(545);
    QByteArray bytes = "Draw Date,N1,N2,N3,N4,N5,N6\n";
    bytes.reserve(qsizetype(rows) * 30);
    QDate date(1300, 1, 1);
    for (int r = 0; r < rows; ++r, date = date.addDays(1)) {
        bytes += date.toString(Qt::ISODate).toLatin1();
        bool drawn[50] = {};
        for (int i = 0; i < 6; ++i) {
            int n = 0;
            do
                n = 1 + int(random.bounded(49));
            while (drawn[n]);
            drawn[n] = true;
            bytes += ',';
            bytes += QByteArray::number(n);
        }
        bytes += '\n';
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0; // Linux reports kilobytes
}

void BM_ImportCsv(benchmark::State& state) {
    const int rows = int(state.range(0));
    const QString csv = makeCsv(rows);
    const DrawingImport::Target target{QStringLiteral("XX649"), lotto649()};
    using Clock = std::chrono::steady_clock;
    double seconds[4] = {};
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString dataDir = QDir(folder().path()).filePath(QStringLiteral("data%1/").arg(round++));
        QDir().mkpath(dataDir);
        DrawingTable::CreateDrawingTable(dataDir, target.code, target.definition);
        DbfTable table;
        table.open(dataDir + target.code + QStringLiteral(".DBF"));
        table.SetOrder(1);
        state.ResumeTiming();

        auto mark = Clock::now();
        const auto lap = [&](int step) {
            const auto now = Clock::now();
            seconds[step] += std::chrono::duration<double>(now - mark).count();
            mark = now;
        };
        ImportPreview preview;
        {
            const QString text = DrawingImport::readFile(csv);
            lap(0);
            const ImportLayout layout = ImportLayout::propose(text, target.definition, target.digitGame());
            lap(1);
            preview = DrawingImport::preview(text, layout, target, &table);
            lap(2);
        }
        DrawingImport::append(table, preview.accepted);
        lap(3);
        if (table.RecordCount() != rows || !preview.refused.empty())
            state.SkipWithError("the import did not take every row");

        state.PauseTiming();
        table.close();
        QDir(dataDir).removeRecursively();
        state.ResumeTiming();
    }
    const double runs = double(state.iterations());
    state.SetItemsProcessed(state.iterations() * rows);
    state.counters["ns_per_drawing"] =
        benchmark::Counter((seconds[0] + seconds[1] + seconds[2] + seconds[3]) * 1e9 / (runs * rows),
                           benchmark::Counter::kDefaults);
    state.counters["read_ms"] = seconds[0] * 1e3 / runs;
    state.counters["propose_ms"] = seconds[1] * 1e3 / runs;
    state.counters["preview_ms"] = seconds[2] * 1e3 / runs;
    state.counters["append_ms"] = seconds[3] * 1e3 / runs;
    state.counters["peak_MB"] = peakMegabytes();
    state.counters["peak_bytes_per_drawing"] = peakMegabytes() * 1024 * 1024 / rows;
}

} // namespace

BENCHMARK(BM_ImportCsv)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_MAIN();
