#!/usr/bin/env bash
# Developer entry point on Debian 12.
#   scripts/dev.sh run    install missing packages, build, start the diary
#   scripts/dev.sh test   install missing packages, build, run the whole test suite
#   scripts/dev.sh deb    install missing packages, build a release without tests and make
#                         the Debian package build-deb/repbook_<version>_<arch>.deb
# Environment: BUILD_DIR (default build, build-deb for deb), BUILD_TYPE (default
#              RelWithDebInfo, Release for deb), CMAKE_ARGS (extra configure arguments),
#              CTEST_ARGS (extra ctest arguments).
set -euo pipefail

cd "$(dirname "$0")/.."
mode=${1:-}
if [ "$mode" = deb ]; then
    build_dir=${BUILD_DIR:-build-deb}
    BUILD_TYPE=${BUILD_TYPE:-Release}
    CMAKE_ARGS="-DREPBOOK_BUILD_TESTS=OFF -DREPBOOK_BUILD_BENCH=OFF ${CMAKE_ARGS:-}"
else
    build_dir=${BUILD_DIR:-build}
fi

packages=(build-essential cmake ninja-build pkg-config
          qt6-base-dev qt6-base-dev-tools libgl-dev qt6-charts-dev libqt6opengl6-dev libcsv-dev
          qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
          libbenchmark-dev
          fonts-dejavu-core poppler-utils
          xvfb xauth)
# Making the Debian package: dpkg-shlibdeps (dpkg-dev) works out its dependencies, and CPack
# finds the programs to look at with file.
package_tools=(dpkg-dev file)

# shellcheck source=scripts/install-missing.sh
source scripts/install-missing.sh

build() {
    # shellcheck disable=SC2086
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} \
        ${CMAKE_ARGS:-}
    cmake --build "$build_dir"
}

case "$mode" in
run)
    install_missing "${packages[@]}"
    build
    exec "$build_dir/bin/repbook"
    ;;
test)
    install_missing "${packages[@]}"
    build
    # shellcheck disable=SC2086
    (cd "$build_dir" && ctest --output-on-failure -j"$(nproc)" ${CTEST_ARGS:-})
    ;;
deb)
    install_missing "${packages[@]}" "${package_tools[@]}"
    build
    (cd "$build_dir" && cpack -G DEB)
    ls "$build_dir"/repbook_*.deb
    ;;
*)
    echo "usage: $0 run|test|deb" >&2
    exit 2
    ;;
esac
