#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up, builds, and runs every test.
#   scripts/test.sh             all tests (windows run on Qt's offscreen platform)
#   scripts/test.sh --sanitize  the core tests under AddressSanitizer and UndefinedBehaviorSanitizer
#   scripts/test.sh --fuzz      the fuzz targets built with clang's libFuzzer, replaying their corpora
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = "--fuzz" ]; then
    scripts/setup.sh clang libclang-rt-14-dev
    # Only the fuzz targets: the rest of the tree is built and tested by the other two runs.
    build_dir=build-fuzz
    werror=OFF
    [ "${CI:-}" = "true" ] && werror=ON
    CC=clang CXX=clang++ cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTORO_WERROR="$werror" \
        -DVANTORO_BUILD_FUZZ=ON -DVANTORO_BUILD_GUI=OFF -DVANTORO_BUILD_BENCH=OFF "${@:2}"
    targets=$(sed -n 's/^vantoro_add_fuzz(\([a-z_]*\) .*/\1/p' fuzz/CMakeLists.txt)
    # shellcheck disable=SC2086
    cmake --build "$build_dir" --parallel "$(nproc)" --target $targets
    cd "$build_dir"
    ctest --output-on-failure --parallel "$(nproc)" -R '^fuzz_'
    exit 0
fi

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
