#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check-package.sh PACKAGE-FOLDER VERSION EXPECT-HELP SOURCE-DIR
# The Debian package's fields and files: everything under /usr, the programs,
# the modules and help, the menu entry, icon and software-centre metadata.
set -euo pipefail
expect_help=$3
source_dir=$4
debs=("$1/norvik_$2"_*.deb)
[ "${#debs[@]}" = 1 ] || { echo "FAIL: not one package in $1: ${debs[*]}" >&2; exit 1; }
deb=${debs[0]}

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
[ -f "$deb" ] || { echo "FAIL: no package $deb" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

field() {
    dpkg-deb -f "$deb" "$1"
}
[ "$(field Package)" = norvik ] || fail "Package: $(field Package)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"
[ "$(basename "$deb")" = "norvik_$(field Version)_$(field Architecture).deb" ] ||
    fail "file name $(basename "$deb")"
depends=$(field Depends)
# From dpkg-shlibdeps: the Qt, libical and C++ libraries the programs link.
for package in libqt6widgets6 libical3 libstdc++6 libc6 qt6-translations-l10n fonts-liberation \
    fonts-dejavu fonts-urw-base35 fonts-comic-neue; do
    [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package: $depends"
done
recommends=$(field Recommends)
for package in xdg-utils xchm vdirsyncer; do
    [[ ", $recommends," == *", $package,"* ]] || fail "Recommends lacks $package: $recommends"
done

dpkg-deb -c "$deb" | awk '{ $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }' >"$work/files"
grep -v '^\./usr/' "$work/files" | grep -vx '\./' | grep . && fail "files outside /usr"
expect_listed() {
    grep -qxF "./usr/$1" "$work/files" || fail "the package lacks /usr/$1"
}
# Installed programs (a new one is listed here once it installs itself);
# the testing tool outside PATH.
for program in norvik norvik-launch norvik-cli; do
    expect_listed "bin/$program"
    expect_listed "share/man/man1/$program.1.gz"
done
expect_listed libexec/norvik/norvik-headless
grep -q '^\./usr/bin/norvik-headless$' "$work/files" && fail "norvik-headless is in /usr/bin"
expect_listed share/doc/norvik/copyright
expect_listed share/doc/norvik/changelog.gz
expect_listed "share/norvik/Language Modules/Russian.lng"
expect_listed "share/norvik/Language Modules/English.lng"
if [ "$expect_help" = 1 ]; then
    expect_listed share/norvik/help.chm
fi
expect_listed share/applications/norvik.desktop
expect_listed share/icons/hicolor/scalable/apps/norvik.svg
for size in 16 24 32 48 64 128 256; do
    expect_listed "share/icons/hicolor/${size}x${size}/apps/norvik.png"
done
expect_listed share/metainfo/org.example.norvik.metainfo.xml

dpkg-deb -x "$deb" "$work/root"
[ -x "$work/root/usr/bin/norvik" ] || fail "usr/bin/norvik is not executable"
for program in norvik norvik-launch norvik-cli; do
    page="$work/root/usr/share/man/man1/$program.1.gz"
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) ||
        fail "man cannot render $program.1.gz"
    [ -z "$warnings" ] || fail "$program.1.gz renders with warnings: $warnings"
    [ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$work/root/usr/bin/$program" --version)" = "$program $2" ] ||
        fail "$program --version does not print $2"
done
metainfo="$work/root/usr/share/metainfo/org.example.norvik.metainfo.xml"
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --pedantic --no-net "$metainfo" || fail "the metainfo file does not validate"
fi
grep -qF "<release version=\"$2\" date=" "$metainfo" || fail "the metainfo names no release $2"
# The screenshots are kept in the source at their path under the homepage.
shots=$(sed -n 's:.*<image[^>]*>https\://norvik\.example\.org/\(.*\)</image>.*:\1:p' "$metainfo")
[ "$(wc -w <<<"$shots")" = 2 ] || fail "the metainfo does not show two screenshots: $shots"
for shot in $shots; do
    [[ "$(file -b "$source_dir/$shot")" == "PNG image data"* ]] || fail "no screenshot $shot in the source"
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$work/root/usr/share/applications/norvik.desktop" ||
        fail "the menu entry does not validate"
fi
# The menu entry the metadata names is the one the package installs.
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' \
    "$work/root/usr/share/metainfo/org.example.norvik.metainfo.xml")
[ -f "$work/root/usr/share/applications/$launchable" ] || fail "no menu entry $launchable"

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "package checked: $(basename "$deb")"
