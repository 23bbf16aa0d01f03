#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up, builds, and runs every test.
#   scripts/test.sh             all tests (windows run on Qt's offscreen platform)
#   scripts/test.sh --sanitize  the core tests under AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

if [ "${1:-}" = "--sanitize" ]; then
    export VANTORO_BUILD_DIR=build-sanitize
    scripts/build.sh -DVANTORO_SANITIZE=address,undefined -DVANTORO_BUILD_GUI=OFF -DVANTORO_BUILD_BENCH=OFF
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
    export VANTORO_BUILD_DIR=build
    scripts/build.sh
fi
cd "$VANTORO_BUILD_DIR"
ctest --output-on-failure --parallel "$(nproc)"
