// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/table_lock.h"

#include "db/vantoro_error.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace {

// A writer killed halfway leaves its hidden working copy; only a lock holder may clear it away.
void removeLeftovers(const QString& tablePath) {
    const QFileInfo info(tablePath);
    QDir folder = info.dir();
    const QStringList patterns{QStringLiteral(".") + info.completeBaseName() +
                                   QStringLiteral("-import-*.tmp"),
                               QStringLiteral(".") + info.fileName() + QStringLiteral("-??????")};
    const QStringList found = folder.entryList(patterns, QDir::Files | QDir::Hidden);
    for (const QString& name : found)
        folder.remove(name);
}

} // namespace

QString TableLock::lockPath(const QString& tablePath) {
    const QFileInfo info(tablePath);
    return info.dir().filePath(QStringLiteral(".") + info.fileName() + QStringLiteral(".lock"));
}

TableLock::TableLock(const QString& tablePath) : m_lock(std::make_unique<QLockFile>(lockPath(tablePath))) {
    // A long import must not be taken for stale; a dead holder is found by its process id.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(WaitMs)) {
        removeLeftovers(tablePath);
        return;
    }
    qint64 pid = 0;
    QString host;
    QString application;
    m_lock->getLockInfo(&pid, &host, &application);
    const QString name = QFileInfo(tablePath).fileName();
    if (m_lock->error() == QLockFile::LockFailedError)
        throw VantoroError(
            QStringLiteral(
                "%1 is being changed by another Vantoro (process %2); try again when it has finished.")
                .arg(name)
                .arg(pid));
    throw VantoroError(QStringLiteral("%1 cannot be changed: its lock file %2 cannot be made.")
                           .arg(name, QDir::toNativeSeparators(lockPath(tablePath))));
}

TableLock::~TableLock() = default;
