#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check-install.sh CMAKE BUILD-DIR VERSION EXPECT-GUI EXPECT-HELP
set -euo pipefail
cmake_command=$1
build=$2
version=$3
expect_gui=$4
expect_help=$5

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
expect_file() {
    [ -f "$1" ] || fail "missing $1"
}
expect_program() {
    [ -f "$1" ] && [ -x "$1" ] || fail "missing or not executable: $1"
}
expect_same() {
    cmp -s "$1" "$2" || fail "$2 differs from $1"
}
# A manual page renders without a single warning, as Debian's checker reads it.
expect_clean_page() {
    local warnings
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$1" 2>&1 >/dev/null) ||
        fail "man cannot render $1"
    [ -z "$warnings" ] || fail "$1 renders with warnings: $warnings"
}

"$cmake_command" --install "$build" --prefix "$prefix" >"$work/install.log" ||
    { cat "$work/install.log" >&2; exit 1; }

share="$prefix/share/norvik"
# norvik-headless is a testing tool, kept out of PATH.
headless="$prefix/libexec/norvik/norvik-headless"
expect_program "$headless"
[ ! -e "$prefix/bin/norvik-headless" ] || fail "norvik-headless is in bin"
expect_program "$prefix/bin/norvik-launch"
expect_program "$prefix/bin/norvik-cli"
programs=("$prefix/bin/norvik-launch" "$prefix/bin/norvik-cli" "$headless")
if [ "$expect_gui" = 1 ]; then
    expect_program "$prefix/bin/norvik"
    programs+=("$prefix/bin/norvik")
else
    [ ! -e "$prefix/bin/norvik" ] || fail "bin/norvik installed although it was not built"
fi
# --version and --help, with no window system to be had: a program that
# touched one would fail here.
for program in "${programs[@]}"; do
    name=$(basename "$program")
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" --version) ||
        fail "$name --version failed"
    [ "$out" = "$name $version" ] || fail "$name --version: $out"
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" --help) ||
        fail "$name --help failed"
    [[ "$out" == "Usage: $name "* ]] || fail "$name --help: $(head -n 1 <<<"$out")"
done
"$prefix/bin/norvik-cli" --help | grep -q "import ics" || fail "norvik-cli --help"

# The manual pages, compressed, with the version and the release date in
# their headers.
for page in norvik norvik-launch norvik-cli; do
    file="$prefix/share/man/man1/$page.1.gz"
    expect_file "$file"
    [ ! -e "$prefix/share/man/man1/$page.1" ] || fail "$page.1 is installed uncompressed"
    if [ -f "$file" ]; then
        expect_clean_page "$file"
        header=$(zcat "$file" | grep -m 1 '^\.TH ' | sed -E 's/"[0-9]{4}-[0-9]{2}-[0-9]{2}"/"DATE"/')
        [ "$header" = ".TH ${page^^} 1 \"DATE\" \"Norvik $version\" \"User Commands\"" ] ||
            fail "$page.1 header: $header"
    fi
done

# Debian's licence and changelog files.
doc="$prefix/share/doc/norvik"
expect_file "$doc/copyright"
grep -qx "License: GPL-3+" "$doc/copyright" 2>/dev/null || fail "copyright names no GPL-3+"
[ "$(zcat "$doc/changelog.gz" 2>/dev/null | head -n 1)" = "norvik ($version) unstable; urgency=medium" ] ||
    fail "changelog.gz does not start with version $version"
expect_same "$build/Language Modules/Russian.lng" "$share/Language Modules/Russian.lng"
expect_same "$build/Language Modules/English.lng" "$share/Language Modules/English.lng"
if [ "$expect_help" = 1 ]; then
    expect_same "$build/help.chm" "$share/help.chm"
    # A compiled help file starts with the ITSF signature.
    [ "$(head -c 4 "$share/help.chm")" = ITSF ] || fail "help.chm is not a compiled help file"
else
    [ ! -e "$share/help.chm" ] || fail "help.chm installed although it was not built"
fi

