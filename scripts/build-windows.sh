#!/usr/bin/env bash
# Builds MIRVAL for 64-bit Windows on a Debian 12 machine and packs
# dist/mirval-VERSION-win64.zip: the programs (mirval.exe for a double-click,
# mirval.com for cmd), README, licences, the user guide as a page
# (guia-do-usuario.html, made by the build) and the example survey with its
# profile. Installs what it needs with apt-get first.
#
# FLTK is built once from third_party/fltk (and GoogleTest from Debian's
# sources, for the tests) into build-windows/deps; later runs reuse them.
# usage: scripts/build-windows.sh [--no-tests]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MIRVAL_WINDOWS_BUILD:-$root/build-windows}
jobs=$(nproc 2>/dev/null || echo 2)
with_tests=ON
[ "${1:-}" = --no-tests ] && with_tests=OFF

"$root/scripts/install-deps.sh" "$root/scripts/deps-windows.txt"

toolchain=$root/cmake/mingw-w64-x86_64.cmake
deps=$build/deps
prefix=$deps/prefix
fltk_archive=$root/third_party/fltk/fltk-1.3.8-source.tar.gz
fltk_sha256=e30db0c7670ca4852d33cb5ee6690f7e975aaab4c1b6a03e2222eec7155efb13

step() { echo "== $*"; }

build_fltk() {
    local stamp=$prefix/.fltk-$fltk_sha256
    [ -f "$stamp" ] && return
    step "FLTK 1.3.8 for Windows (once)"
    echo "$fltk_sha256  $fltk_archive" | sha256sum --check --quiet
    rm -rf "$deps/fltk-1.3.8" "$deps/fltk-build"
    tar -xzf "$fltk_archive" -C "$deps"
    cmake -S "$deps/fltk-1.3.8" -B "$deps/fltk-build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DOPTION_USE_SYSTEM_LIBJPEG=OFF -DOPTION_USE_SYSTEM_LIBPNG=OFF -DOPTION_USE_SYSTEM_ZLIB=OFF \
        -DOPTION_USE_GL=OFF -DOPTION_BUILD_HTML_DOCUMENTATION=OFF -DOPTION_BUILD_PDF_DOCUMENTATION=OFF \
        -DFLTK_BUILD_TEST=OFF -DFLTK_BUILD_EXAMPLES=OFF >"$deps/fltk-configure.log"
    cmake --build "$deps/fltk-build" -j "$jobs" >"$deps/fltk-build.log"
    cmake --install "$deps/fltk-build" >/dev/null
    touch "$stamp"
}

build_googletest() {
    local stamp=$prefix/.googletest
    [ -f "$stamp" ] && return
    step "GoogleTest for Windows (once)"
    cmake -S /usr/src/googletest -B "$deps/googletest-build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_GMOCK=OFF >/dev/null
    cmake --build "$deps/googletest-build" -j "$jobs" >/dev/null
    cmake --install "$deps/googletest-build" >/dev/null
    touch "$stamp"
}

mkdir -p "$deps"
build_fltk
[ "$with_tests" = ON ] && build_googletest

step "MIRVAL for Windows"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DMIRVAL_WINDOWS_PREFIX="$prefix" -DMIRVAL_GUI=ON -DMIRVAL_BENCH=OFF -DMIRVAL_TESTS="$with_tests" >/dev/null
if [ "$with_tests" = ON ]; then
    # wine's prefix, made once before the test programs first run
    [ -d "$build/wine-prefix" ] || { "$build/wine-run" wineboot --init && wineserver -w; } >/dev/null 2>&1
fi
cmake --build "$build" -j "$jobs"

step "Package"
version=$(sed -n 's/^project(mirval VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
name=mirval-$version
stage=$build/package/$name
rm -rf "$build/package"
mkdir -p "$stage/exemplo" "$root/dist"
for program in mirval.exe mirval.com; do
    x86_64-w64-mingw32-strip -o "$stage/$program" "$build/$program"
done
cp "$root/README.md" "$stage/README.md"
cp "$build/guia-do-usuario.html" "$stage/guia-do-usuario.html"
# the program's licence, GPL-2.0-or-later, in the tree's LICENSE
if [ -f "$root/LICENSE" ]; then
    cp "$root/LICENSE" "$stage/LICENSE.txt"
else
    echo "warning: $root/LICENSE is missing: the zip goes without the program's licence" >&2
fi
cp "$root/third_party/fltk/COPYING" "$stage/FLTK-COPYING.txt"
cp "$root"/examples/* "$stage/exemplo/"
zip_file=$root/dist/$name-win64.zip
rm -f "$zip_file"
(cd "$build/package" && zip -q -r -X "$zip_file" "$name")
echo "$zip_file ($(stat -c %s "$zip_file") bytes)"
