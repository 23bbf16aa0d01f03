// SPDX-License-Identifier: GPL-3.0-or-later
#include "lottery/lottery_files.h"

#include <QDir>
#include <QFileInfo>

namespace LotteryFiles {

QString find(const QString& dir, const QString& fileName) {
    const QDir folder(dir);
    if (QFileInfo::exists(folder.filePath(fileName)))
        return folder.filePath(fileName);
    // Only on a case-sensitive file system does the exact name miss a file that is there.
    const QStringList entries = folder.entryList({fileName}, QDir::Files | QDir::Hidden | QDir::CaseSensitive);
    if (!entries.isEmpty())
        return folder.filePath(entries.first());
    const QStringList all = folder.entryList(QDir::Files | QDir::Hidden);
    for (const QString& entry : all) {
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0)
            return folder.filePath(entry);
    }
    return {};
}

bool exists(const QString& dir, const QString& fileName) {
    return !find(dir, fileName).isEmpty();
}

QString baseName(const QString& fileName) {
    return fileName.left(qMax<qsizetype>(0, fileName.size() - 4));
}

} // namespace LotteryFiles
