#!/usr/bin/env bash
# Builds everything and runs every test (the window's tests run offscreen), then runs the whole
# suite again in a build with AddressSanitizer and UndefinedBehaviorSanitizer, then builds the Debian
# package and checks it unpacked.
set -euo pipefail
cd "$(dirname "$0")"
export QT_QPA_PLATFORM=offscreen

scripts/setup.sh
scripts/check_format.sh
(cd build && ctest --output-on-failure -j2)

echo "== The same tests under AddressSanitizer and UndefinedBehaviorSanitizer"
BUILD_DIR=build-asan BUILD_TYPE=Debug CMAKE_ARGS=-DSKIRMELA_SANITIZE=ON scripts/setup.sh
(cd build-asan && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
   ctest --output-on-failure -j2)

echo "== The Debian package: a Release build, unpacked and checked as it installs"
scripts/package.sh
scripts/check_package.sh
