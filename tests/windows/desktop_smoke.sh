#!/usr/bin/env bash
# The Windows program as a surveyor starts it with a double-click: mirval.exe
# under wine on a virtual X server, no arguments, every window driven with the
# keyboard through one run of the exemplo case (the start window, the Windows
# file dialog, the result window, two profile prompts, the console window and
# the plan view), from a folder named Ωmega typed into the file dialog. The
# files must be the golden case's byte for byte; a screenshot of each window
# is saved. Then a survey given to mirval.exe ("Open with") must open the
# windows too, in a run that adjusts the network (the start window's check
# box, remembered in %APPDATA%).
# usage: desktop_smoke.sh EMULATOR MIRVAL_EXE GOLDEN_FOLDER SCREENSHOT_FOLDER
# (EMULATOR: build-windows/wine-run, which also runs the prefix's wineserver)
# Exit 77 (skipped) without Xvfb, xdotool or ImageMagick's import.
set -u
emulator=$1
program=$2
golden=$3
shots=$4
case_dir=$golden/exemplo

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../support/virtual_display.sh
. "$here/../support/virtual_display.sh"
shot_prefix=windows-
window_wait_tries=900
require_display_tools

work=$(mktemp -d)
work=$(cd "$work" && pwd -P)
# wine's desktop process keeps the display of the session it started in: the
# test runs in a session of its own, ended with the virtual X server.
"$emulator" wineserver -w
cleanup() {
    [ -n "$mirval_pid" ] && kill "$mirval_pid" 2>/dev/null
    "$emulator" wineserver -k 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    shot_of_screen failure
    exit 1
}

start_virtual_display
mkdir -p "$shots"
# the program's settings, in the prefix's %APPDATA%: none to begin with
appdata=$("$emulator" cmd /c echo %APPDATA% | tr -d '\r')
settings=$("$emulator" winepath -u "$appdata\\mirval\\mirval.conf" | tr -d '\r')
rm -f "$settings"
rm -f "$shots"/windows-*.png

# The Windows file dialog opens on C:\ with its name field selected: the
# file's full Windows path is typed over the proposed name.
run_folder='Z:'${work//\//\\}'\Ωmega'
choose_file() {
    local chooser
    chooser=$(wait_window '^select_file File$') || fail "no file dialog"
    [ -n "${1:-}" ] && shot "$chooser" "$1"
    type_text "$chooser" "$run_folder\\$2"
    sleep 0.3
    keys "$chooser" Return
    wait_closed "$chooser" || fail "the file dialog did not close"
}

# start_program FOLDER ARG...: mirval.exe started in FOLDER, as Explorer starts it.
start_program() {
    local folder=$1
    shift
    (cd "$folder" && exec "$emulator" "$program" "$@" >"$work/console.out" 2>"$work/stderr.out" </dev/null) &
    mirval_pid=$!
}

mkdir -p "$work/Ωmega"
cp "$case_dir"/input/* "$work/Ωmega/"
start_program "$work/Ωmega"

start=$(wait_window '^Programa MIRVAL$') || fail "no start window"
shot "$start" start
keys "$start" s
choose_file chooser exemplo.orv

result=$(wait_window '^Result$') || fail "no result window"
shot "$result" result
keys "$result" Return

console=$(wait_window '^Console do MIRVAL$') || fail "no console window"
# the profile prompt, as in the golden case: a file that is no profile, the
# profile, then "Exit"
seen=("$start")
for profile in nao_perfil.prr perfil.prr; do
    prompt=$(wait_window '^Programa MIRVAL$' "${seen[@]}") || fail "no profile prompt before $profile"
    seen+=("$prompt")
    keys "$prompt" s
    choose_file "" "$profile"
done
prompt=$(wait_window '^Programa MIRVAL$' "${seen[@]}") || fail "no last profile prompt"
keys "$prompt" e
wait_closed "$prompt" || fail "Exit did not close the profile prompt"

shot "$console" console
keys "$console" p
plan=$(wait_window '^Planta da gruta') || fail "no plan view"
shot "$plan" plan
keys "$plan" Escape
wait_closed "$plan" || fail "Escape did not close the plan view"
keys "$console" f

wait_program_end "closing the console window did not end the program"
[ "$status" -eq 0 ] || fail "exit status $status"

# The files of the golden case; the console log names the files by the
# paths typed into the dialog.
checked=0
for expected in "$case_dir"/expected/*; do
    file=$(basename "$expected")
    case $file in
        status) continue ;;
        console.txt)
            prefix=$(printf '%s\\' "$run_folder" | sed 's/[\\.]/\\&/g')
            if ! sed 's/ *$//' "$expected" | cmp -s - <(sed -e "s/^$prefix//" -e 's/ *$//' "$work/console.out"); then
                sed 's/ *$//' "$expected" | diff - <(sed -e "s/^$prefix//" -e 's/ *$//' "$work/console.out") | head -10
                fail "console log differs from $file"
            fi
            ;;
        *) cmp -s "$expected" "$work/Ωmega/$file" || fail "$file differs or is missing" ;;
    esac
    checked=$((checked + 1))
done

# --- a survey given to mirval.exe ("Open with", a file dropped on it) -------------------
# The windows open, the chooser answered by that survey: no silent batch run.
# The run adjusts the network.
mkdir -p "$work/aberto"
cp "$case_dir"/input/exemplo.orv "$work/aberto/"
start_program "$work/aberto" exemplo.orv
start=$(wait_window '^Programa MIRVAL$') || fail "a survey given to mirval.exe: no start window"
keys "$start" a s
result=$(wait_window '^Result$') || fail "a survey given to mirval.exe: no result window"
keys "$result" Return
console=$(wait_window '^Console do MIRVAL$') || fail "a survey given to mirval.exe: no console window"
prompt=$(wait_window '^Programa MIRVAL$' "$start") || fail "a survey given to mirval.exe: no profile prompt"
keys "$prompt" e
wait_closed "$prompt" || fail "Exit did not close the profile prompt"
keys "$console" j
report=$(wait_window '^Ajustamento da rede$') || fail "no adjustment window"
shot "$report" adjustment
keys "$report" f
wait_closed "$report" || fail "the adjustment window did not close"
keys "$console" f
wait_program_end "a survey given to mirval.exe: closing the console window did not end the program"
[ "$status" -eq 0 ] || fail "a survey given to mirval.exe: exit status $status"
grep -q 'COORDENADAS AJUSTADAS POR MINIMOS QUADRADOS' "$work/aberto/exemplo.coo" || fail "the run did not adjust"
cmp -s "$case_dir/expected/exemplo.th" "$work/aberto/exemplo.th" || fail "adjusting changed exemplo.th"
grep -q '^ajustar-rede=1' "$settings" || fail "the check box was not remembered in $settings"

echo "windows desktop: $checked files identical, exit status 0; a survey given to mirval.exe opens the windows" \
    "and adjusts the network"
