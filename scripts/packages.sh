# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages given as arguments that are not installed yet.
# Sourced by the other scripts.
install_missing() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    if [ "${#missing[@]}" -eq 0 ]; then
        return 0
    fi
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building Norvik needs (fp-utils compiles the help; the build goes on without it;
# file is what cpack uses to find the programs whose libraries the package depends on;
# libical-dev is for norvik-cli's iCalendar exchange, tzdata for its time zones;
# librsvg2-bin draws the icon's PNGs from its SVG).
BUILD_PACKAGES=(build-essential cmake ninja-build ccache pkg-config file qt6-base-dev qt6-translations-l10n libgl1-mesa-dev
    libical-dev tzdata fp-utils librsvg2-bin fonts-liberation fonts-dejavu fonts-urw-base35 fonts-comic-neue)
# What running it needs on top: Help and the website open through xdg-open.
RUN_PACKAGES=(xdg-utils)
# What the test suite needs on top: openbox, trayer, xdotool and xprop (x11-utils)
# for the tests on a real desktop, appstream to validate the software-centre
# metadata, desktop-file-utils the menu and login entries, libxml2-utils'
# xmllint the icon's SVG, dbus-daemon for a private session bus, the two Python
# parsers read norvik-cli's exports; clang-14 builds the fuzz targets, whose
# runtime comes in libclang-rt-14-dev (only recommended by clang, and nothing
# here installs recommendations); clang-tidy-14 checks src/; lintian checks the
# Debian package, devscripts' hardening-check its programs, man-db renders the
# manual pages with warnings shown; radicale and vdirsyncer are the CalDAV and
# CardDAV server and the syncer the sync tests run against.
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev clang-format xvfb xauth openbox trayer xdotool
    x11-utils appstream
    desktop-file-utils libxml2-utils dbus-daemon python3 python3-icalendar python3-vobject clang-14 libclang-rt-14-dev
    clang-tidy-14 lintian devscripts man-db radicale vdirsyncer)
