#!/usr/bin/env bash
# Installs the Debian packages the game, its tools and its tests need; skips what is there.
set -euo pipefail
packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev libxcb1-dev
    libsdl2-mixer-dev
    libcli11-dev nlohmann-json3-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    fonts-comic-neue fonts-liberation2 sox
    dpkg-dev appstream
    xvfb xauth
)
# The artwork's icon shapes come from npm; a Node install from elsewhere brings its own npm.
command -v npm >/dev/null || packages+=(nodejs npm)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "Missing packages: ${missing[*]}" >&2
        echo "Run this as root (or install sudo) so they can be installed." >&2
        exit 1
    fi
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
