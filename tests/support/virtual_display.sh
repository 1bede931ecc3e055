# The desktop tests' common ground, sourced by them: a virtual X server, and a
# user's keyboard and screenshots on the program's windows.
# The test sets work (its scratch folder), shots (the screenshot folder) and
# shot_prefix, defines fail(), and starts the program with mirval_pid set.
xvfb_pid=""
mirval_pid=""
# upper bounds, in tenths of a second: a loaded machine (CI) may be slow to show a window
window_wait_tries=600
close_wait_tries=300

skip() {
    echo "SKIPPED: $*"
    exit 77
}

require_display_tools() {
    for tool in Xvfb xdotool import; do
        command -v "$tool" >/dev/null || skip "$tool is not installed"
    done
}

# The X server, on a display it picks itself; DISPLAY names it from here on.
start_virtual_display() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.1
    done
    [ -s "$work/display" ] || skip "Xvfb did not start: $(head -3 "$work/xvfb.log")"
    export DISPLAY=":$(head -1 "$work/display")"
}

# The id of a visible window whose caption matches the pattern, other than
# the ids given after it (a second window of the same caption).
wait_window() {
    local pattern=$1 id
    shift
    for _ in $(seq "$window_wait_tries"); do
        for id in $(xdotool search --onlyvisible --name "$pattern" 2>/dev/null); do
            case " $* " in *" $id "*) ;; *) echo "$id"; return 0 ;; esac
        done
        kill -0 "$mirval_pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

wait_closed() {
    for _ in $(seq "$close_wait_tries"); do
        xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$1" || return 0
        sleep 0.1
    done
    return 1
}

focus() { timeout 10 xdotool windowfocus --sync "$1" || fail "window $1 took no focus"; }

# Keys to a window, as typed by the user once it has the keyboard focus.
keys() {
    focus "$1"
    shift
    xdotool key --delay 80 "$@"
}

type_text() {
    focus "$1"
    xdotool type --delay 40 "$2"
}

# Lets the window paint, then saves it.
shot() {
    sleep 0.6
    import -window "$1" "$shots/$shot_prefix$2.png" || fail "no screenshot of $2"
    echo "screenshot: $shots/$shot_prefix$2.png"
}

shot_of_screen() {
    [ -n "$xvfb_pid" ] && import -window root "$shots/$shot_prefix$1-screen.png" 2>/dev/null &&
        echo "screenshot: $shots/$shot_prefix$1-screen.png"
}

# Waits for the program to end; its exit status in status.
wait_program_end() {
    for _ in $(seq "$close_wait_tries"); do
        kill -0 "$mirval_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$mirval_pid" 2>/dev/null && fail "$1"
    wait "$mirval_pid"
    status=$?
    mirval_pid=""
}
