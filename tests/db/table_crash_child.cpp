// SPDX-License-Identifier: GPL-3.0-or-later
// The child of the durability test: appends, posts, deletes and packs in a loop until it is
// killed, and reports on stdout every post that returned ("posted N"). Records of kind "K" are
// kept for good; those of kind "X" are deleted and packed away again.
#include "db/dbf_table.h"
#include "db/vantoro_error.h"

#include <QString>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

void report(long long serial) {
    char line[32];
    const int n = std::snprintf(line, sizeof line, "posted %lld\n", serial);
    // One write per line, unbuffered, so a line on the pipe means the post had returned.
    if (::write(STDOUT_FILENO, line, size_t(n)) != n)
        std::_Exit(3);
}

} // namespace

int main(int argc, char* argv[]) {
    std::signal(SIGXFSZ, SIG_IGN);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s TABLE\n", argv[0]);
        return 2;
    }
    try {
        DbfTable table;
        table.open(QString::fromLocal8Bit(argv[1]));
        table.SetOrder(1);
        long long serial = 0;
        for (table.GoTop(); table.RecordCount() > 0 && !table.eof(); table.Skip())
            serial = std::max(serial, static_cast<long long>(table.fieldNumber("SERIAL")));
        for (long long i = 1;; ++i) {
            ++serial;
            table.append();
            table.setFieldInteger("SERIAL", serial);
            table.SetField("KIND", "K");
            table.setFieldDate("DRAWDATE", QStringLiteral("01/%1/2000").arg(serial % 28 + 1));
            table.post();
            report(serial);
            if (i % 3 == 0) {
                table.append();
                table.setFieldInteger("SERIAL", 0);
                table.SetField("KIND", "X");
                table.post();
            }
            if (i % 25 == 0) {
                table.SetOrder(0);
                table.GoTop();
                while (!table.eof() && table.RecordCount() > 0) {
                    // Deleting moves the cursor to the next record (or back to the checked last one).
                    if (table.FieldText("KIND") == QLatin1String("X"))
                        table.DeleteRecord();
                    else
                        table.Skip();
                }
                table.Pack();
                table.SetOrder(1);
            }
        }
    } catch (const VantoroError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
