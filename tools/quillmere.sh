#!/usr/bin/env bash
# Sets up a Debian 12 machine for Quillmere, builds it, and then plays or tests it.
#   bash tools/quillmere.sh play    build and start the game
#   bash tools/quillmere.sh test    build and run every test
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
# The sanitized builds pass over the system's D-Bus library's leftovers, and no others.
export LSAN_OPTIONS="suppressions=$here/tools/lsan-suppressions.txt:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

packages=(cmake make g++ qt6-base-dev qt6-multimedia-dev fonts-liberation2)

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        $sudo apt-get update
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
    fi
}

build() {
    local dir=$1; shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}

case "${1:-}" in
play)
    install_missing "${packages[@]}"
    build build
    exec build/bin/quillmere
    ;;
test)
    install_missing "${packages[@]}"
    build build
    (cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")
    # The same tests once more, built with AddressSanitizer and UndefinedBehaviorSanitizer.
    build build-asan -DQUILLMERE_SANITIZE=ON
    (cd build-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")
    ;;
*)
    echo "usage: bash tools/quillmere.sh play|test" >&2
    exit 2
    ;;
esac
