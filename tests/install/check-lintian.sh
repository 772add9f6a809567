#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check-lintian.sh PACKAGE-FOLDER VERSION [HARDENING-CHECK]
# Debian's own checks of the package: lintian reports no error (its warnings
# are shown, not failed), and, given hardening-check, every program in the
# package is built hardened: position-independent, with the stack protector,
# fortified functions, read-only relocations and immediate binding.
set -euo pipefail
debs=("$1/norvik_$2"_*.deb)
[ "${#debs[@]}" = 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: not one package in $1" >&2; exit 1; }
deb=${debs[0]}
hardening_check=${3:-}
failures=0

# Root would be refused without --allow-root; the checks read the package only.
if ! lintian --allow-root --fail-on error --display-level ">=warning" "$deb"; then
    echo "FAIL: lintian reports errors on $(basename "$deb")" >&2
    failures=$((failures + 1))
fi

if [ -n "$hardening_check" ]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    dpkg-deb -x "$deb" "$work"
    programs=()
    while IFS= read -r -d '' file; do
        [ "$(head -c 4 "$file")" = $'\x7fELF' ] && programs+=("$file")
    done < <(find "$work/usr" -type f -perm -u+x -print0)
    [ "${#programs[@]}" -ge 3 ] || { echo "FAIL: only ${#programs[@]} programs found" >&2; exit 1; }
    # Control-flow protection is not asked for: Debian 12's C library start
    # files carry no mark of it, so no program linked there can have it, and
    # its dpkg-buildflags do not add it.
    if ! "$hardening_check" --nocfprotection "${programs[@]}"; then
        echo "FAIL: a program is not hardened" >&2
        failures=$((failures + 1))
    fi
fi

[ "$failures" = 0 ] || exit 1
echo "lintian and hardening checked: $(basename "$deb")"
