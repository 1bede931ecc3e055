#!/usr/bin/env bash
# The user guide's page as a reader gets it: HTML that xmllint reads without an
# error, UTF-8, in Portuguese, with a title, and one file that fetches nothing
# (no scripts, style sheets, fonts or images from elsewhere).
# usage: guide_page.sh GUIDE_HTML
set -u
page=$1

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

[ -s "$page" ] || { echo "FAIL: $page is missing"; exit 1; }
iconv -f UTF-8 -t UTF-8 "$page" >/dev/null 2>&1 || fail "not UTF-8"
if command -v xmllint >/dev/null; then
    # xmllint reports parser errors on stderr and still exits 0
    errors=$(xmllint --html --noout "$page" 2>&1) || fail "xmllint exit status"
    [ -z "$errors" ] || fail "xmllint --html: $errors"
else
    echo "note: xmllint is not installed; the HTML was not parsed"
fi
grep -q '<html lang="pt-BR">' "$page" || fail "no Portuguese lang attribute"
grep -qi '<meta charset="utf-8">' "$page" || fail "no UTF-8 charset"
grep -q '<title>[^<]*MIRVAL[^<]*</title>' "$page" || fail "no title"
grep -q '<style>' "$page" || fail "no styles inside"
fetched=$(grep -o -i -E '<(script|link|img|iframe|object|embed|video|audio|source)[ >]|@import|url\(|src=' "$page" | sort -u)
[ -z "$fetched" ] || fail "the page would fetch: $(echo $fetched)"

if [ $failures -gt 0 ]; then
    echo "guide_page: $failures failed"
    exit 1
fi
echo "guide_page: $(wc -c <"$page") bytes, standalone, read without errors"
