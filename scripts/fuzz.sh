#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 60) on its seed corpus.
# A crash leaves its input in build-fuzz/; turn it into a regression test.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
command -v clang++ >/dev/null || { echo "clang++ is missing: apt-get install clang libclang-rt-14-dev"; exit 1; }
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DSKIRMELA_WITH_QT=OFF -DSKIRMELA_FUZZ=ON \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz
for target in ReadIni GameText Numbers OpenHeader MoveTables Import CommandLine DescriptionWrites Patch ProjectFiles; do
  work=build-fuzz/corpus/$target
  mkdir -p "$work"
  echo "== fuzz_$target for ${seconds}s"
  status=0
  (cd build-fuzz && "./bin/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 "corpus/$target" \
     "../tests/fuzz/corpus/$target" > "fuzz_$target.log" 2>&1) || status=$?
  grep -E "stat::number_of_executed_units|ERROR|SUMMARY" "build-fuzz/fuzz_$target.log" || true
  if [ "$status" != 0 ]; then echo "fuzz_$target found a failure: see build-fuzz/fuzz_$target.log"; exit 1; fi
done
echo "All fuzz targets ran clean."
