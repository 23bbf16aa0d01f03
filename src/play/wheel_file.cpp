// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/wheel_file.h"

#include "db/vantoro_error.h"
#include "lottery/game_type.h"
#include "lottery/lottery_definition.h"

#include "db/atomic_file.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

QString shownName(const QString& path) {
    return QDir::toNativeSeparators(path);
}

int asNumber(const QString& text, bool* ok) {
    return text.trimmed().toInt(ok);
}

} // namespace

QStringList WheelFile::fields(const QString& line) {
    QStringList result;
    result.reserve(line.size() / 2 + 1);
    for (qsizetype i = 0; i < line.size(); i += 2)
        result << line.mid(i, 2);
    return result;
}

bool WheelFile::isFull() const {
    bool okP = false, okM = false, okC = false;
    const int p = asNumber(NumbersPerTicket, &okP);
    const int m = asNumber(Match, &okM);
    const int c = asNumber(Correct, &okC);
    return okP && okM && okC && m == p && c == p;
}

QStringList WheelFile::fieldCountNotes(int limit) const {
    QStringList notes;
    bool ok = false;
    const int p = asNumber(NumbersPerTicket, &ok);
    if (!ok)
        return notes;
    for (qsizetype row = 0; row < rows.size() && notes.size() < limit; ++row) {
        if (rows.at(row).size() != p)
            notes << QStringLiteral("Line %1 holds %2 positions instead of %3.")
                         .arg(row + 6)
                         .arg(rows.at(row).size())
                         .arg(p);
    }
    return notes;
}

WheelFile WheelFile::full(int numbers, int perTicket) {
    if (numbers < 1 || numbers > 99)
        throw VantoroError(QStringLiteral("A wheel holds from 1 to 99 numbers, not %1.").arg(numbers));
    if (perTicket < 1 || perTicket > numbers)
        throw VantoroError(QStringLiteral("A ticket of this wheel holds from 1 to %1 numbers, not %2.")
                               .arg(numbers)
                               .arg(perTicket));
    // C(K, P) step by step; each partial product is itself a binomial, so the division is exact.
    qint64 count = 1;
    for (int i = 1; i <= perTicket && count <= MaxTickets; ++i)
        count = count * (numbers - perTicket + i) / i;
    if (count > MaxTickets)
        throw VantoroError(
            QStringLiteral("The full wheel of %1 numbers with %2 per ticket would have more than %3 "
                           "tickets.")
                .arg(numbers)
                .arg(perTicket)
                .arg(MaxTickets));
    WheelFile wheel;
    wheel.NumbersPerTicket = QString::number(perTicket);
    wheel.Numbers = QString::number(numbers);
    wheel.Tickets = QString::number(count);
    wheel.Match = wheel.NumbersPerTicket;
    wheel.Correct = wheel.NumbersPerTicket;
    QList<int> subset(perTicket);
    for (int i = 0; i < perTicket; ++i)
        subset[i] = i + 1;
    while (true) {
        QStringList row;
        for (int value : subset)
            row << QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
        wheel.rows << row;
        int i = perTicket - 1;
        while (i >= 0 && subset.at(i) == numbers - perTicket + i + 1)
            --i;
        if (i < 0)
            break;
        ++subset[i];
        for (int j = i + 1; j < perTicket; ++j)
            subset[j] = subset.at(j - 1) + 1;
    }
    return wheel;
}

QList<QList<int>> WheelFile::positions(const QString& path, int numbers) const {
    QList<QList<int>> tickets;
    tickets.reserve(rows.size());
    for (qsizetype row = 0; row < rows.size(); ++row) {
        const QStringList& fields = rows.at(row);
        // Lines counted in the file: five header lines come first.
        const qsizetype line = row + 6;
        if (fields.isEmpty())
            throw VantoroError(QStringLiteral("Line %1 of the wheeling system file %2 holds no positions.")
                                   .arg(line)
                                   .arg(QDir::toNativeSeparators(path)));
        QList<int> ticket;
        ticket.reserve(fields.size());
        for (const QString& field : fields) {
            // toInt takes " 7" and "+7": a position is digits only.
            const bool digits = !field.isEmpty() &&
                                std::all_of(field.begin(), field.end(), [](QChar c) { return c.isDigit(); });
            const int position = digits ? field.toInt() : 0;
            if (position < 1 || position > numbers)
                throw VantoroError(
                    QStringLiteral("Line %1 of the wheeling system file %2 holds \"%3\", which is not "
                                   "a position from 1 to %4.")
                        .arg(line)
                        .arg(QDir::toNativeSeparators(path), field)
                        .arg(numbers));
            ticket << position;
        }
        tickets << ticket;
    }
    return tickets;
}

