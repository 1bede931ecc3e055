#!/usr/bin/env bash
# Builds MIRVAL for Windows (scripts/build-windows.sh) and runs its tests under
# wine: the unit tests, every golden case byte for byte, the Windows path cases
# (drive letters, backslashes, Ωmega, p€14, cmd, a case-insensitive collision)
# and the desktop windows on a virtual X server (screenshots in
# build-windows/screenshots).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MIRVAL_WINDOWS_BUILD:-$root/build-windows}
start=$(date +%s)

"$root/scripts/build-windows.sh"
ctest --test-dir "$build" -j "$(nproc 2>/dev/null || echo 2)" --output-on-failure
echo "Windows build and tests: $(($(date +%s) - start)) s"
