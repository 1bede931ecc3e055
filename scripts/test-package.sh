#!/usr/bin/env bash
# Builds the Debian package (CPack) the way Debian builds its packages, with
# dpkg-buildflags' hardening, in build-package/, and tests it:
# - lintian, Debian's package checker: no error and no warning;
# - its files, unpacked into a scratch root (dpkg -x): the copyright file, the
#   changelog of this version, the desktop entry, the manual page (the options
#   of --help, rendered by groff and man without warnings), the guide's page
#   (read by xmllint, nothing fetched from the network);
# - the unpacked program: every golden case byte for byte, the example survey
#   with its profile as the build's program writes it, and its desktop windows
#   found where the package puts them.
# In CI (as root) the package is also installed for real with its
# dependencies, run as /usr/bin/mirval, found by man, and removed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-package
jobs=$(nproc 2>/dev/null || echo 2)

"$root/scripts/install-deps.sh"
# Debian's build flags with every hardening feature; the program's outputs
# must stay byte-identical (the golden cases below).
flags() { (cd "$root" && DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"); }
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMIRVAL_TESTS=OFF -DMIRVAL_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" \
    -DCMAKE_MODULE_LINKER_FLAGS="$(flags LDFLAGS)" >/dev/null
cmake --build "$build" -j "$jobs"
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

# --- Debian's package checker: informational tags may stay ------------------------
lintian_status=0
lintian --display-info --fail-on error,warning "$deb" >"$work/lintian.out" 2>&1 || lintian_status=$?
grep -v 'running with root privileges' "$work/lintian.out" || true
[ $lintian_status = 0 ] || fail "lintian: status $lintian_status (errors or warnings above)"

# --- the files --------------------------------------------------------------------
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
doc=usr/share/doc/mirval
dpkg-deb -x "$deb" "$work/root"
for file in usr/bin/mirval "usr/lib/$multiarch/mirval/mirval-desktop.so" usr/share/applications/mirval.desktop \
    usr/share/icons/hicolor/scalable/apps/mirval.svg usr/share/icons/hicolor/48x48/apps/mirval.png \
    usr/share/man/man1/mirval.1.gz $doc/README.md $doc/guia-do-usuario.md $doc/guia-do-usuario.html \
    $doc/changelog.gz $doc/copyright; do
    [ -s "$work/root/$file" ] || fail "$file is not in the package"
done
cmp -s "$root/packaging/copyright" "$work/root/$doc/copyright" || fail "the copyright file is not packaging/copyright"
[ "$(dpkg-parsechangelog -l "$work/root/$doc/changelog.gz" -S Version 2>/dev/null)" = "$version" ] ||
    fail "the changelog's latest entry is not version $version"
grep -qx 'Exec=mirval --gui' "$work/root/usr/share/applications/mirval.desktop" || fail "desktop entry: Exec"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$work/root/usr/share/applications/mirval.desktop" || fail "desktop entry is not valid"
fi
dpkg-deb -f "$deb" Depends | grep -q libfltk1.3 || fail "the package does not depend on FLTK"
bash "$root/tests/docs/manual_page.sh" "$work/root/usr/bin/mirval" "$work/root/usr/share/man/man1/mirval.1.gz" ||
    fail "the manual page"
bash "$root/tests/docs/guide_page.sh" "$work/root/$doc/guia-do-usuario.html" || fail "the guide's page"

# --- the unpacked program ------------------------------------------------------------
for case_dir in "$root"/tests/golden/*/; do
    bash "$root/tests/golden/run_case.sh" "$work/root/usr/bin/mirval" "$case_dir" >"$work/golden.out" ||
        { cat "$work/golden.out"; fail "golden case $(basename "$case_dir")"; }
done

# run PROGRAM FOLDER: the example survey and its profile, in batch mode.
run_example() {
    mkdir -p "$2"
    cp "$root"/examples/* "$2"/
    (cd "$2" && "$1" serra_verde.orv --profile serra_verde_perfil.prr >console.out 2>stderr.out </dev/null)
}
run_example "$build/mirval" "$work/reference"
run_example "$work/root/usr/bin/mirval" "$work/unpacked" || fail "the unpacked program: exit status $?"
diff -r "$work/reference" "$work/unpacked" >/dev/null || fail "the unpacked program's files differ from the build's"

# The windows, asked for without a display: the program loads its module from
# the package's folder, then falls back to the terminal.
module=$work/root/usr/lib/$multiarch/mirval/mirval-desktop.so
(cd "$work" && DISPLAY='' LD_DEBUG=files "$work/root/usr/bin/mirval" --gui </dev/null >/dev/null 2>"$work/loading.out") || true
loaded=$(sed -n 's/.*calling init: \(.*mirval-desktop\.so\)$/\1/p' "$work/loading.out")
[ -n "$loaded" ] && [ "$(realpath "$loaded")" = "$(realpath "$module")" ] || fail "the unpacked program does not load $module"

if [ "${CI:-}" = true ] && [ "$(id -u)" = 0 ]; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
    run_example /usr/bin/mirval "$work/installed" || fail "the installed program: exit status $?"
    diff -r "$work/reference" "$work/installed" >/dev/null || fail "the installed program's files differ from the build's"
    # a machine whose dpkg leaves out manual pages (path-exclude) has none to find
    if [ -f /usr/share/man/man1/mirval.1.gz ]; then
        [ "$(man -w mirval)" = /usr/share/man/man1/mirval.1.gz ] || fail "man does not find mirval(1)"
    fi
    dpkg -r mirval >/dev/null
fi

files=$(ls "$work/reference" | wc -l)
if [ $failures -gt 0 ]; then
    echo "package: $failures failed"
    exit 1
fi
echo "package: lintian clean; every golden case and the example's $files files identical from the unpacked program"
