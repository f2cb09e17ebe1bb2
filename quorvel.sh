#!/usr/bin/env bash
# Quorvel's set-up on a fresh Debian 12: installs what is missing, builds, then
#   ./quorvel.sh run    starts the game (installs and builds only what the game needs)
#   ./quorvel.sh test   runs every test, headless
#   ./quorvel.sh bench  prints the benchmarks
#   ./quorvel.sh build  builds everything: game, tools, tests and benchmarks
# Only the package installation uses the network; the build itself never does.
set -euo pipefail
cd "$(dirname "$0")"
build=${BUILD:-build}
action=${1:-}
case "$action" in
    run)
        bash scripts/install-deps.sh run
        cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUORVEL_TESTS=OFF
        cmake --build "$build" -j "$(nproc)" --target quorvel quorvel-pictures quorvel-sounds
        exec "$build/bin/quorvel"
        ;;
    test | bench | build)
        bash scripts/install-deps.sh test
        cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUORVEL_TESTS=ON
        cmake --build "$build" -j "$(nproc)"
        ;;
    *)
        echo "usage: $0 run|test|bench|build" >&2
        exit 2
        ;;
esac
case "$action" in
    test) exec bash scripts/run-tests.sh "$build" ;;
    bench) exec "$build/bin/quorvel-bench" ;;
esac
