#!/usr/bin/env bash
# The Windows program under wine with the paths surveyors give it: drive
# letters, backslashes, a folder named Ωmega, a file named p€14, and the
# program typed as `mirval` in cmd.
# The exemplo golden case is run each time; its files must come out byte for
# byte (the console log compared without the folder part of the echoed paths
# and without trailing blanks).
# usage: paths.sh EMULATOR MIRVAL_COM GOLDEN_FOLDER
set -u
emulator=$1
program=$2
golden=$3
case_dir=$golden/exemplo
arguments=(exemplo.orv --profile nao_perfil.prr --profile perfil.prr)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
passed=0
fail() {
    echo "FAIL $*"
    failures=$((failures + 1))
}

# The Windows form of a path of this machine (drive Z: under wine).
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# run FOLDER ARG... : runs the program in FOLDER; console.out, stderr.out, status.
run() {
    local folder=$1
    shift
    (cd "$folder" && "$emulator" "$program" "$@" >"$work/console.out" 2>"$work/stderr.out" </dev/null)
    status=$?
}

# same_files CASE OUTPUT_FOLDER PATH_PREFIX: every expected file byte for byte.
same_files() {
    local name=$1 folder=$2 prefix=$3 expected file ok=1
    if [ "$status" != "$(cat "$case_dir/expected/status")" ]; then
        fail "$name: exit status $status: $(head -c 300 "$work/stderr.out")"
        return
    fi
    for expected in "$case_dir"/expected/*; do
        file=$(basename "$expected")
        case $file in
            status) ;;
            console.txt)
                if ! sed 's/ *$//' "$expected" | cmp -s - <(sed -e "s/^$(sed_quote "$prefix")//" -e 's/ *$//' "$work/console.out"); then
                    fail "$name: console log differs"
                    sed 's/ *$//' "$expected" | diff - <(sed -e "s/^$(sed_quote "$prefix")//" -e 's/ *$//' "$work/console.out") | head -6
                    ok=0
                fi
                ;;
            *) cmp -s "$expected" "$folder/$file" || { fail "$name: $file differs or is missing"; ok=0; } ;;
        esac
    done
    [ $ok = 1 ] && passed=$((passed + 1)) && echo "ok   $name"
}

sed_quote() { printf '%s' "$1" | sed 's/[][\\.*^$/]/\\&/g'; }

fresh_copy() {
    rm -rf "$1"
    mkdir -p "$1"
    cp "$case_dir"/input/* "$1"/
}

# --- the two programs: mirval.exe opens no console window --------------------------
subsystem() { x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^Subsystem[[:space:]]*[0-9a-f]*[[:space:]]*//p'; }
exe=${program%.com}.exe
if [ "$(subsystem "$program")" = "(Windows CUI)" ] && [ "$(subsystem "$exe")" = "(Windows GUI)" ]; then
    passed=$((passed + 1))
    echo "ok   subsystems: mirval.com console, mirval.exe windows only"
else
    fail "subsystems: $(subsystem "$program") / $(subsystem "$exe")"
fi

# --- a drive letter and backslashes, from another folder --------------------------------
fresh_copy "$work/run"
mkdir -p "$work/elsewhere"
run_dir=$(windows_path "$work/run")
run "$work/elsewhere" "$run_dir\\exemplo.orv" --profile "$run_dir\\nao_perfil.prr" --profile "$run_dir\\perfil.prr"
same_files drive_letter "$work/run" "$run_dir\\"

# --- C: itself -----------------------------------------------------------------------------
drive_c=$("$emulator" winepath -u 'C:\' 2>/dev/null | tr -d '\r')
if [ -d "$drive_c" ]; then
    fresh_copy "$drive_c/mirval-caminhos"
    run "$work" 'C:\mirval-caminhos\exemplo.orv' --profile 'c:\mirval-caminhos\nao_perfil.prr' \
        --profile 'C:\MIRVAL-CAMINHOS\perfil.prr'
    # the echoed paths keep the letter case each was given in
    sed -i -e 's/^c:\\mirval-caminhos\\//' -e 's/^C:\\MIRVAL-CAMINHOS\\//' "$work/console.out"
    same_files drive_c "$drive_c/mirval-caminhos" 'C:\mirval-caminhos\'
    rm -rf "$drive_c/mirval-caminhos"
else
    fail "drive_c: wine has no drive C: ($drive_c)"
fi

# --- a relative path with backslashes into a folder named Ωmega -----------------------
fresh_copy "$work/Ωmega"
run "$work" 'Ωmega\exemplo.orv' --profile 'Ωmega\nao_perfil.prr' --profile 'Ωmega\perfil.prr'
same_files omega_folder "$work/Ωmega" 'Ωmega\'

# --- files named p€14: found, the outputs named after them, echoed in UTF-8 --------------
fresh_copy "$work/euro"
mv "$work/euro/exemplo.orv" "$work/euro/p€14.orv"
mv "$work/euro/perfil.prr" "$work/euro/p€14_perfil.prr"
run "$work/euro" 'p€14.orv' --profile 'p€14_perfil.prr'
missing=()
written=(p€14_perfil.dxf)
for file in "$case_dir"/expected/exemplo*; do
    file=$(basename "$file")
    written+=("p€14${file#exemplo}")
done
for file in "${written[@]}"; do
    [ -s "$work/euro/$file" ] || missing+=("$file")
done
echoed=$(grep -c -x -e 'p€14\.orv *' -e 'p€14_perfil\.prr *' -e 'p€14_perfil\.dxf *' "$work/console.out")
if [ "$status" != 0 ]; then
    fail "euro_file: exit status $status: $(head -3 "$work/stderr.out")"
elif [ ${#missing[@]} -gt 0 ]; then
    fail "euro_file: not written: ${missing[*]}"
elif [ "$echoed" != 3 ]; then
    fail "euro_file: the console log does not echo the three names in UTF-8"
else
    passed=$((passed + 1))
    echo "ok   euro_file"
fi

# --- typed as `mirval` in cmd: the console program, its log and its exit status -----------
fresh_copy "$work/cmd"
mkdir -p "$work/bin"
cp "$program" "$exe" "$work/bin/"
(cd "$work/cmd" && WINEPATH=$(windows_path "$work/bin") "$emulator" cmd /c mirval "${arguments[@]}" \
    >"$work/console.out" 2>"$work/stderr.out" </dev/null)
status=$?
same_files cmd_typed "$work/cmd" ""

if [ $failures -gt 0 ]; then
    echo "paths: $passed passed, $failures failed"
    exit 1
fi
echo "paths: $passed passed, 0 failed"
