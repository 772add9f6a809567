#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A co-user of a shared data folder (anyone who may write it) plants symbolic
# links there: do.txt leading to the victim's ~/.bashrc, before the victim
# starts or while his copy runs, and .norvik.lock leading out of the folder.
# The victim's Norvik and norvik-cli refuse every such link with the reason
# and write nothing where it leads; the victim's own link keeps working.
#
#   hostile-co-user.sh NORVIK-HEADLESS NORVIK-CLI MODULE-FOLDER
#
# Acting as two users needs root; anyone else gets the skip code 77.
set -euo pipefail
headless="$1"
cli="$2"
modules="$3"
source "$(dirname "$0")/common.sh"
skip_unless_root "running as two users needs root"

victim=65534
coUser=65533
copy_for_every_user "$headless" "$cli"

as_user() { # UID COMMAND...: runs the command as that user
    local user="$1"
    shift
    setpriv --reuid="$user" --regid="$user" --clear-groups "$@"
}
headless_in() { # FOLDER: the victim's norvik-headless in that folder
    as_user "$victim" sh -c 'cd "$1" && exec "$2"' _ "$1" "$work/norvik-headless"
}

home="$work/home"
mkdir "$home"
printf 'keep\n' >"$home/.bashrc"
chown -R "$victim:$victim" "$home"
chmod 0700 "$home"

fresh_shared() { # a shared folder everyone may write, with the modules
    rm -rf "$work/shared"
    mkdir "$work/shared"
    cp -r "$modules" "$work/shared/Language Modules"
    chmod -R a+rwX "$work/shared"
}
plant() { # NAME TARGET: the co-user puts a link NAME in the shared folder
    as_user "$coUser" sh -c 'rm -f "$1" && ln -s "$2" "$1"' _ "$work/shared/$1" "$2"
}
bashrc_kept() {
    [ "$(cat "$home/.bashrc")" = "keep" ] || fail "$1: ~/.bashrc now holds: $(cat "$home/.bashrc")"
}
refusal='the symbolic link do.txt belongs to another user'

# Planted before the start: do.txt is refused with the reason and its panel
# stays read-only; start-up goes on.
fresh_shared
plant do.txt "$home/.bashrc"
out="$(printf 'start\nshow Button3 enabled\nshow N11 enabled\n' | headless_in "$work/shared")"
grep -qxF "box 16 \"Norvik\" \"Cannot open file do.txt: $refusal.\"" <<<"$out" ||
    fail "a planted do.txt was not refused at start: $out"
grep -qx "shown TForm1" <<<"$out" || fail "start-up did not go on: $out"
grep -qx "value Button3.enabled 0" <<<"$out" && grep -qx "value N11.enabled 0" <<<"$out" ||
    fail "the events panel is not read-only: $out"
bashrc_kept "start"

# norvik-cli, as the victim, refuses the same link and writes nothing.
set +e
err="$(as_user "$victim" "$work/norvik-cli" -d "$work/shared" add "07.12.2030 9:30" "x" 2>&1)"
status=$?
set -e
[ "$status" = 4 ] && [ "$err" = "norvik-cli: Cannot open file do.txt: $refusal" ] ||
    fail "norvik-cli add: $status $err"
bashrc_kept "norvik-cli"

# Replaced while the victim's copy runs: the next save is refused.
fresh_shared
printf '01.01.2030 10:00:00 >>> old\r\n' >"$work/shared/do.txt"
chmod a+rw "$work/shared/do.txt"
run_in_background headless_in "$work/shared"
printf 'clock 07.12.2030 09:00:00\nstart\n' >&3
wait_until_shown "the victim's copy"
plant do.txt "$home/.bashrc"
printf 'click Button3\nset Edit2 "planted"\nclick Button1\n' >&3
stop_background
grep -qxF "box 16 \"Norvik\" \"Cannot create file do.txt: $refusal.\"" "$work/output" ||
    fail "a save through a planted link was not refused: $(cat "$work/output")"
bashrc_kept "save"

# A planted lock file link refuses the start; nothing is made where it leads.
fresh_shared
plant .norvik.lock "$home/lock"
out="$(echo start | headless_in "$work/shared")"
grep -qF "Cannot lock the file .norvik.lock: Is a symbolic link. Norvik is not started." <<<"$out" ||
    fail "a planted lock file link was not refused: $out"
[ ! -e "$home/lock" ] || fail "a lock file was made outside the folder"

# The victim's own link, to his home, keeps working.
fresh_shared
as_user "$victim" sh -c 'printf "" >"$1/do.txt" && ln -s "$1/do.txt" "$2/do.txt"' _ "$home" \
    "$work/shared"
out="$(printf 'clock 07.12.2030 09:00:00\nstart\nclick Button3\nset Edit2 "mine"\nclick Button1\n' |
    headless_in "$work/shared")"
[ "$(cat "$home/do.txt")" = $'07.12.2030 09:00:00 >>> mine\r' ] ||
    fail "the victim's own link: $(cat "$home/do.txt"); $out"
[ -L "$work/shared/do.txt" ] || fail "the victim's own link was replaced"
echo "planted links refused at start, at save, by norvik-cli and for the lock; own link works"
