#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A save on a full disk names the file and the system's reason, in the box and
# in norvik-cli's message, and leaves the old file as it was. The data folder
# is a small memory file system filled to the last block.
#
#   full-disk.sh NORVIK-HEADLESS NORVIK-CLI MODULE-FOLDER
#
# Mounting needs root; anyone else, or a system that refuses the mount, gets
# the skip code 77.
set -euo pipefail
headless="$(realpath "$1")"
cli="$2"
modules="$3"
source "$(dirname "$0")/common.sh"
skip_unless_root "mounting a small file system needs root"

disk="$work/disk"
mkdir "$disk"
before_removing_work() {
    umount "$disk" 2>/dev/null || true
}
if ! mount -t tmpfs -o size=256k tmpfs "$disk" 2>/dev/null; then
    echo "skipped: no small file system could be mounted"
    exit 77
fi

cp -r "$modules" "$disk/Language Modules"
printf '[config]\r\nMainFormColor=clNavy\r\nMainFormTextColor=clWhite\r\nNotebookSize=10\r\nNotebookType=Courier New\r\nWarningMessageText=x\r\nLastEvent=0\r\nLangID=1\r\n' \
    >"$disk/System.ini"
printf '01.01.2030 10:00:00 >>> old\r\n' >"$disk/do.txt"

# The program starts while there is room (it saves the settings at start),
# then every block left is filled.
run_in_background env -C "$disk" "$headless"
printf 'clock 07.12.2030 09:00:00\nstart\n' >&3
wait_until_shown "the program"
dd if=/dev/zero of="$disk/filler" bs=4k 2>/dev/null || true
printf 'click Button3\nset Edit2 "new"\nclick Button1\nfile do.txt\n' >&3
stop_background
out="$(cat "$work/output")"
grep -qxF 'box 16 "Norvik" "Cannot write file do.txt: No space left on device."' <<<"$out" ||
    fail "the box does not name the file and the reason: $out"
grep -qxF 'file do.txt "01.01.2030 10:00:00 >>> old\r\n"' <<<"$out" || fail "do.txt changed: $out"

set +e
err="$("$cli" -d "$disk" add "07.12.2030 9:30" "new" 2>&1)"
status=$?
set -e
[ "$status" = 4 ] && [ "$err" = "norvik-cli: Cannot write file do.txt: No space left on device" ] ||
    fail "norvik-cli on a full disk: $status $err"
[ "$(cat "$disk/do.txt")" = $'01.01.2030 10:00:00 >>> old\r' ] || fail "do.txt changed by norvik-cli"
ls -A "$disk" | grep -q '^\.do\.txt\.' && fail "a temporary file was left: $(ls -A "$disk")"
echo "a full disk is named in the box and by norvik-cli; the old file stays"
