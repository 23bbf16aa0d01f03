// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

// Replaces a file all at once or not at all. The bytes go to a hidden temporary file in the same
// folder; every write is checked, the file is flushed to disk, renamed over the old one, and the
// folder is flushed too, so after a crash or a full disk either the old file or the whole new one
// is there. On any failure the temporary file is removed and the old file is left untouched.
//
// Failures are reported as the system's cause ("No space left on device"), for the writer to put
// in its own message naming the user's file.
class AtomicFile {
public:
    explicit AtomicFile(QString path);
    ~AtomicFile(); // removes the temporary file unless commit() succeeded
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Each returns false and keeps the cause in errorText() once anything has failed.
    bool open();
    bool write(QByteArrayView bytes);
    bool commit();
    QString errorText() const;

    // For writers that fill the temporary file by other means (the import works on a copy):
    // open() makes it, and commit() takes whatever it then holds.
    QString temporaryPath() const;

    // open + write + commit; the empty string on success, else the cause.
    static QString writeFile(const QString& path, QByteArrayView bytes);

private:
    bool fail(int error);
    QString m_path;
    QString m_temporary;
    int m_fd = -1;
    bool m_committed = false;
    QString m_error;
};
