// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// One field descriptor of a dBASE III table.
struct DbfField {
    QString name;    // upper case, at most 10 characters
    char type = 'C'; // 'C' character, 'D' date (width 8), 'N' numeric
    int width = 1;
    int decimals = 0;
    int offset = 0; // byte offset within the record; the deletion flag is byte 0
};
