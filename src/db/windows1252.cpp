// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/windows1252.h"

#include <array>

namespace {

// 0x80..0x9F. The five bytes Windows leaves undefined map to the control characters of the
// same value, so every byte survives a read and a write.
constexpr std::array<char16_t, 32> upperControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte for a character, or -1 when the code page lacks it.
int byteFor(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (size_t k = 0; k < upperControls.size(); ++k) {
        if (upperControls[k] == c)
            return static_cast<int>(0x80 + k);
    }
    return -1;
}

} // namespace

namespace Windows1252 {

QString decode(const char* bytes, qsizetype size) {
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        out[i] = byte >= 0x80 && byte < 0xA0 ? QChar(upperControls[byte - 0x80]) : QChar(char16_t(byte));
    }
    return text;
}

bool encode(const QString& text, QByteArray* out, QChar* bad) {
    out->resize(text.size());
    char* p = out->data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = byteFor(text.at(i).unicode());
        if (byte < 0) {
            if (bad)
                *bad = text.at(i);
            return false;
        }
        p[i] = static_cast<char>(byte);
    }
    return true;
}

QByteArray encodeLossy(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = byteFor(text.at(i).unicode());
        bytes[i] = byte < 0 ? '?' : static_cast<char>(byte);
    }
    return bytes;
}

} // namespace Windows1252
