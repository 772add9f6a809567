#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Two users share one data folder. The first runs Norvik there; the lock file
# it made is read-only for the second, whose copy must still be refused
# rather than run beside the first. A folder the user cannot write at all is
# no reason to refuse: nothing there can overwrite another copy's saves.
#
#   two-users.sh NORVIK-HEADLESS MODULE-FOLDER
#
# Acting as two users needs root; anyone else gets the skip code 77.
set -euo pipefail
headless="$1"
modules="$2"
source "$(dirname "$0")/common.sh"
skip_unless_root "running as two users needs root"
copy_for_every_user "$headless"

as_user() { # UID FOLDER: runs norvik-headless as that user in that folder
    setpriv --reuid="$1" --regid="$1" --clear-groups \
        sh -c 'cd "$1" && exec "$2"' _ "$2" "$work/norvik-headless"
}

shared="$work/shared"
mkdir "$shared"
cp -r "$modules" "$shared/Language Modules"
chmod -R a+rwX "$shared"

run_in_background as_user 65534 "$shared"
echo start >&3
wait_until_shown "the first copy"
[ "$(stat -c '%u %a' "$shared/.norvik.lock")" = "65534 644" ] ||
    fail "lock file: $(stat -c '%u %a' "$shared/.norvik.lock")"

second="$(echo start | as_user 65533 "$shared")"
expected='box 16 "Norvik" "Norvik уже запущен в этой папке. / Norvik is already running in this folder."
end'
[ "$second" = "$expected" ] || fail "the second user's copy was not refused: $second"

stop_background

readonly="$work/read-only"
mkdir "$readonly"
cp -r "$modules" "$readonly/Language Modules"
alone="$(echo start | as_user 65533 "$readonly")"
grep -qx "shown TForm1" <<<"$alone" || fail "a copy in an unwritable folder did not run: $alone"
echo "second user refused; unwritable folder runs"
