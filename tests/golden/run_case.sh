#!/usr/bin/env bash
# Runs one golden case in a fresh folder and compares the exit status, the
# console log and every expected file byte for byte; a file written but not
# expected fails the case too. One diff compares the whole folder: details are
# looked up only for the files that differ.
# usage: run_case.sh MIRVAL_BINARY CASE_FOLDER
# MIRVAL_EMULATOR, when set, runs the program (wine for a Windows build).
set -u
binary=$1
case_dir=${2%/}
case_name=${case_dir##*/}
expected=$case_dir/expected

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$case_dir"/input/* "$work"/
read -r -a words <"$case_dir/command"
read -r -a emulator <<<"${MIRVAL_EMULATOR:-}"
(cd "$work" && "${emulator[@]}" "$binary" "${words[@]:1}" >console.txt 2>stderr.out </dev/null)
echo "$?" >"$work/status"

first_difference() {
    local expected=$1 actual=$2 line
    line=$(cmp "$expected" "$actual" 2>&1 | sed -n 's/.* line \([0-9]*\).*/\1/p')
    if [ -z "$line" ]; then
        echo "    $(cmp "$expected" "$actual" 2>&1)"
        return
    fi
    echo "    first difference at line $line:"
    echo "    expected: $(sed -n "${line}p" "$expected" | cat -A | cut -c1-300)"
    echo "    actual:   $(sed -n "${line}p" "$actual" | cat -A | cut -c1-300)"
}

failures=0
while IFS= read -r report; do
    case $report in
        "Files $expected/"*)
            file=${report#"Files $expected/"}
            file=${file%% and *}
            echo "FAIL $case_name/$file differs"
            first_difference "$expected/$file" "$work/$file"
            ;;
        "Only in $expected: "*)
            echo "FAIL $case_name/${report#"Only in $expected: "}: not written"
            ;;
        "Only in $work: "*)
            file=${report#"Only in $work: "}
            [ "$file" = stderr.out ] || [ -e "$case_dir/input/$file" ] && continue
            echo "FAIL $case_name/$file: written but not expected"
            ;;
        *)
            echo "FAIL $case_name: $report"
            ;;
    esac
    failures=$((failures + 1))
done < <(diff -rq "$expected" "$work" 2>&1)

if [ $failures -gt 0 ]; then
    echo "stderr of the run:"
    sed 's/^/    /' "$work/stderr.out" | head -20
    echo "$case_name: $failures failed"
    exit 1
fi
files=("$expected"/*)
echo "$case_name: ${#files[@]} files identical"
