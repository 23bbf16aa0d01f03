// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Text in our files is in the Windows ANSI code page 1252: Latin-1 except for 0x80..0x9F,
// which hold the euro sign, typographic quotes and dashes.
namespace Windows1252 {
QString decode(const char* bytes, qsizetype size);
inline QString decode(const QByteArray& bytes) {
    return decode(bytes.constData(), bytes.size());
}
// False (with the first character the code page lacks in `bad`) when the text cannot be stored.
bool encode(const QString& text, QByteArray* out, QChar* bad = nullptr);
// For fixed records that must be written anyway: characters the code page lacks become '?'.
QByteArray encodeLossy(const QString& text);
} // namespace Windows1252
