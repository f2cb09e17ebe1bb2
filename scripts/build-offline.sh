#!/usr/bin/env bash
# Configures, builds and packages everything in a new build folder with no network at all and
# an empty home (no download caches), as Debian's builders would: proof that only the package
# installation, never the build, reaches outside the machine. Needs the test packages in place.
#   scripts/build-offline.sh [FOLDER]   (FOLDER must not exist yet; build-offline by default)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-offline}
if [ -e "$build" ]; then
    echo "$build already exists; the offline build starts from a folder of its own" >&2
    exit 2
fi
# Without root, a user namespace of one's own may cut the network instead.
isolate=(unshare --net)
[ "$(id -u)" -eq 0 ] || isolate+=(--map-root-user)
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
"${isolate[@]}" env HOME="$home" XDG_CACHE_HOME="$home/.cache" BUILD="$build" bash -c '
    set -euo pipefail
    interfaces=$(awk "NR > 2 { sub(\":\", \"\", \$1); print \$1 }" /proc/net/dev)
    if [ "$interfaces" != lo ]; then
        echo "still on a network: $interfaces" >&2
        exit 1
    fi
    cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DQUORVEL_TESTS=ON
    cmake --build "$BUILD" -j "$(nproc)"
    (cd "$BUILD" && cpack -G DEB)
'
echo "Built and packaged offline: $(ls "$build"/quorvel_*.deb)"
