#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check-configure.sh CMAKE SOURCE-DIR
# The README's configure command on a machine without the test packages:
# GoogleTest and Google Benchmark are hidden from it, and it must still
# succeed, with the tests and the benchmarks left out.
set -euo pipefail
cmake_command=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! "$cmake_command" -S "$source" -B "$work/release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
    >"$work/configure.log" 2>&1; then
    cat "$work/configure.log" >&2
    echo "FAIL: the configure step failed without the test libraries" >&2
    exit 1
fi
failures=0
for part in tests benchmarks; do
    if [ -e "$work/release/$part" ]; then
        echo "FAIL: the $part were configured without their library" >&2
        failures=$((failures + 1))
    fi
    grep -q "the $part are not built" "$work/configure.log" ||
        { echo "FAIL: the configure step does not say the $part are left out" >&2; failures=$((failures + 1)); }
done
[ "$failures" = 0 ] || exit 1
echo "configured without the tests and benchmarks"
