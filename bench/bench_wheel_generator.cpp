// SPDX-License-Identifier: GPL-3.0-or-later
// How small the generator's wheels are against the best sizes known: one search on one core per
// cell of the bounds table, each given the same CPU time of its own search thread (so other work on
// a shared machine does not shrink it), our size written next to the best known and the floor no
// wheel can go below. A cell stops early once it reaches the best known size. A cell takes up to
// its time limit, so this is a program run on its own rather than a timing loop:
//
//   build/bench/bench_wheel_generator [--seconds S] [--max-v V] [--bounds CSV] [--out CSV] [--seed N]
//                                     [--all] [--shard I/N] [--merge A.csv,B.csv,...]
//
// --shard I/N measures the I-th of every N cells (from 1), for runs side by side; --merge searches
// nothing and writes the table and summary from the cells of earlier tables instead.
//
// Without --all, the cells measured are the coverings (m = t) with v <= 20, k = 5 or 6, t = 2 to 4;
// t = 5 with v <= 16; t <= 3 with 21 <= v <= 30; and the lotto-design rows with v <= 30 (those with
// m = t restate a covering and are counted with the lotto rows only).
//
// The best known covering sizes are those of the La Jolla Covering Repository (D. M. Gordon).
#include "db/vantoro_error.h"
#include "play/wheel_file.h"
#include "play/wheel_generator.h"
#include "play/wheel_verifier.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

struct Cell {
    int v = 0, k = 0, t = 0, m = 0;
    int bestKnown = 0;
    int schoenheim = 0; // 0 where the table gives none
    bool lotto = false; // a lotto-design row, though some restate a covering (m = t)
    QString source;
};

struct Outcome {
    Cell cell;
    int ours = 0; // 0: not searched or nothing found
    qint64 floor = 0;
    double seconds = 0;
    double cpuSeconds = 0;
    QString note;
};

QString argument(const QStringList& args, const QString& name, const QString& fallback) {
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : fallback;
}

// The first seven columns are plain numbers; the kind and the source may hold quoted commas.
std::vector<Cell> readCells(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw VantoroError(QStringLiteral("Cannot read %1.").arg(path));
    std::vector<Cell> cells;
    QTextStream in(&file);
    in.readLine();
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const QStringList fields = line.split(QLatin1Char(','));
        if (fields.size() < 8)
            continue;
        Cell cell;
        cell.v = fields.at(0).toInt();
        cell.k = fields.at(1).toInt();
        cell.t = fields.at(2).toInt();
        cell.m = fields.at(3).toInt();
        cell.bestKnown = fields.at(4).toInt();
        cell.schoenheim = fields.at(6).toInt();
        cell.lotto = fields.at(7).startsWith(QStringLiteral("\"lotto"));
        cell.source = line.mid(line.lastIndexOf(QStringLiteral(",\"")) + 2).chopped(1);
        cells.push_back(cell);
    }
    return cells;
}

// The group a cell is measured in, 4 for a row outside the measured ones.
int group(const Cell& c) {
    if (c.lotto || c.m > c.t)
        return c.v <= 30 ? 3 : 4;
    if (c.v <= 20 && (c.k == 5 || c.k == 6) && c.t >= 2 && c.t <= 4)
        return 0;
    if (c.t == 5 && c.v <= 16)
        return 1;
    if (c.t <= 3 && c.v >= 21 && c.v <= 30)
        return 2;
    return 4;
}

double processSeconds() {
    timespec spent{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &spent);
    return double(spent.tv_sec) + double(spent.tv_nsec) * 1e-9;
}

// Earlier tables' outcomes by "v,k,t,m"; a later table's row replaces an earlier one's.
QHash<QString, Outcome> readOutcomes(const QStringList& paths) {
    QHash<QString, Outcome> outcomes;
    for (const QString& path : paths) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            throw VantoroError(QStringLiteral("Cannot read %1.").arg(path));
        QTextStream in(&file);
        in.readLine();
        while (!in.atEnd()) {
            const QString line = in.readLine();
            const QStringList fields = line.split(QLatin1Char(','));
            if (fields.size() < 13)
                continue;
            Outcome outcome;
            outcome.ours = fields.at(4).toInt();
            outcome.cpuSeconds = fields.at(10).toDouble();
            outcome.seconds = fields.at(11).toDouble();
            const qsizetype noteStart = line.indexOf(QLatin1Char('"'));
            outcome.note =
                line.mid(noteStart + 1, line.indexOf(QLatin1Char('"'), noteStart + 1) - noteStart - 1);
            outcomes.insert(QStringList(fields.mid(0, 4)).join(QLatin1Char(',')), outcome);
        }
    }
    return outcomes;
}

