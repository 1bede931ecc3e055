#!/usr/bin/env bash
# Builds the Debian package (CPack) from the Linux build and tests it: its
# files are unpacked into a scratch root (dpkg -x) and the installed program
# processes the example survey with its profile; its files must be those of
# the build's own program, byte for byte. In CI (as root) the package is also
# installed for real with its dependencies, run as /usr/bin/mirval, and removed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
jobs=$(nproc 2>/dev/null || echo 2)

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$jobs" --target mirval mirval_desktop_module
(cd "$build" && cpack -G DEB -B "$build/package" >/dev/null)
version=$(sed -n 's/^project(mirval VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
deb=$root/dist/mirval_${version}_amd64.deb
mkdir -p "$root/dist"
cp "$build/package/mirval_${version}_amd64.deb" "$deb"
echo "$deb ($(stat -c %s "$deb") bytes)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# --- the files --------------------------------------------------------------------
dpkg-deb -x "$deb" "$work/root"
for file in usr/bin/mirval usr/lib/mirval/mirval-desktop.so usr/share/applications/mirval.desktop usr/share/icons/hicolor/scalable/apps/mirval.svg \
    usr/share/icons/hicolor/48x48/apps/mirval.png usr/share/doc/mirval/README.md \
    usr/share/doc/mirval/guia-do-usuario.md; do
    [ -s "$work/root/$file" ] || fail "$file is not in the package"
done
if [ -f "$root/LICENSE" ]; then
    cmp -s "$root/LICENSE" "$work/root/usr/share/doc/mirval/copyright" || fail "the licence is not in the package"
else
    echo "note: no LICENSE in the tree yet, so none in the package"
fi
grep -qx 'Exec=mirval --gui' "$work/root/usr/share/applications/mirval.desktop" || fail "desktop entry: Exec"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$work/root/usr/share/applications/mirval.desktop" || fail "desktop entry is not valid"
fi
dpkg-deb -f "$deb" Depends | grep -q libfltk1.3 || fail "the package does not depend on FLTK"

# --- the example, run by the installed program ---------------------------------------
# run PROGRAM FOLDER: the example survey and its profile, in batch mode.
run_example() {
    mkdir -p "$2"
    cp "$root"/examples/* "$2"/
    (cd "$2" && "$1" serra_verde.orv --profile serra_verde_perfil.prr >console.out 2>stderr.out </dev/null)
}
run_example "$build/mirval" "$work/reference"
run_example "$work/root/usr/bin/mirval" "$work/unpacked" || fail "the unpacked program: exit status $?"
diff -r "$work/reference" "$work/unpacked" >/dev/null || fail "the unpacked program's files differ from the build's"

if [ "${CI:-}" = true ] && [ "$(id -u)" = 0 ]; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
    run_example /usr/bin/mirval "$work/installed" || fail "the installed program: exit status $?"
    diff -r "$work/reference" "$work/installed" >/dev/null || fail "the installed program's files differ from the build's"
    dpkg -r mirval >/dev/null
fi

files=$(ls "$work/reference" | wc -l)
if [ $failures -gt 0 ]; then
    echo "package: $failures failed"
    exit 1
fi
echo "package: the example's $files files identical from the unpacked program"
