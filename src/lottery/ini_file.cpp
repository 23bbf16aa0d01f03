// SPDX-License-Identifier: GPL-3.0-or-later
#include "lottery/ini_file.h"

#include "db/vantoro_error.h"

#include "db/atomic_file.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// "[name]" -> "name"; anything else -> null.
QString sectionName(const QString& line) {
    const QString trimmed = line.trimmed();
    if (trimmed.size() >= 2 && trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']')))
        return trimmed.mid(1, trimmed.size() - 2).trimmed();
    return {};
}

bool isKeyLine(const QString& line, const QString& key) {
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    return equals > 0 && line.left(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0;
}

} // namespace

IniFile::IniFile(QString path) : m_path(std::move(path)) {
    if (m_path.isEmpty())
        return;
    const QFileInfo info(m_path);
    const QString shown = QDir::toNativeSeparators(m_path);
    // A named pipe would hang the program at start, and a huge file would cost its size many times.
    // (A folder cannot hang anything: it reads as an empty file, and writing it fails.)
    if (info.exists() && !info.isFile() && !info.isDir())
        throw VantoroError(QStringLiteral("The settings file %1 is not a regular file.").arg(shown));
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray text = file.read(MaxBytes + 1);
    if (text.size() > MaxBytes)
        throw VantoroError(
            QStringLiteral("The settings file %1 is too large to be a settings file (over 1 MiB).")
                .arg(shown));
    parse(text);
}

void IniFile::parse(const QByteArray& text) {
    // Settings hold file names and paths; Latin-1 reads any byte and writes it back unchanged.
    m_lines = QString::fromLatin1(text).split(QLatin1Char('\n'));
    for (QString& line : m_lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    if (!m_lines.isEmpty() && m_lines.last().isEmpty())
        m_lines.removeLast();
}

int IniFile::findSection(const QString& section) const {
    for (int i = 0; i < m_lines.size(); ++i) {
        const QString name = sectionName(m_lines.at(i));
        if (!name.isNull() && name.compare(section, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int IniFile::findKey(const QString& section, const QString& key) const {
    const int start = findSection(section);
    if (start < 0)
        return -1;
    for (int i = start + 1; i < m_lines.size(); ++i) {
        if (!sectionName(m_lines.at(i)).isNull())
            break;
        if (isKeyLine(m_lines.at(i), key))
            return i;
    }
    return -1;
}

bool IniFile::contains(const QString& section, const QString& key) const {
    return findKey(section, key) >= 0;
}

QString IniFile::value(const QString& section, const QString& key, const QString& fallback) const {
    const int line = findKey(section, key);
    if (line < 0)
        return fallback;
    const QString& text = m_lines.at(line);
    return text.mid(text.indexOf(QLatin1Char('=')) + 1).trimmed();
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value) {
    const QString line = key + QLatin1Char('=') + value;
    const int existing = findKey(section, key);
    if (existing >= 0) {
        const QString& old = m_lines.at(existing);
        m_lines[existing] = old.left(old.indexOf(QLatin1Char('='))).trimmed() + QLatin1Char('=') + value;
        return;
    }
    int start = findSection(section);
    if (start < 0) {
        m_lines << QLatin1Char('[') + section + QLatin1Char(']');
        m_lines << line;
        return;
    }
    // After the section's last key, before any blank lines that separate it from the next one.
    int end = start + 1;
    while (end < m_lines.size() && sectionName(m_lines.at(end)).isNull())
        ++end;
    while (end > start + 1 && m_lines.at(end - 1).trimmed().isEmpty())
        --end;
    m_lines.insert(end, line);
}

void IniFile::save() const {
    QByteArray text;
    for (const QString& line : m_lines)
        text += line.toLatin1() + "\r\n";
    if (!AtomicFile::writeFile(m_path, text).isEmpty())
        throw VantoroError(QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(m_path)));
}