QString ratio(double a, double b) {
    return b > 0 ? QString::number(a / b, 'f', 4) : QString();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const double seconds = argument(args, QStringLiteral("--seconds"), QStringLiteral("60")).toDouble();
    const int maxV = argument(args, QStringLiteral("--max-v"), QStringLiteral("1000")).toInt();
    const QString boundsPath = argument(args, QStringLiteral("--bounds"), QStringLiteral(VANTORO_BOUNDS_CSV));
    const QString outPath =
        argument(args, QStringLiteral("--out"), QStringLiteral("bench_wheel_generator.csv"));
    const auto seed = std::uint32_t(argument(args, QStringLiteral("--seed"), QStringLiteral("1")).toUInt());
    const bool all = args.contains(QStringLiteral("--all"));
    const QStringList shard =
        argument(args, QStringLiteral("--shard"), QStringLiteral("1/1")).split(QLatin1Char('/'));
    const int shardIndex = shard.value(0).toInt();
    const int shardCount = shard.value(1).toInt();
    const QString merge = argument(args, QStringLiteral("--merge"), QString());
    if (shardCount < 1 || shardIndex < 1 || shardIndex > shardCount) {
        std::fprintf(stderr, "--shard takes I/N with 1 <= I <= N\n");
        return 2;
    }
    if (seconds <= 0) {
        std::fprintf(stderr, "--seconds takes a number above 0\n");
        return 2;
    }

    std::vector<Outcome> outcomes;
    try {
        const QHash<QString, Outcome> earlier =
            merge.isEmpty() ? QHash<QString, Outcome>() : readOutcomes(merge.split(QLatin1Char(',')));
        int selected = 0;
        for (const Cell& cell : readCells(boundsPath)) {
            if (cell.v > maxV || !(all || group(cell) < 4))
                continue;
            if (selected++ % shardCount != shardIndex - 1)
                continue;
            Outcome outcome;
            const QString key = QStringLiteral("%1,%2,%3,%4").arg(cell.v).arg(cell.k).arg(cell.t).arg(cell.m);
            if (!merge.isEmpty()) {
                if (!earlier.contains(key))
                    continue;
                outcome = earlier.value(key);
                outcome.cell = cell;
                outcome.floor = WheelGenerator::lowerBound(cell.v, cell.k, cell.t, cell.m);
                outcomes.push_back(outcome);
                continue;
            }
            outcome.cell = cell;
            outcome.floor = WheelGenerator::lowerBound(cell.v, cell.k, cell.t, cell.m);
            WheelMakeRequest request;
            request.numbers = cell.v;
            request.perTicket = cell.k;
            request.match = cell.t;
            request.correct = cell.m;
            request.seconds = seconds;
            request.seed = seed;
            request.searches = 1;
            request.cpuTime = true;
            request.enough = cell.bestKnown;
            const auto start = std::chrono::steady_clock::now();
            const double cpuStart = processSeconds();
            try {
                const WheelFile wheel = WheelGenerator::make(request);
                outcome.ours = int(wheel.rows.size());
            } catch (const VantoroError& error) {
                outcome.note = error.message();
            }
            outcome.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            outcome.cpuSeconds = processSeconds() - cpuStart;
            std::fprintf(
                stderr,
                "v=%d k=%d t=%d m=%d: ours %d, best known %d, floor %lld, %.1f s CPU, %.1f s wall%s%s\n",
                cell.v, cell.k, cell.t, cell.m, outcome.ours, cell.bestKnown,
                static_cast<long long>(outcome.floor), outcome.cpuSeconds, outcome.seconds,
                outcome.note.isEmpty() ? "" : ": ", qPrintable(outcome.note));
            outcomes.push_back(outcome);
        }
    } catch (const VantoroError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }

    QSaveFile out(outPath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Text)) {
        std::fprintf(stderr, "Cannot write %s.\n", qPrintable(outPath));
        return 1;
    }
    {
        QTextStream csv(&out);
        csv << "v,k,t,m,ours,best_known,schoenheim,our_floor,ours_over_best,best_over_schoenheim,cpu_seconds,"
               "wall_seconds,"
               "note,best_known_source\n";
        for (const Outcome& o : outcomes) {
            const Cell& c = o.cell;
            csv << c.v << ',' << c.k << ',' << c.t << ',' << c.m << ','
                << (o.ours ? QString::number(o.ours) : QString()) << ',' << c.bestKnown << ','
                << (c.schoenheim ? QString::number(c.schoenheim) : QString()) << ',' << o.floor << ','
                << (o.ours ? ratio(o.ours, c.bestKnown) : QString()) << ','
                << ratio(c.bestKnown, c.schoenheim) << ',' << QString::number(o.cpuSeconds, 'f', 1) << ','
                << QString::number(o.seconds, 'f', 1) << ",\"" << o.note << "\",\""
                << QString(c.source).replace(QLatin1Char('"'), QLatin1Char('\'')) << "\"\n";
        }
    }
    if (!out.commit()) {
        std::fprintf(stderr, "Cannot write %s.\n", qPrintable(outPath));
        return 1;
    }

    // The summary, group by group, as the goals are set per group.
    const char* const groups[] = {"Coverings, v <= 20, k = 5/6, t = 2..4", "Coverings, t = 5, v <= 16",
                                  "Coverings, t <= 3, 21 <= v <= 30", "Lotto-design rows, v <= 30",
                                  "Other rows"};
    int floorMismatch = 0;
    for (int g = 0; g < 5; ++g) {
        int cells = 0, searched = 0, equal = 0, better = 0, within3 = 0, within5 = 0;
        double worst = 0;
        for (const Outcome& o : outcomes) {
            if (group(o.cell) != g)
                continue;
            ++cells;
            if (!o.cell.lotto && o.cell.schoenheim && o.floor != o.cell.schoenheim)
                ++floorMismatch;
            if (!o.ours)
                continue;
            ++searched;
            const double r = double(o.ours) / o.cell.bestKnown;
            worst = std::max(worst, r);
            equal += o.ours == o.cell.bestKnown;
            better += o.ours < o.cell.bestKnown;
            within3 += r <= 1.03;
            within5 += r <= 1.05;
        }
        if (cells == 0)
            continue;
        std::printf("%s: %d cells, %d searched at %.0f s CPU each on one core; equal to the best known %d, "
                    "better %d, within 3%% %d, within 5%% %d; worst ours / best known %.4f\n",
                    groups[g], cells, searched, seconds, equal, better, within3, within5, worst);
    }
    std::printf("Our floor differs from the table's Schoenheim bound on %d covering cells.\n", floorMismatch);
    std::vector<const Outcome*> worstFirst;
    for (const Outcome& o : outcomes)
        if (o.ours > o.cell.bestKnown)
            worstFirst.push_back(&o);
    std::sort(worstFirst.begin(), worstFirst.end(), [](const Outcome* a, const Outcome* b) {
        return double(a->ours) / a->cell.bestKnown > double(b->ours) / b->cell.bestKnown;
    });
    for (std::size_t i = 0; i < worstFirst.size() && i < 10; ++i) {
        const Outcome& o = *worstFirst[i];
        std::printf("Above the best known: v=%d k=%d t=%d m=%d: %d against %d (%.4f)\n", o.cell.v, o.cell.k,
                    o.cell.t, o.cell.m, o.ours, o.cell.bestKnown, double(o.ours) / o.cell.bestKnown);
    }
    for (const Outcome& o : outcomes)
        if (!o.ours)
            std::printf("No wheel: v=%d k=%d t=%d m=%d: %s\n", o.cell.v, o.cell.k, o.cell.t, o.cell.m,
                        qPrintable(o.note));
    for (const Outcome& o : outcomes)
        if (o.ours && o.ours < o.cell.bestKnown)
            std::printf("SMALLER THAN THE BEST KNOWN: v=%d k=%d t=%d m=%d: %d < %d\n", o.cell.v, o.cell.k,
                        o.cell.t, o.cell.m, o.ours, o.cell.bestKnown);
    std::printf(
        "Best known sizes: La Jolla Covering Repository (D. M. Gordon), and the sources named per lotto "
        "design row. Table: %s\n",
        qPrintable(outPath));
    return 0;
}
