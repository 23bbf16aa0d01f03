// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The page count a PDF file written by QPdfWriter declares in its page tree; -1 when the file
// cannot be read or declares none.
int pdfPageCount(const QString& path);
