// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include <csignal>

int main(int argc, char* argv[]) {
    // A file-size limit must fail the write (EFBIG) and be reported, not end the program unseen.
    std::signal(SIGXFSZ, SIG_IGN);
    return runVantoro(argc, argv);
}