entry="$prefix/share/applications/norvik.desktop"
expect_file "$entry"
if [ -f "$entry" ]; then
    for line in '[Desktop Entry]' 'Type=Application' 'Name=Norvik' 'Exec=norvik-launch' \
        'TryExec=norvik-launch' 'Icon=norvik' 'Terminal=false' 'StartupWMClass=Norvik'; do
        grep -qxF "$line" "$entry" || fail "norvik.desktop lacks: $line"
    done
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$entry" || fail "norvik.desktop does not validate"
    fi
fi
icon="$prefix/share/icons/hicolor/scalable/apps/norvik.svg"
expect_file "$icon"
if [ -f "$icon" ] && command -v xmllint >/dev/null; then
    xmllint --noout "$icon" || fail "norvik.svg is not well-formed"
fi
# The same icon drawn at the sizes desktops look for.
if [ "$expect_gui" = 1 ]; then
    for size in 16 24 32 48 64 128 256; do
        png="$prefix/share/icons/hicolor/${size}x${size}/apps/norvik.png"
        [[ "$(file -b "$png" 2>/dev/null)" == "PNG image data, $size x $size,"* ]] ||
            fail "no $size-pixel icon: $(file -b "$png" 2>&1)"
    done
fi

# The launcher, with a stand-in for the windowed program beside it that
# reports where it was started and with what.
fake="$work/fake"
mkdir -p "$fake/bin"
ln -s "$prefix/share" "$fake/share"
cp "$prefix/bin/norvik-launch" "$fake/bin/"
cat >"$fake/bin/norvik" <<'STANDIN'
#!/bin/sh
echo "started in $(pwd) qpa=${QT_QPA_PLATFORM:-}"
STANDIN
chmod +x "$fake/bin/norvik"
launch() {
    env -u NORVIK_DATA -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$work/home" "$@"
}

# A first start makes ~/Norvik with the modules and the help.
mkdir -p "$work/home"
out=$(launch "$fake/bin/norvik-launch") || fail "the launcher failed on a first start"
data="$work/home/Norvik"
[ "$out" = "started in $data qpa=" ] || fail "first start: $out"
expect_same "$share/Language Modules/Russian.lng" "$data/Language Modules/Russian.lng"
expect_same "$share/Language Modules/English.lng" "$data/Language Modules/English.lng"
if [ "$expect_help" = 1 ]; then
    expect_same "$share/help.chm" "$data/help.chm"
fi

# A directory given by the user: a module kept under other letter case is
# the user's and stays; the missing one goes beside it, not into a new folder.
data="$work/my data"
mkdir -p "$data/language modules"
printf 'edited\r\n' >"$data/language modules/russian.lng"
printf 'my help' >"$data/HELP.CHM"
out=$(launch WAYLAND_DISPLAY=wayland-0 "$fake/bin/norvik-launch" "$data") ||
    fail "the launcher failed with a data directory given"
[ "$out" = "started in $data qpa=xcb" ] || fail "given directory: $out"
[ "$(cat "$data/language modules/russian.lng")" = $'edited\r' ] || fail "the edited module was replaced"
[ ! -e "$data/language modules/Russian.lng" ] || fail "a second Russian module was copied in"
[ ! -e "$data/Language Modules" ] || fail "a second modules folder was made"
expect_same "$share/Language Modules/English.lng" "$data/language modules/English.lng"
[ "$(cat "$data/HELP.CHM")" = "my help" ] && [ ! -e "$data/help.chm" ] || fail "the help was copied over"

# A data directory that cannot be made: an error, and the program is not started.
touch "$work/file"
if out=$(launch "$fake/bin/norvik-launch" "$work/file/sub" 2>/dev/null); then
    fail "the launcher succeeded without a data directory"
fi
[ -z "$out" ] || fail "the program started without a data directory"

# Autostart: a login entry that runs the launcher in the data directory; the
# program itself is not started. Quotes, dollars and percent signs in the
# directory's name are escaped as a desktop entry's Exec line needs.
odd="$work/a \"b\" \$c 5%"
mkdir -p "$odd"
out=$(cd "$work" && launch XDG_CONFIG_HOME="$work/config" "$fake/bin/norvik-launch" --autostart on \
    "${odd#"$work/"}") || fail "--autostart on failed"
