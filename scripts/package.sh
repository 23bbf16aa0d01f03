#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package build/vantoro_VERSION_amd64.deb and checks it: the desktop entry and the
# AppStream data validated, lintian without errors, and the unpacked vantoro-cli run against a fresh
# home, so the samples it opens come from the package and not from this source tree.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh lintian desktop-file-utils appstream
export VANTORO_BUILD_DIR=build
scripts/build.sh
cd build
rm -f vantoro_*_amd64.deb
cpack -G DEB
deb=$(ls vantoro_*_amd64.deb)

desktop-file-validate ../packaging/org.vantoro.Vantoro.desktop
appstreamcli validate --no-net packaging/org.vantoro.Vantoro.metainfo.xml
lintian --fail-on error "$deb"
# The tool bar's icons are SVG: the plugin that reads them must come with the package.
dpkg-deb -f "$deb" Depends | grep -q 'libqt6svg6'

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
cli="$root/usr/bin/vantoro-cli"
"$cli" --version
"$root/usr/bin/vantoro" --version
# A home the package's own programs fill: the sample lotteries and wheels are in the binary.
(cd "$root" && "$cli" info --lottery CN649.DBF --home "$root/home" | head -3)
# sed reads the whole list: head would close the pipe on a long list and pipefail stop the script.
"$cli" wheel list --lottery CN649.DBF --home "$root/home" | sed -n 1,3p
# The keno and pick samples find their wheels too (grep fails the script when none is listed).
"$cli" wheel list --lottery HUKENO.DBF --home "$root/home" | grep -c "\.A10)"
"$cli" wheel list --lottery NY3.DBF --home "$root/home" | grep -c "\.F03)"
test -f "$root/usr/share/man/man1/vantoro-cli.1.gz"
echo "Package $deb built and checked."
