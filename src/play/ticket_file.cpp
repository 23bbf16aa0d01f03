// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/ticket_file.h"

#include "db/vantoro_error.h"
#include "db/windows1252.h"
#include "play/ticket_line.h"

#include "db/atomic_file.h"
#include <QFile>
#include <QFileInfo>

namespace {

QString fileName(const QString& path) {
    return QFileInfo(path).fileName();
}

VantoroError badHeader(const QString& name, int line, const QString& why) {
    return VantoroError(
        QStringLiteral("The file %1 is not a valid ticket file: line %2 %3.").arg(name).arg(line).arg(why));
}

int headerNumber(const QString& text, const QString& name, int line, int lowest, int highest) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < lowest || value > highest)
        throw badHeader(
            name, line,
            QStringLiteral("must be a number from %1 to %2, not '%3'").arg(lowest).arg(highest).arg(text));
    return value;
}

} // namespace

TicketFile TicketFile::parse(const QByteArray& bytes, const QString& name) {
    if (bytes.size() > kMaxTicketFileBytes)
        throw VantoroError(QStringLiteral("The file %1 is too large to be a ticket file.").arg(name));
    // Lines are taken one at a time: a file of nothing but line ends must not cost a list entry each.
    qsizetype start = 0;
    int lineNumber = 0;
    auto nextLine = [&](QByteArrayView* line) {
        if (start >= bytes.size())
            return false;
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        *line = QByteArrayView(bytes.constData() + start, end - start);
        if (line->endsWith('\r'))
            line->chop(1);
        start = end + 1;
        ++lineNumber;
        return true;
    };

    QByteArrayView header[4];
    for (int i = 0; i < 4; ++i) {
        if (!nextLine(&header[i]))
            throw badHeader(name, i + 1, QStringLiteral("is missing"));
    }
    TicketFile file;
    // Line 1 is a count the writer made; it is shown, but it bounds nothing.
    file.count = headerNumber(QString::fromLatin1(header[0]), name, 1, 0, std::numeric_limits<int>::max());
    file.kind.numbersPerTicket = headerNumber(QString::fromLatin1(header[1]), name, 2, 1, 10);
    file.kind.gameType = headerNumber(QString::fromLatin1(header[2]), name, 3, 0, 12);
    file.lotteryName = Windows1252::decode(header[3].data(), header[3].size());

    const int width = file.kind.fileLineWidth();
    file.tickets.reserve(std::min<qsizetype>(kMaxTickets, (bytes.size() - start) / (width + 1) + 1));
    QByteArrayView raw;
    while (nextLine(&raw)) {
        if (file.tickets.size() >= kMaxTickets)
            throw VantoroError(
                QStringLiteral("The file %1 holds more than %2 tickets.").arg(name).arg(kMaxTickets));
        // Only the fixed fields matter: whatever follows them is never looked at.
        raw = raw.first(std::min<qsizetype>(raw.size(), width));
        // The file and line are named only when a field is refused: making that text for every
        // line cost as much as reading the line.
        Ticket ticket;
        try {
            ticket = TicketLine::fromFileLine(file.kind, Windows1252::decode(raw.data(), raw.size()),
                                              static_cast<int>(file.tickets.size()) + 1);
        } catch (const VantoroError& error) {
            throw VantoroError(
                QStringLiteral("%1, line %2: %3").arg(name).arg(lineNumber).arg(error.message()));
        }
        file.tickets.append(ticket);
        const TicketCounts counts = ticket.counts(file.kind);
        file.sumRange.widen(counts.sum);
        file.oddRange.widen(counts.odd);
    }
    return file;
}

TicketFile TicketFile::read(const QString& path) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw VantoroError(QStringLiteral("The file %1 is not a regular file.").arg(fileName(path)));
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        throw VantoroError(QStringLiteral("Cannot open the file %1: %2.").arg(path, in.errorString()));
    if (in.size() > kMaxTicketFileBytes)
        throw VantoroError(
            QStringLiteral("The file %1 is too large to be a ticket file.").arg(fileName(path)));
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        throw VantoroError(QStringLiteral("Cannot read the file %1: %2.").arg(path, in.errorString()));
    return parse(bytes, fileName(path));
}

void TicketFile::write(const QString& path, const TicketKind& kind, const QString& lotteryName,
                       const Tickets& tickets) {
    QByteArray bytes;
    bytes += QByteArray::number(tickets.size()) + "\r\n";
    bytes += QByteArray::number(kind.numbersPerTicket) + "\r\n";
    bytes += QByteArray::number(kind.gameType) + "\r\n";
    bytes += Windows1252::encodeLossy(lotteryName) + "\r\n";
    for (const Ticket& ticket : tickets)
        bytes += Windows1252::encodeLossy(TicketLine::toFileLine(kind, ticket)) + "\r\n";

    const QString cause = AtomicFile::writeFile(path, bytes);
    if (!cause.isEmpty())
        throw VantoroError(QStringLiteral("Cannot write the file %1: %2.").arg(path, cause));
}
