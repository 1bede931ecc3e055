#!/usr/bin/env bash
# The program as a surveyor starts it: no arguments, real windows on a virtual
# X server, every window driven with the keyboard (mnemonics, Enter, the file
# name typed into the system's file dialog). Checks the exit status and the
# files of the exemplo case, the start window's check box remembered between
# runs and a run that adjusts the network, and saves a screenshot of each window.
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
# the file dialog keeps its recent-files list under HOME, the program its settings
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
settings=$XDG_CONFIG_HOME/mirval/mirval.conf
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

# A report window (the loop closures, the adjustment), found by its caption:
# saved with its button, the confirmation (titled `title`) closed, then closed.
save_report() {
    local caption=$1 title=$2 report saved
    report=$(wait_window "$caption") || fail "no window $caption"
    shot "$report" "$3"
    keys "$report" s
    saved=$(wait_window "$title") || fail "no confirmation of the saved report"
    keys "$saved" Return
    wait_closed "$saved" || fail "the confirmation did not close"
    keys "$report" f
    wait_closed "$report" || fail "the window $caption did not close"
}

start_program() {
    (cd "$work/run" && exec "$binary" >"$work/console.out" 2>"$work/stderr.out" </dev/null) &
    mirval_pid=$!
}

mkdir -p "$work/run"
cp "$case_dir"/input/* "$work/run/"

# --- "Exit" in the start window ends the run quietly, the check box remembered ----
start_program
start=$(wait_window '^Programa MIRVAL$') || fail "no start window"
keys "$start" a e
wait_program_end "Exit did not end the program"
[ "$status" -eq 0 ] || fail "Exit: exit status $status"
[ -s "$work/console.out" ] && fail "Exit: the console log is not empty"
[ "$(ls "$work/run" | wc -l)" -eq "$(ls "$case_dir/input" | wc -l)" ] || fail "Exit: files were created: $(ls "$work/run")"
grep -qx 'ajustar-rede=1' "$settings" || fail "the ticked check box was not remembered"

# --- the run (the check box, remembered ticked, unticked) ----------------------------
start_program

start=$(wait_window '^Programa MIRVAL$') || fail "no start window"
shot "$start" start
keys "$start" a s
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
save_report '^Fechamentos dos' '^Fechamentos$' closures
[ -s "$work/run/exemplo.fch" ] || fail "the loop-closure report was not saved"

kill -0 "$mirval_pid" 2>/dev/null || fail "the program ended before its console window was closed"
keys "$console" f
wait_program_end "closing the console window did not end the program"
[ "$status" -eq 0 ] || fail "exit status $status"

grep -qx 'ajustar-rede=0' "$settings" || fail "the unticked check box was not remembered"

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
# --- a run that adjusts the network ------------------------------------------------
mkdir -p "$work/ajuste"
cp "$case_dir"/input/exemplo.orv "$work/ajuste/"
start_program
start=$(wait_window '^Programa MIRVAL$') || fail "adjusting: no start window"
keys "$start" a s
choose_file "" "$work/ajuste/exemplo.orv"
result=$(wait_window '^Result$') || fail "adjusting: no result window"
keys "$result" Return
console=$(wait_window '^Console do MIRVAL$') || fail "adjusting: no console window"
prompt=$(wait_window '^Programa MIRVAL$' "$start") || fail "adjusting: no profile prompt"
keys "$prompt" e
wait_closed "$prompt" || fail "adjusting: Exit did not close the profile prompt"
keys "$console" p
plan=$(wait_window '^Planta da gruta') || fail "adjusting: no plan view"
shot "$plan" plan_adjusted
keys "$plan" Escape
wait_closed "$plan" || fail "adjusting: Escape did not close the plan view"
keys "$console" j
save_report '^Ajustamento da rede$' '^Ajustamento$' adjustment
keys "$console" f
wait_program_end "adjusting: closing the console window did not end the program"
[ "$status" -eq 0 ] || fail "adjusting: exit status $status"
grep -q '^FATOR DE VARIANCIA = ' "$work/ajuste/exemplo.aju" || fail "the adjustment report was not saved"
grep -qx 'COORDENADAS AJUSTADAS POR MINIMOS QUADRADOS' "$work/ajuste/exemplo.coo" || fail "the run did not adjust"
cmp -s "$case_dir/expected/exemplo.th" "$work/ajuste/exemplo.th" || fail "adjusting changed the Therion file"

echo "desktop windows: $checked files identical, exit status 0; the check box remembered; an adjusted run"
