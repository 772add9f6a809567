#!/usr/bin/env bash
# check-install.sh CMAKE BUILD-DIR EXPECT-GUI EXPECT-HELP
set -euo pipefail
cmake_command=$1
build=$2
expect_gui=$3
expect_help=$4

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

"$cmake_command" --install "$build" --prefix "$prefix" >"$work/install.log" ||
    { cat "$work/install.log" >&2; exit 1; }

share="$prefix/share/norvik"
expect_program "$prefix/bin/norvik-headless"
expect_program "$prefix/bin/norvik-launch"
expect_program "$prefix/bin/norvik-cli"
expect_file "$prefix/share/man/man1/norvik-cli.1"
if [ -f "$prefix/share/man/man1/norvik-cli.1" ] && command -v man >/dev/null; then
    man -l "$prefix/share/man/man1/norvik-cli.1" 2>&1 >/dev/null | grep -q . &&
        fail "norvik-cli.1 has formatting warnings"
fi
"$prefix/bin/norvik-cli" --help | grep -q "import ics" || fail "norvik-cli --help"
if [ "$expect_gui" = 1 ]; then
    expect_program "$prefix/bin/norvik"
else
    [ ! -e "$prefix/bin/norvik" ] || fail "bin/norvik installed although it was not built"
fi
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
        'Icon=norvik' 'Terminal=false'; do
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

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "installation checked"
