#!/usr/bin/env bash
# Real readers of the exchange files. Runs the program on a golden case in a
# fresh folder, then:
#   cavern  CASE: cavern processes "_lrud.dat" and "_splays.dat" without errors;
#   therion CASE: therion compiles the ".th" (model exported for survex) without errors.
# With "positions" (surveys without loops), every station the tool places must
# lie within 2 cm of the coordinate listing (".coo"); the Compass files carry
# no fixed point, so their positions are moved by the initial base first.
# usage: read_with_tools.sh cavern|therion MIRVAL_BINARY CASE_FOLDER [positions]
# Exit 77 (skipped) when the tool is not installed.
set -u
tool=$1
binary=$2
case_dir=$3
check_positions=${4:-}
here=$(cd "$(dirname "$0")" && pwd)

needed=(dump3d)
[ "$tool" = cavern ] && needed+=(cavern)
[ "$tool" = therion ] && needed+=(therion)
for t in "${needed[@]}"; do
    command -v "$t" >/dev/null || { echo "SKIP: $t is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$case_dir"/input/* "$work"/
read -r -a words <"$case_dir/command"
(cd "$work" && "$binary" "${words[@]:1}" >console.out 2>stderr.out </dev/null) || {
    echo "FAIL: the program stopped with status $?"
    exit 1
}
survey=${words[1]}
base=${survey%%.*}
cd "$work" || exit 1

failures=0

# Positions of a .3d file (dump3d NODE lines) against the coordinate listing.
compare_positions() {
    local model=$1 origin=$2 extra_names_allowed=$3
    dump3d "$model" >"$model.txt" || { echo "FAIL: dump3d could not read $model"; failures=$((failures + 1)); return; }
    if ! awk -v origin="$origin" -v extra="$extra_names_allowed" -v model="$model" \
        -f "$here/compare_positions.awk" "$base.coo" "$model.txt"; then
        failures=$((failures + 1))
    fi
}

run_cavern() {
    local file=$1 output status
    output=$(cavern "$file" 2>&1)
    status=$?
    echo "--- cavern $file (status $status)"
    echo "$output"
    if [ $status -ne 0 ] || grep -q -e 'error:' -e 'Error:' <<<"$output"; then
        echo "FAIL: cavern reported errors on $file"
        failures=$((failures + 1))
        return
    fi
    [ "$check_positions" = positions ] || return 0
    # cavern fixes the file's first station at the origin; the listing's initial base gives the offset.
    local extra=no
    [[ $file == *_splays.dat ]] && extra=yes
    compare_positions "${file%.dat}.3d" relative "$extra"
}

run_therion() {
    local output status
    printf 'source %s.th\nexport model -fmt survex -o %s_therion.3d\n' "$base" "$base" >thconfig
    output=$(therion thconfig 2>&1)
    status=$?
    echo "--- therion $base.th (status $status)"
    # the font checks of its TeX set-up are not about our file
    grep -v -e '^ restricted' -e '^entering extended' -e '^(./fonttest' -e '^This is pdfTeX' \
        -e '^checking optional fonts' <<<"$output"
    echo "--- warnings in therion.log:"
    grep -e 'warning --' therion.log 2>/dev/null || echo "(none)"
    if [ $status -ne 0 ] || grep -q 'error --' <<<"$output" || [ ! -f "${base}_therion.3d" ]; then
        echo "FAIL: therion did not compile $base.th"
        failures=$((failures + 1))
        return
    fi
    [ "$check_positions" = positions ] || return 0
    compare_positions "${base}_therion.3d" absolute no
}

case $tool in
    cavern)
        run_cavern "${base}_lrud.dat"
        run_cavern "${base}_splays.dat"
        ;;
    therion) run_therion ;;
    *)
        echo "unknown tool $tool"
        exit 2
        ;;
esac
[ $failures -eq 0 ] || exit 1
