// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/windows1252.h"

namespace {

// 0x80..0x9F; 0 marks the five bytes the code page leaves undefined (kept as the C1 control).
constexpr char16_t upperControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

} // namespace

namespace Windows1252 {

QString decode(const char* bytes, qsizetype size) {
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte >= 0x80 && byte <= 0x9F && upperControls[byte - 0x80] != 0)
            out[i] = QChar(upperControls[byte - 0x80]);
        else
            out[i] = QChar(byte);
    }
    return text;
}

QByteArray encode(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        char byte = '?';
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            byte = static_cast<char>(c);
        } else {
            for (int k = 0; k < 32; ++k) {
                if (upperControls[k] == c && c != 0) {
                    byte = static_cast<char>(0x80 + k);
                    break;
                }
            }
            if (c >= 0x80 && c <= 0x9F && upperControls[c - 0x80] == 0)
                byte = static_cast<char>(c);
        }
        bytes[i] = byte;
    }
    return bytes;
}

} // namespace Windows1252
