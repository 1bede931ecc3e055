#!/usr/bin/env bash
# Whole-run benchmark: medians of several runs (hyperfine) of the program in
# batch mode on generated surveys, against writing the same number of bytes to
# the same folder with cat; peak memory of one run; and, when the shared survey
# collection is beside the project, the real survey ireby.orv against cavern
# reading the LRUD file the run wrote.
#   bench/whole_run.sh [BUILD_FOLDER]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
mirval=$build/mirval
make_survey=$build/bench/make_survey
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

runs() {  # NAME SURVEY_FILE: time a whole run against cat of the same bytes
    local name=$1 survey=$2 folder=$work/$1
    mkdir -p "$folder"
    cp "$survey" "$folder/"
    local input
    input=$(basename "$survey")
    (cd "$folder" && "$mirval" "$input" >/dev/null 2>&1)
    local bytes
    bytes=$(cd "$folder" && find . -type f ! -name "$input" -printf '%s\n' | awk '{s += $1} END {print s}')
    head -c "$bytes" /dev/zero >"$work/$name.blob"
    echo "== $name: $(grep -c '' "$survey") lines in, $bytes bytes in $(($(ls "$folder" | wc -l) - 1)) files out"
    hyperfine --style basic --warmup 2 --runs 10 --export-json "$work/$name.json" \
        -n "mirval $name" "cd '$folder' && '$mirval' '$input' >/dev/null 2>&1" \
        -n "cat $bytes bytes" "cat '$work/$name.blob' >'$folder/copy.bin'" | grep -E "Time|±|faster|slower" || true
    python3 - "$work/$name.json" <<'PY'
import json, sys
r = json.load(open(sys.argv[1]))["results"]
print(f"   median: mirval {r[0]['median']*1000:.1f} ms, cat {r[1]['median']*1000:.1f} ms, ratio {r[0]['median']/r[1]['median']:.2f}")
PY
    /usr/bin/time -f "   peak memory: %M KB" sh -c "cd '$folder' && '$mirval' '$input' >/dev/null 2>/dev/null"
}

"$make_survey" 9999 0 >"$work/longa.orv"     # the most lines a loop-free survey can hold
"$make_survey" 5499 500 >"$work/aneis.orv"   # 500 loops: 4999 named stations + 500 closing lines
runs longa "$work/longa.orv"
runs aneis "$work/aneis.orv"

ireby=$root/../shared/surveys/ireby.orv
if [ -f "$ireby" ] && command -v cavern >/dev/null; then
    folder=$work/ireby
    mkdir -p "$folder"
    cp "$ireby" "$folder/"
    (cd "$folder" && "$mirval" ireby.orv >/dev/null 2>&1)
    echo "== ireby.orv ($(grep -c '' "$ireby") lines): whole run against cavern on ireby_lrud.dat"
    hyperfine --style basic --warmup 2 --runs 10 --export-json "$work/ireby.json" \
        -n "mirval ireby" "cd '$folder' && '$mirval' ireby.orv >/dev/null 2>&1" \
        -n "cavern ireby_lrud.dat" "cd '$folder' && cavern -q ireby_lrud.dat >/dev/null 2>&1" \
        | grep -E "Time|±|faster|slower" || true
    python3 - "$work/ireby.json" <<'PY'
import json, sys
r = json.load(open(sys.argv[1]))["results"]
print(f"   median: mirval {r[0]['median']*1000:.1f} ms, cavern {r[1]['median']*1000:.1f} ms, ratio {r[0]['median']/r[1]['median']:.2f}")
PY
else
    echo "== ireby.orv skipped (no ../shared/surveys or no cavern)"
fi
