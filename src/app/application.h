// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The desktop program: options, program home, single instance, splash and the main window.
// Returns the process exit status.
int runVantoro(int argc, char* argv[]);
