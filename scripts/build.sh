#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds Vantoro in build/ (or the folder in $VANTORO_BUILD_DIR).
# Extra arguments go to cmake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${VANTORO_BUILD_DIR:-build}
werror=OFF
if [ "${CI:-}" = "true" ]; then
    werror=ON
fi
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTORO_WERROR="$werror" "$@"
cmake --build "$build_dir" --parallel "$(nproc)"
