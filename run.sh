#!/usr/bin/env bash
# Builds the editor, makes the demo ROM and starts the editor with the demo ROM open.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
bin=build/bin
rom=$("$bin/make_demo_rom" build/skirmela-demo.gba)
echo "Demo ROM: $rom"
if [ -x "$bin/skirmela" ]; then
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display here. Run it under a virtual one:  xvfb-run -s '-screen 0 800x600x24' $bin/skirmela $rom"
    exit 0
  fi
  exec "$bin/skirmela" "$rom"
else
  echo "The window is not built yet; running the ROM layer's tests instead."
  cd build && ctest --output-on-failure -R '^(ReadHexBytes|WriteHexByte|DecodeGameText|DemoRom)'
fi
