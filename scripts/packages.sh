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

# What building Norvik needs (fp-utils compiles the help; the build goes on without it).
BUILD_PACKAGES=(build-essential cmake ninja-build ccache pkg-config qt6-base-dev qt6-translations-l10n libgl1-mesa-dev
    fp-utils fonts-liberation fonts-dejavu fonts-urw-base35 fonts-comic-neue)
# What running it needs on top: Help and the website open through xdg-open.
RUN_PACKAGES=(xdg-utils)
# What the test suite needs on top: trayer is the notification area of the
# real tray test; clang-14 builds the fuzz targets, whose runtime comes in
# libclang-rt-14-dev (only recommended by clang, and nothing here installs
# recommendations).
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev clang-format xvfb xauth trayer clang-14
    libclang-rt-14-dev)
