// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/table_lock.h"

#include "db/vantoro_error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <cerrno>
#include <cstring>
#include <unistd.h>

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

// QLockFile says only that it could not make its file; the system's reason comes from making one
// like it (a read-only folder, a full disk, a file-size limit). Empty when the attempt succeeds.
QString creationCause(const QString& lockPath) {
    QByteArray name = QFile::encodeName(lockPath + QStringLiteral("-XXXXXX"));
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    const QByteArray contents = QByteArray::number(QCoreApplication::applicationPid()) + "\nvantoro\n";
    int error = 0;
    // A short write is followed by one that says why (a file-size limit stops mid-way).
    for (qsizetype done = 0; done < contents.size() && error == 0;) {
        const ssize_t written = ::write(fd, contents.constData() + done, size_t(contents.size() - done));
        if (written > 0)
            done += written;
        else if (written == 0 || errno != EINTR)
            error = written == 0 ? ENOSPC : errno;
    }
    ::close(fd);
    ::unlink(name.constData());
    return error != 0 ? QString::fromLocal8Bit(std::strerror(error)) : QString();
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
    const QString cause = creationCause(lockPath(tablePath));
    throw VantoroError(QStringLiteral("Cannot create the lock file %1: %2.")
                           .arg(QDir::toNativeSeparators(lockPath(tablePath)),
                                cause.isEmpty() ? QStringLiteral("the system gave no reason") : cause));
}

TableLock::~TableLock() = default;
