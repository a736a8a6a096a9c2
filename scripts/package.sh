#!/usr/bin/env bash
# Builds the Debian package: a Release build of the programs and their desktop files in build-package/,
# then build-package/skirmela_<version>_<architecture>.deb, whose dependencies dpkg-shlibdeps finds.
# PACKAGE_BUILD_DIR and CMAKE_ARGS may be set by the caller.
set -euo pipefail
cd "$(dirname "$0")/.."

dir=${PACKAGE_BUILD_DIR:-build-package}
BUILD_DIR=$dir BUILD_TYPE=Release BUILD_TARGETS=package_contents \
  CMAKE_ARGS="-DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON ${CMAKE_ARGS:-}" scripts/setup.sh
rm -f "$dir"/*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
ls "$dir"/*.deb
