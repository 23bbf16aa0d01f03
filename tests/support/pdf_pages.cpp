// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/pdf_pages.h"

#include <QFile>
#include <QRegularExpression>

int pdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QRegularExpression count(QStringLiteral("/Type /Pages\\s*/Kids\\s*\\[[^\\]]*\\]\\s*/Count (\\d+)"));
    const QRegularExpressionMatch match = count.match(QString::fromLatin1(file.readAll()));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}
