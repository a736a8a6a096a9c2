#!/usr/bin/env bash
# Installs what the build needs (when missing), then configures and builds into build/.
# Used by run.sh, test.sh and package.sh; BUILD_DIR, BUILD_TYPE, CMAKE_ARGS and BUILD_TARGETS may be set by
# the caller.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ qt6-base-dev libgl1-mesa-dev libgtest-dev libgmock-dev libbenchmark-dev
          xvfb xauth imagemagick fonts-dejavu-core dpkg-dev desktop-file-utils appstream x11-utils locales
          xdotool lintian shared-mime-info zlib1g-dev clang-format-14)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
  else
    echo "Missing packages. Run:"
    echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}"
    exit 1
  fi
fi

# The number conversions are tested under a comma-decimal locale: it must exist on the machine.
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
  if [ "$(id -u)" -eq 0 ]; then
    sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null
  else
    echo "The locale de_DE.UTF-8 is missing. Run:"
    echo "  sudo sed -i 's/^# *de_DE.UTF-8/de_DE.UTF-8/' /etc/locale.gen && sudo locale-gen"
    exit 1
  fi
fi

BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} ${CMAKE_ARGS:-} >/dev/null
cmake --build "$BUILD_DIR" ${BUILD_TARGETS:+--target $BUILD_TARGETS}
