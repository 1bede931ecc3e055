#!/usr/bin/env bash
# Runs one golden case in a fresh folder and compares the exit status, the
# console log and every expected file byte for byte; a file written but not
# expected fails the case too.
# usage: run_case.sh MIRVAL_BINARY CASE_FOLDER
set -u
binary=$1
case_dir=${2%/}
case_name=${case_dir##*/}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$case_dir"/input/* "$work"/
read -r -a words <"$case_dir/command"
(cd "$work" && "$binary" "${words[@]:1}" >console.out 2>stderr.out </dev/null)
status=$?
echo "$status" >"$work/status.out"

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
passed=0
for expected in "$case_dir"/expected/*; do
    file=${expected##*/}
    case $file in
        console.txt) actual=$work/console.out ;;
        status) actual=$work/status.out ;;
        *) actual=$work/$file ;;
    esac
    if [ -f "$actual" ] && cmp -s "$expected" "$actual"; then
        passed=$((passed + 1))
        continue
    fi
    failures=$((failures + 1))
    if [ ! -f "$actual" ]; then
        echo "FAIL $case_name/$file: not written"
    else
        echo "FAIL $case_name/$file differs"
        first_difference "$expected" "$actual"
    fi
done

# The run writes no file that is not expected.
for actual in "$work"/*; do
    file=${actual##*/}
    case $file in console.out | stderr.out | status.out) continue ;; esac
    [ -e "$case_dir/input/$file" ] && continue
    [ -e "$case_dir/expected/$file" ] && continue
    failures=$((failures + 1))
    echo "FAIL $case_name/$file: written but not expected"
done

if [ $failures -gt 0 ]; then
    echo "stderr of the run:"
    sed 's/^/    /' "$work/stderr.out" | head -20
    echo "$case_name: $passed passed, $failures failed"
    exit 1
fi
echo "$case_name: $passed passed, 0 failed"
