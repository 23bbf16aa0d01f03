#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file is off the house style (.clang-format); the format target mends them.
set -euo pipefail
cd "$(dirname "$0")/.."
clang_format=$(command -v clang-format-14 || command -v clang-format || true)
if [ -z "$clang_format" ]; then
    echo "clang-format is not installed" >&2
    exit 1
fi
git ls-files -z -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'fuzz/*.cpp' |
    xargs -0 "$clang_format" --dry-run -Werror
echo "Every source file follows .clang-format."
