// SPDX-License-Identifier: GPL-3.0-or-later
// How small the generator's wheels are against the best sizes known: one search on one core per
// cell of the bounds table, each given the same time, our size written next to the best known and
// the floor no wheel can go below. A cell takes up to its time limit, so this is a program run on
// its own rather than a timing loop:
//
//   build/bench/bench_wheel_generator [--seconds S] [--max-v V] [--bounds CSV] [--out CSV] [--seed N]
//
// The best known covering sizes are those of the La Jolla Covering Repository (D. M. Gordon).
#include "db/vantoro_error.h"
#include "play/wheel_file.h"
#include "play/wheel_generator.h"
#include "play/wheel_verifier.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

struct Cell {
    int v = 0, k = 0, t = 0, m = 0;
    int bestKnown = 0;
    int schoenheim = 0; // 0 where the table gives none
    QString source;
};

struct Outcome {
    Cell cell;
    int ours = 0; // 0: not searched or nothing found
    qint64 floor = 0;
    double seconds = 0;
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
        cell.source = line.mid(line.lastIndexOf(QStringLiteral(",\"")) + 2).chopped(1);
        cells.push_back(cell);
    }
    return cells;
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
    if (seconds <= 0) {
        std::fprintf(stderr, "--seconds takes a number above 0\n");
        return 2;
    }

    std::vector<Outcome> outcomes;
    try {
        for (const Cell& cell : readCells(boundsPath)) {
            if (cell.v > maxV)
                continue;
            Outcome outcome;
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
            const auto start = std::chrono::steady_clock::now();
            try {
                const WheelFile wheel = WheelGenerator::make(request);
                outcome.ours = int(wheel.rows.size());
            } catch (const VantoroError& error) {
                outcome.note = error.message();
            }
            outcome.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            std::fprintf(stderr, "v=%d k=%d t=%d m=%d: ours %d, best known %d, floor %lld, %.1f s%s%s\n",
                         cell.v, cell.k, cell.t, cell.m, outcome.ours, cell.bestKnown,
                         static_cast<long long>(outcome.floor), outcome.seconds,
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
        csv << "v,k,t,m,ours,best_known,schoenheim,our_floor,ours_over_best,best_over_schoenheim,seconds,"
               "note,best_known_source\n";
        for (const Outcome& o : outcomes) {
            const Cell& c = o.cell;
            csv << c.v << ',' << c.k << ',' << c.t << ',' << c.m << ','
                << (o.ours ? QString::number(o.ours) : QString()) << ',' << c.bestKnown << ','
                << (c.schoenheim ? QString::number(c.schoenheim) : QString()) << ',' << o.floor << ','
                << (o.ours ? ratio(o.ours, c.bestKnown) : QString()) << ','
                << ratio(c.bestKnown, c.schoenheim) << ',' << QString::number(o.seconds, 'f', 1) << ",\""
                << o.note << "\",\"" << QString(c.source).replace(QLatin1Char('"'), QLatin1Char('\''))
                << "\"\n";
        }
    }
    if (!out.commit()) {
        std::fprintf(stderr, "Cannot write %s.\n", qPrintable(outPath));
        return 1;
    }

    // The summary, covering cells and lotto-design rows apart.
    for (const bool covering : {true, false}) {
        int cells = 0, searched = 0, equal = 0, better = 0, within3 = 0, within5 = 0, floorMismatch = 0;
        double worst = 0;
        for (const Outcome& o : outcomes) {
            if ((o.cell.t == o.cell.m) != covering)
                continue;
            ++cells;
            if (covering && o.cell.schoenheim && o.floor != o.cell.schoenheim)
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
        std::printf(
            "%s: %d cells, %d searched at %.0f s each on one core; equal to the best known %d, better %d, "
            "within 3%% %d, within 5%% %d; worst ours / best known %.4f\n",
            covering ? "Coverings (m = t)" : "Lotto designs (m > t)", cells, searched, seconds, equal, better,
            within3, within5, worst);
        if (covering)
            std::printf("Our floor differs from the table's Schoenheim bound on %d cells.\n", floorMismatch);
    }
    for (const Outcome& o : outcomes)
        if (o.ours && o.ours < o.cell.bestKnown)
            std::printf("Smaller than the best known: v=%d k=%d t=%d m=%d: %d < %d\n", o.cell.v, o.cell.k,
                        o.cell.t, o.cell.m, o.ours, o.cell.bestKnown);
    std::printf(
        "Best known sizes: La Jolla Covering Repository (D. M. Gordon), and the sources named per lotto "
        "design row. Table: %s\n",
        qPrintable(outPath));
    return 0;
}
