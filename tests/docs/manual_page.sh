#!/usr/bin/env bash
# The manual page against the program: it names exactly the options that
# `mirval --help` lists, and groff and man render it without a warning.
# usage: manual_page.sh MIRVAL MANUAL_PAGE   (the page plain or gzip'd)
set -u
program=$1
page=$2

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

source_text() { if [[ $page == *.gz ]]; then gzip -dc "$page"; else cat "$page"; fi; }
options() { grep -o -- '--[a-z][a-z-]*' | sort -u; }

help_options=$("$program" --help | options)
page_options=$(source_text | sed 's/\\-/-/g' | options)
[ -n "$help_options" ] || fail "mirval --help lists no option"
if [ "$help_options" != "$page_options" ]; then
    fail "the options of --help and of the manual page differ (< --help, > manual page):"
    diff <(echo "$help_options") <(echo "$page_options") | grep '^[<>]'
fi

export LC_ALL=C.UTF-8 MANWIDTH=80
if command -v groff >/dev/null; then
    warnings=$(source_text | groff -ww -man -Tutf8 -z 2>&1)
    [ -z "$warnings" ] || fail "groff -ww: $warnings"
else
    echo "note: groff is not installed; the page was not rendered"
fi
if command -v man >/dev/null; then
    warnings=$(man --warnings=w -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man -l: $warnings"
    man -l "$page" 2>/dev/null | grep -q 'STATUS DE SAÍDA' || fail "man -l: the page's letters are not rendered"
fi

if [ $failures -gt 0 ]; then
    echo "manual_page: $failures failed"
    exit 1
fi
echo "manual_page: $(wc -l <<<"$help_options") options in --help and the page; rendered without warnings"
