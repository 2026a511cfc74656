#!/usr/bin/env bash
# Developer entry point on Debian 12.
#   scripts/dev.sh run    install missing packages, build, start the diary
#   scripts/dev.sh test   install missing packages, build, run the whole test suite
# Environment: BUILD_DIR (default build), CMAKE_ARGS (extra configure arguments),
#              CTEST_ARGS (extra ctest arguments).
set -euo pipefail

cd "$(dirname "$0")/.."
mode=${1:-}
build_dir=${BUILD_DIR:-build}

packages=(build-essential cmake ninja-build pkg-config
          qt6-base-dev qt6-base-dev-tools libgl-dev
          libbenchmark-dev
          fonts-dejavu-core poppler-utils
          xvfb xauth)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

build() {
    # shellcheck disable=SC2086
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} \
        ${CMAKE_ARGS:-}
    cmake --build "$build_dir"
}

case "$mode" in
run)
    install_missing
    build
    if [ -x "$build_dir/bin/repbook" ]; then
        exec "$build_dir/bin/repbook"
    fi
    echo "Built. The diary program is not part of this build yet."
    ;;
test)
    install_missing
    build
    # shellcheck disable=SC2086
    (cd "$build_dir" && ctest --output-on-failure -j"$(nproc)" ${CTEST_ARGS:-})
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