WheelFile WheelFile::read(const QString& path) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw VantoroError(QStringLiteral("The file %1 is not a regular file.").arg(shownName(path)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw VantoroError(QStringLiteral("Cannot read the wheeling system file %1: %2.")
                               .arg(shownName(path), file.errorString()));
    if (file.size() > MaxFileSize)
        throw VantoroError(
            QStringLiteral("The file %1 is too large to be a wheeling system file.").arg(shownName(path)));
    const QByteArray bytes = file.read(MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        throw VantoroError(QStringLiteral("Cannot read the wheeling system file %1: %2.")
                               .arg(shownName(path), file.errorString()));
    if (bytes.size() > MaxFileSize)
        throw VantoroError(
            QStringLiteral("The file %1 is too large to be a wheeling system file.").arg(shownName(path)));
    return parse(bytes, path);
}

WheelFile WheelFile::parse(const QByteArray& bytes, const QString& path) {
    if (bytes.size() > MaxFileSize)
        throw VantoroError(
            QStringLiteral("The file %1 is too large to be a wheeling system file.").arg(shownName(path)));
    // Walked line by line rather than split, so that a file of nothing but line ends costs no more
    // than its rows.
    WheelFile wheel;
    QString* header[] = {&wheel.NumbersPerTicket, &wheel.Numbers, &wheel.Tickets, &wheel.Match,
                         &wheel.Correct};
    qsizetype start = 0;
    qsizetype lineNumber = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        qsizetype length = end - start;
        if (length > 0 && bytes.at(end - 1) == '\r')
            --length;
        const QString line = QString::fromLatin1(bytes.constData() + start, length);
        ++lineNumber;
        if (lineNumber <= 5) {
            *header[lineNumber - 1] = line;
        } else {
            if (line.size() > MaxLineLength)
                throw VantoroError(
                    QStringLiteral("Line %1 of the wheeling system file %2 is too long to be a ticket "
                                   "line.")
                        .arg(lineNumber)
                        .arg(shownName(path)));
            wheel.rows << fields(line);
        }
        start = end + 1;
    }
    if (lineNumber < 5)
        throw VantoroError(QStringLiteral("The wheeling system file %1 ends at line %2: it needs five header "
                                          "lines before the tickets.")
                               .arg(shownName(path))
                               .arg(lineNumber + 1));
    return wheel;
}

QString WheelFile::cellProblem(int* row, int* column) const {
    bool ok = false;
    int numbers = asNumber(Numbers, &ok);
    if (!ok || numbers < 1 || numbers > 99)
        numbers = 99;
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const QStringList& cells = rows.at(r);
        for (qsizetype c = 0; c < cells.size(); ++c) {
            const QString cell = cells.at(c).trimmed();
            QString problem;
            // An empty cell would be written as "00" and a longer one would shift every position
            // after it: the file could no longer be read as the wheel that was typed.
            if (cell.isEmpty()) {
                problem = QStringLiteral("Line %1, number %2 is empty.").arg(r + 1).arg(c + 1);
            } else {
                bool digits = cell.size() <= 2;
                for (const QChar ch : cell)
                    digits = digits && ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
                const int position = digits ? cell.toInt() : 0;
                if (position < 1 || position > numbers)
                    problem = QStringLiteral("Line %1, number %2: \"%3\" is not a position from 1 to %4.")
                                  .arg(r + 1)
                                  .arg(c + 1)
                                  .arg(cell.left(20))
                                  .arg(numbers);
            }
            if (!problem.isEmpty()) {
                if (row)
                    *row = int(r) + 1;
                if (column)
                    *column = int(c) + 1;
                return problem;
            }
        }
    }
    return QString();
}

void WheelFile::write(const QString& path) const {
    if (const QString problem = cellProblem(); !problem.isEmpty())
        throw VantoroError(problem);
    QByteArray text;
    for (const QString* value : {&NumbersPerTicket, &Numbers, &Tickets, &Match, &Correct})
        text += value->toLatin1() + "\r\n";
    for (const QStringList& row : rows) {
        for (const QString& cell : row)
            text += cell.trimmed().rightJustified(2, QLatin1Char('0')).toLatin1();
        text += "\r\n";
    }
    const QString cause = AtomicFile::writeFile(path, text);
    if (!cause.isEmpty())
        throw VantoroError(
            QStringLiteral("Cannot write the wheeling system file %1: %2.").arg(shownName(path), cause));
}

int ticketSize(const LotteryDefinition& definition) {
    const int size = definition.regularNumbers();
    return size == 20 || size == 22 ? 10 : size;
}

QString ticketSizeCode(const LotteryDefinition& definition) {
    switch (static_cast<GameTypeCode>(definition.GameType)) {
    case GameTypeCode::DailyMillions:
        return QStringLiteral("dm");
    case GameTypeCode::CardReserved:
        return QStringLiteral("cd");
    case GameTypeCode::NYLuckyDay:
        return QStringLiteral("ld");
    default:
        return QStringLiteral("%1").arg(ticketSize(definition), 2, 10, QLatin1Char('0'));
    }
}

QString wheelListEntry(const QString& path) {
    // The header is a few short lines: the start of the file is enough, whatever follows.
    QList<QByteArray> lines;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        lines = file.read(512).split('\n');
    auto line = [&lines](int i) { return QString::fromLatin1(lines.value(i).left(64)).trimmed(); };
    return line(1).rightJustified(2, QLatin1Char('0')) + QStringLiteral(" numbers, ") +
           line(2).rightJustified(3, QLatin1Char('0')) + QStringLiteral(" tickets ") + line(3) +
           QLatin1Char('/') + line(4) + QStringLiteral("  (") + QFileInfo(path).fileName() + QLatin1Char(')');
}

QStringList wheelFileNames(const QString& dir, const QString& pattern) {
    const QDir folder(dir);
    return folder.entryList(QStringList{pattern}, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
}

QStringList wheelListEntries(const QString& dir, const QStringList& fileNames) {
    QStringList entries;
    entries.reserve(fileNames.size());
    for (const QString& name : fileNames)
        entries << wheelListEntry(QDir(dir).filePath(name));
    return entries;
}
