#!/usr/bin/env bash
# Quorvel's set-up on a fresh Debian 12: installs what the build needs, builds, then
#   ./quorvel.sh run    starts the game
#   ./quorvel.sh test   runs every test, headless
#   ./quorvel.sh bench  prints the benchmarks
set -euo pipefail
cd "$(dirname "$0")"
build=${BUILD:-build}
action=${1:-}
case "$action" in
    run | test | bench | build) ;;
    *)
        echo "usage: $0 run|test|bench|build" >&2
        exit 2
        ;;
esac
bash scripts/install-deps.sh
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j "$(nproc)"
case "$action" in
    run) exec "$build/bin/quorvel" ;;
    test) exec bash scripts/run-tests.sh "$build" ;;
    bench) exec "$build/bin/quorvel-bench" ;;
esac
