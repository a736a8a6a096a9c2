#!/usr/bin/env bash
# Builds the two Debian packages: a Release build of the programs and their files in build-package/ with
# Debian's hardening flags (dpkg-buildflags), then build-package/skirmela-moves_<version>_<arch>.deb (the
# command-line companion, the demo ROM maker and the shipped profiles) and skirmela_<version>_<arch>.deb
# (the window), whose dependencies dpkg-shlibdeps finds. PACKAGE_BUILD_DIR and CMAKE_ARGS may be set by
# the caller.
set -euo pipefail
cd "$(dirname "$0")/.."

dir=${PACKAGE_BUILD_DIR:-build-package}
# Every hardening feature: stack protector, fortified functions, read-only relocations bound at start,
# position-independent executables. They go into an initial cache that replaces the flags on each run,
# so that an already configured build folder takes them too.
mkdir -p "$dir"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
{
  echo "set(CMAKE_CXX_FLAGS \"$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)\" CACHE STRING \"\" FORCE)"
  echo "set(CMAKE_EXE_LINKER_FLAGS \"$(dpkg-buildflags --get LDFLAGS)\" CACHE STRING \"\" FORCE)"
} >"$dir/debian-build-flags.cmake"
BUILD_DIR=$dir BUILD_TYPE=Release BUILD_TARGETS=package_contents \
  CMAKE_ARGS="-C $dir/debian-build-flags.cmake -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON ${CMAKE_ARGS:-}" \
  scripts/setup.sh
rm -f "$dir"/*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
ls "$dir"/*.deb
