#!/usr/bin/env bash
# Runs the whole suite headless: no display, no sound device, no writes into the real home.
set -euo pipefail
build=${1:-build}
sandbox=$(mktemp -d)
trap 'rm -rf "$sandbox"' EXIT
mkdir -p "$sandbox/home" "$sandbox/config" "$sandbox/runtime"
chmod 0700 "$sandbox/runtime"
export HOME="$sandbox/home" XDG_CONFIG_HOME="$sandbox/config" XDG_RUNTIME_DIR="$sandbox/runtime"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
