// SPDX-License-Identifier: GPL-3.0-or-later
#include "lottery/new_lottery.h"

#include "db/vantoro_error.h"
#include "lottery/lottery_files.h"

#include <QFile>

namespace NewLottery {

void removeTable(const QString& dataDir, const QString& code) {
    for (const QString& extension : {QStringLiteral(".DBF"), QStringLiteral(".NSX")}) {
        const QString existing = LotteryFiles::find(dataDir, code + extension);
        if (!existing.isEmpty() && !QFile::remove(existing))
            throw VantoroError(QStringLiteral("The file %1 could not be deleted.").arg(code + extension));
    }
}

void writeDefinition(const QString& dataDir, const QString& code, const LotteryDefinition& definition) {
    const QString fileName = code + QStringLiteral(".INF");
    const QString existing = LotteryFiles::find(dataDir, fileName);
    WriteDefinition(existing.isEmpty() ? dataDir + fileName : existing, definition);
}

} // namespace NewLottery
