#!/usr/bin/env bash
# The program as a surveyor starts it: no arguments, real windows on a virtual
# X server, every window driven with the keyboard (mnemonics, Enter, the file
# name typed into the system's file dialog). Checks the exit status and the
# files of the exemplo case, and saves a screenshot of each window.
# usage: desktop_windows.sh MIRVAL_BINARY WITH_FLTK(ON|OFF) GOLDEN_FOLDER SCREENSHOT_FOLDER
# Exit 77 (skipped) without FLTK, Xvfb, xdotool or ImageMagick's import.
set -u
binary=$1
with_fltk=$2
golden=$3
shots=$4
case_dir=$golden/exemplo

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../support/virtual_display.sh
. "$here/../support/virtual_display.sh"
shot_prefix=""
[ "$with_fltk" = ON ] || skip "mirval was built without FLTK"
require_display_tools

# a build with AddressSanitizer: the system libraries' own caches are no leak of ours
export LSAN_OPTIONS="suppressions=$here/desktop_windows.lsan${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

work=$(mktemp -d)
work=$(cd "$work" && pwd -P)
cleanup() {
    [ -n "$mirval_pid" ] && kill "$mirval_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    if [ -f "$work/stderr.out" ]; then
        echo "stderr of the run:"
        sed 's/^/    /' "$work/stderr.out" | head -20
    fi
    shot_of_screen failure
    exit 1
}

start_virtual_display
# the file dialog keeps its recent-files list under HOME
export HOME=$work/home
mkdir -p "$HOME/.local/share" "$shots"
rm -f "$shots"/*.png

# The file dialog: the file's full path typed (a "/" opens the name field of
# the GTK dialog, which shows the file list first), then Enter.
choose_file() {
    local chooser
    chooser=$(wait_window '^select_file File$') || fail "no file dialog"
    [ -n "${1:-}" ] && shot "$chooser" "$1"
    type_text "$chooser" "$2"
    sleep 0.3
    keys "$chooser" Return
    wait_closed "$chooser" || fail "the file dialog did not close"
}

start_program() {
    (cd "$work/run" && exec "$binary" >"$work/console.out" 2>"$work/stderr.out" </dev/null) &
    mirval_pid=$!
}

mkdir -p "$work/run"
cp "$case_dir"/input/* "$work/run/"

# --- "Exit" in the start window ends the run quietly ----------------------------
start_program
start=$(wait_window '^Programa MIRVAL$') || fail "no start window"
keys "$start" e
wait_program_end "Exit did not end the program"
[ "$status" -eq 0 ] || fail "Exit: exit status $status"
[ -s "$work/console.out" ] && fail "Exit: the console log is not empty"
[ "$(ls "$work/run" | wc -l)" -eq "$(ls "$case_dir/input" | wc -l)" ] || fail "Exit: files were created: $(ls "$work/run")"

# --- the run ------------------------------------------------------------------
start_program

start=$(wait_window '^Programa MIRVAL$') || fail "no start window"
shot "$start" start
keys "$start" s
choose_file chooser "$work/run/exemplo.orv"

result=$(wait_window '^Result$') || fail "no result window"
shot "$result" result
keys "$result" Return

console=$(wait_window '^Console do MIRVAL$') || fail "no console window"
# the profile prompt, as in the batch command of the case: a file that is no
# profile, the profile, then "Exit"
seen=("$start")
for profile in nao_perfil.prr perfil.prr; do
    prompt=$(wait_window '^Programa MIRVAL$' "${seen[@]}") || fail "no profile prompt before $profile"
    seen+=("$prompt")
    [ "$profile" = perfil.prr ] && shot "$prompt" profile_prompt
    keys "$prompt" s
    choose_file "" "$work/run/$profile"
done
prompt=$(wait_window '^Programa MIRVAL$' "${seen[@]}") || fail "no last profile prompt"
keys "$prompt" e
wait_closed "$prompt" || fail "Exit did not close the profile prompt"

shot "$console" console
keys "$console" p
plan=$(wait_window '^Planta da gruta') || fail "no plan view"
shot "$plan" plan
keys "$plan" plus plus Right
shot "$plan" plan_zoomed
keys "$plan" Escape
wait_closed "$plan" || fail "Escape did not close the plan view"

keys "$console" e
closures=$(wait_window '^Fechamentos dos') || fail "no loop-closure window"
shot "$closures" closures
keys "$closures" s
saved=$(wait_window '^Fechamentos$') || fail "no confirmation of the saved report"
keys "$saved" Return
wait_closed "$saved" || fail "the confirmation did not close"
[ -s "$work/run/exemplo.fch" ] || fail "the loop-closure report was not saved"
keys "$closures" f
wait_closed "$closures" || fail "the loop-closure window did not close"

kill -0 "$mirval_pid" 2>/dev/null || fail "the program ended before its console window was closed"
keys "$console" f
wait_program_end "closing the console window did not end the program"
[ "$status" -eq 0 ] || fail "exit status $status"

# --- the files ------------------------------------------------------------------
checked=0
for expected in "$case_dir"/expected/*; do
    file=$(basename "$expected")
    case $file in status) continue ;; esac
    if [ "$file" = console.txt ]; then
        # the log names the files by the full paths the dialog returned
        actual=$work/console.relative
        sed "s|$work/run/||" "$work/console.out" | sed 's/ *$//' >"$actual"
        if ! sed 's/ *$//' "$expected" | cmp -s - "$actual"; then
            sed 's/ *$//' "$expected" | diff - "$actual" | head -10
            fail "console log differs from $file"
        fi
    else
        [ -f "$work/run/$file" ] || fail "$file not written"
        cmp -s "$expected" "$work/run/$file" || fail "$file differs"
    fi
    checked=$((checked + 1))
done
echo "desktop windows: $checked files identical, exit status 0"
