// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// A Windows-style ini file: [sections], key=value lines, section and key names compared without
// regard to case, values taken as they stand (no quoting or escapes, so "C:\Programs" stays so).
// Writing changes only the lines of the keys set and keeps every other line, comments included.
// (QSettings is not used: its ini format renames a [GENERAL] section and escapes backslashes.)
class IniFile {
public:
    // Reads the file; a missing or unreadable file is an empty one (an empty path reads nothing).
    // Anything but a regular file, or a file over MaxBytes, throws VantoroError naming it.
    explicit IniFile(QString path);
    static constexpr qsizetype MaxBytes = 1024 * 1024;

    bool contains(const QString& section, const QString& key) const;
    QString value(const QString& section, const QString& key, const QString& fallback = QString()) const;
    void setValue(const QString& section, const QString& key, const QString& value);
    // Writes the file through a temporary file; throws VantoroError ("Unable to write to <path>")
    // when it cannot be written, the file left as it was.
    void save() const;

    // Parses ini text (for tests and the fuzz target).
    void parse(const QByteArray& text);

private:
    int findKey(const QString& section, const QString& key) const; // line index or -1
    int findSection(const QString& section) const;                 // line index of "[section]" or -1
    QString m_path;
    QStringList m_lines;
};
