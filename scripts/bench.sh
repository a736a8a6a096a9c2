#!/usr/bin/env bash
# Builds the benchmarks (Release), runs them offscreen, prints the markdown table of figures and
# targets and keeps it in bench/RESULTS.md.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=build-bench BUILD_TYPE=Release CMAKE_ARGS=-DSKIRMELA_BENCH=ON scripts/setup.sh >/dev/null
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/skirmela-xdg-$UID}
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
build-bench/bin/skirmela_bench --benchmark_repetitions=1 --benchmark_format=json \
  --benchmark_out=build-bench/bench.json --benchmark_out_format=json >/dev/null
python3 bench/report.py build-bench/bench.json | tee bench/RESULTS.md
