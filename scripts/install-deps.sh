#!/usr/bin/env bash
# Installs the Debian packages Quorvel needs, skipping what is there:
#   install-deps.sh run    building and playing the game: compiler, Qt, SDL mixer, fonts
#   install-deps.sh test   the above, and the tests' and benchmarks' frameworks and tools
set -euo pipefail
set_name=${1:-test}
game=(
    g++ make cmake pkg-config
    qt6-base-dev qt6-svg-dev qt6-charts-dev qt6-tools-dev qt6-l10n-tools libgl-dev libxcb1-dev
    libsdl2-mixer-dev
    libcli11-dev nlohmann-json3-dev
    fonts-comic-neue fonts-liberation2
)
# sox checks the sounds; dpkg-dev and file let CPack work out the Debian package's dependencies,
# appstream checks its metadata; Xvfb gives the X server tests a display; a session bus, the
# AT-SPI registry and Debian's pyatspi let a test play the game as a screen reader does.
tests=(
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    sox dpkg-dev file appstream
    xvfb xauth
    dbus-daemon at-spi2-core python3-pyatspi
)
case "$set_name" in
    run) packages=("${game[@]}") ;;
    test) packages=("${game[@]}" "${tests[@]}") ;;
    *)
        echo "usage: $0 run|test" >&2
        exit 2
        ;;
esac
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    echo "Packages for '$set_name': all installed."
    exit 0
fi
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "Missing packages: ${missing[*]}" >&2
        echo "Run this as root (or install sudo) so they can be installed." >&2
        exit 1
    fi
    sudo="sudo"
fi
echo "Packages for '$set_name' to install, with what they depend on: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
