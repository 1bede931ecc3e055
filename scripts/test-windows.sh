#!/usr/bin/env bash
# Builds MIRVAL for Windows (scripts/build-windows.sh) and runs its tests under
# wine: the unit tests, every golden case byte for byte, the Windows path cases
# (drive letters, backslashes, Ωmega, p€14, cmd, a case-insensitive collision)
# and the desktop windows on a virtual X server (screenshots in
# build-windows/screenshots); then checks what the zip holds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MIRVAL_WINDOWS_BUILD:-$root/build-windows}
start=$(date +%s)

"$root/scripts/build-windows.sh"
ctest --test-dir "$build" -j "$(nproc 2>/dev/null || echo 2)" --output-on-failure

# The zip: both programs, and beside them the user guide's page.
version=$(sed -n 's/^project(mirval VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
zip_file=$root/dist/mirval-$version-win64.zip
listing=$(unzip -Z1 "$zip_file")
for file in mirval.exe mirval.com guia-do-usuario.html LICENSE.txt FLTK-COPYING.txt exemplo/serra_verde.orv; do
    grep -qx "mirval-$version/$file" <<<"$listing" || { echo "FAIL: $file is not in $zip_file"; exit 1; }
done
unzip -p "$zip_file" "mirval-$version/guia-do-usuario.html" >"$build/zip-guide.html"
bash "$root/tests/docs/guide_page.sh" "$build/zip-guide.html"
echo "Windows build and tests: $(($(date +%s) - start)) s"
