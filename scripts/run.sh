#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up, builds, and starts Vantoro. On its first start the program home
# (~/.local/share/Vantoro, or --home DIR) is filled with the sample lotteries and opens one.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
VANTORO_BUILD_DIR=build scripts/build.sh -DVANTORO_BUILD_BENCH=OFF
exec build/src/vantoro "$@"
