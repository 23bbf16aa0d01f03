// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

AtomicFile::AtomicFile(QString path) : m_path(std::move(path)) {}

AtomicFile::~AtomicFile() {
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_committed && !m_temporary.isEmpty())
        QFile::remove(m_temporary);
}

bool AtomicFile::fail(int error) {
    if (m_error.isEmpty())
        m_error = QString::fromLocal8Bit(std::strerror(error));
    return false;
}

bool AtomicFile::open() {
    if (!m_error.isEmpty())
        return false;
    const QFileInfo info(m_path);
    // A named pipe or a folder where the file should be would hang or fail late; refuse it now.
    if (info.exists() && !info.isFile()) {
        m_error = QStringLiteral("it is not a regular file");
        return false;
    }
    QByteArray pattern = QFile::encodeName(
        info.dir().filePath(QStringLiteral(".") + info.fileName() + QStringLiteral("-XXXXXX")));
    m_fd = ::mkstemp(pattern.data());
    if (m_fd < 0)
        return fail(errno);
    m_temporary = QFile::decodeName(pattern);
    // Keep the old file's permissions; a new file gets the usual ones.
    const QFile::Permissions permissions =
        info.exists() ? QFile::permissions(m_path)
                      : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    QFile::setPermissions(m_temporary, permissions);
    return true;
}

bool AtomicFile::write(QByteArrayView bytes) {
    if (m_fd < 0 && !open())
        return false;
    const char* data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(m_fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        data += written;
        left -= written;
    }
    return true;
}

bool AtomicFile::commit() {
    if (m_fd < 0 && !open())
        return false;
    if (!m_error.isEmpty())
        return false;
    if (::fsync(m_fd) != 0)
        return fail(errno);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0)
        return fail(errno);
    if (::rename(QFile::encodeName(m_temporary).constData(), QFile::encodeName(m_path).constData()) != 0)
        return fail(errno);
    m_committed = true;
    // The rename is only durable once the folder is; a folder that cannot be synced is no failure
    // of the file, which is in place.
    const int dir = ::open(QFile::encodeName(QFileInfo(m_path).path()).constData(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

QString AtomicFile::errorText() const {
    return m_error;
}

QString AtomicFile::temporaryPath() const {
    return m_temporary;
}

QString AtomicFile::writeFile(const QString& path, QByteArrayView bytes) {
    AtomicFile file(path);
    if (file.open() && file.write(bytes) && file.commit())
        return {};
    return file.errorText();
}
