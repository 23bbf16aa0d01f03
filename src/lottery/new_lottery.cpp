// SPDX-License-Identifier: GPL-3.0-or-later
#include "lottery/new_lottery.h"

#include "db/file_lookup.h"
#include "db/table_lock.h"
#include "db/vantoro_error.h"
#include "lottery/drawing_table.h"

#include <QDir>
#include <QFile>

namespace {

// The old table and its index go before they are made again, whatever the case of their names.
void removeTable(const QString& dataDir, const QString& code) {
    for (const QString& extension : {QStringLiteral(".DBF"), QStringLiteral(".NSX")}) {
        const QString existing = FileLookup::find(dataDir, code + extension);
        if (!existing.isEmpty() && !QFile::remove(existing))
            throw VantoroError(QStringLiteral("The file %1 could not be deleted.").arg(code + extension));
    }
}

// Over an existing definition of any letter case, so no second file of the code appears.
void writeDefinition(const QString& dataDir, const QString& code, const LotteryDefinition& definition) {
    const QString fileName = code + QStringLiteral(".INF");
    const QString existing = FileLookup::find(dataDir, fileName);
    WriteDefinition(existing.isEmpty() ? dataDir + fileName : existing, definition);
}

} // namespace

namespace NewLottery {

bool exists(const QString& dataDir, const QString& code) {
    return FileLookup::exists(dataDir, code + QStringLiteral(".INF"));
}

void create(const QString& dataDir, const QString& code, const LotteryDefinition& definition,
            const std::optional<GameExtras>& extras) {
    const TableLock lock(QDir(dataDir).filePath(code + QStringLiteral(".DBF")));
    if (exists(dataDir, code))
        removeTable(dataDir, code);
    writeDefinition(dataDir, code, definition);
    if (extras)
        GameExtrasFile::write(dataDir, code, *extras);
    else
        GameExtrasFile::remove(dataDir, code);
    try {
        DrawingTable::CreateDrawingTable(dataDir, code, definition);
    } catch (const VantoroError& failure) {
        throw TableNotCreated(QStringLiteral("Could not create the Lotto file. (") + failure.message() +
                              QLatin1Char(')'));
    }
}

} // namespace NewLottery
