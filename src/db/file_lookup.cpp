// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/file_lookup.h"

#include <QDir>
#include <QFileInfo>

namespace FileLookup {

QString find(const QString& dir, const QString& fileName) {
    const QDir folder(dir);
    if (QFileInfo::exists(folder.filePath(fileName)))
        return folder.filePath(fileName);
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

} // namespace FileLookup