case "$out" in started*) fail "--autostart started the program" ;; esac
login="$work/config/autostart/norvik.desktop"
expect_file "$login"
if [ -f "$login" ]; then
    want="Exec=\"$fake/bin/norvik-launch\" \"$work/a \\\\\"b\\\\\" \\\\\$c 5%%\""
    grep -qxF "$want" "$login" || fail "login entry: $(grep '^Exec=' "$login") instead of $want"
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$login" || fail "the login entry does not validate"
    fi
fi
out=$(launch XDG_CONFIG_HOME="$work/config" "$fake/bin/norvik-launch" --autostart off) ||
    fail "--autostart off failed"
[ ! -e "$login" ] || fail "--autostart off left the login entry"
launch XDG_CONFIG_HOME="$work/config" "$fake/bin/norvik-launch" --autostart off >/dev/null ||
    fail "--autostart off failed without an entry"
# Without XDG_CONFIG_HOME the entry goes to ~/.config, for ~/Norvik unless given.
launch env -u XDG_CONFIG_HOME "$fake/bin/norvik-launch" --autostart on >/dev/null ||
    fail "--autostart on failed with the defaults"
login="$work/home/.config/autostart/norvik.desktop"
[ "$(grep '^Exec=' "$login" 2>/dev/null)" = "Exec=\"$fake/bin/norvik-launch\" \"$work/home/Norvik\"" ] ||
    fail "default login entry: $(cat "$login" 2>/dev/null)"
if launch XDG_CONFIG_HOME="$work/config" "$fake/bin/norvik-launch" --autostart maybe 2>/dev/null; then
    fail "--autostart accepted a word other than on and off"
fi

# The launcher's own arguments: help and version without starting anything,
# an unknown option or a second directory refused as wrong usage (status 2)
# before anything is made, and a directory named like an option after --.
out=$(cd "$work" && launch "$fake/bin/norvik-launch" --help) || fail "norvik-launch --help failed"
case "$out" in *"--autostart on"*) ;; *) fail "norvik-launch --help: $out" ;; esac
case "$out" in *started*) fail "norvik-launch --help started the program" ;; esac
for arguments in "-x" "--data $work/x" "$work/one $work/two" "--autostart"; do
    status=0
    err=$(cd "$work" && launch "$fake/bin/norvik-launch" $arguments 2>&1 >/dev/null) || status=$?
    [ "$status" = 2 ] || fail "norvik-launch $arguments: status $status"
    case "$err" in *"Try 'norvik-launch --help'"*) ;; *) fail "norvik-launch $arguments: $err" ;; esac
done
[ ! -e "$work/-x" ] && [ ! -e "$work/one" ] || fail "a refused call made a directory"
out=$(cd "$work" && launch "$fake/bin/norvik-launch" -- -x) || fail "norvik-launch -- -x failed"
[ "$out" = "started in $work/-x qpa=" ] || fail "norvik-launch -- -x: $out"
expect_same "$share/Language Modules/English.lng" "$work/-x/Language Modules/English.lng"

# norvik-cli in a data directory the launcher has not prepared: the installed
# modules give the phone book's field labels (here the English ones, as
# LangID says), and nothing is copied into the directory.
bare="$work/bare"
mkdir -p "$bare"
printf '[config]\r\nLangID=1\r\n' >"$bare/System.ini"
printf 'BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann Example\r\nTEL;TYPE=CELL:+7 900 000 00 00\r\nEND:VCARD\r\n' \
    >"$work/card.vcf"
"$prefix/bin/norvik-cli" -d "$bare" import vcf "$work/card.vcf" >/dev/null ||
    fail "norvik-cli import vcf failed in an unprepared directory"
grep -qxF $'Ann Example >>> , mobile: +7 900 000 00 00\r' "$bare/telephone.txt" 2>/dev/null ||
    fail "the imported line lacks the installed module's label: $(cat "$bare/telephone.txt" 2>/dev/null)"
"$prefix/bin/norvik-cli" -d "$bare" export vcf - 2>/dev/null | grep -q "^TEL;TYPE=CELL:+7 900 000 00 00" ||
    fail "norvik-cli export vcf failed in an unprepared directory"
[ -z "$(find "$bare" -iname '*.lng' -o -iname 'language modules')" ] ||
    fail "norvik-cli copied language modules into the data directory"

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "installation checked"
