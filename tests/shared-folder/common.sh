# SPDX-License-Identifier: GPL-3.0-or-later
# What the shared-folder tests have in common, sourced by each: the skip for
# anyone but root, a work folder removed at exit together with the program
# still running there, and starting that program in the background.

fail() {
    echo "FAILED: $*"
    exit 1
}

# skip_unless_root REASON: anyone but root gets the skip code 77.
skip_unless_root() {
    if [ "$(id -u)" -ne 0 ]; then
        echo "skipped: $1"
        exit 77
    fi
}

work="$(mktemp -d)"
running=""
cleanup() {
    exec 3>&- 2>/dev/null || true
    if [ -n "$running" ]; then
        kill "$running" 2>/dev/null || true
        wait "$running" 2>/dev/null || true
    fi
    # A test that needs more undone before the folder goes defines this.
    if declare -F before_removing_work >/dev/null; then
        before_removing_work
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# copy_for_every_user PROGRAM...: the build may lie where other users cannot
# reach it; each program is copied into the work folder, which all may enter.
copy_for_every_user() {
    chmod 0755 "$work"
    local program
    for program in "$@"; do
        cp "$program" "$work/"
        chmod 0755 "$work/$(basename "$program")"
    done
}

# run_in_background COMMAND...: runs the command with its input from the
# named pipe $work/input, held open on descriptor 3 for the test to write
# to, and its output in $work/output.
run_in_background() {
    mkfifo "$work/input"
    "$@" <"$work/input" >"$work/output" &
    running=$!
    exec 3>"$work/input"
}

# wait_until_shown WHAT: waits up to ten seconds for the main window in
# $work/output; fails saying WHAT did not start otherwise.
wait_until_shown() {
    for _ in $(seq 100); do
        grep -qx "shown TForm1" "$work/output" && return 0
        sleep 0.1
    done
    fail "$1 did not start: $(cat "$work/output")"
}

# stop_background: closes the program's input and waits for it to end.
stop_background() {
    exec 3>&-
    wait "$running"
    running=""
}
