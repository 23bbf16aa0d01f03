// SPDX-License-Identifier: GPL-3.0-or-later
#include "lottery/lottery_files.h"

namespace LotteryFiles {

QString baseName(const QString& fileName) {
    return fileName.left(qMax<qsizetype>(0, fileName.size() - 4));
}

} // namespace LotteryFiles
