#!/usr/bin/env bash
# Checks that every C++ source and header of the project is formatted as .clang-format says, by
# clang-format-14: Debian 12's version, which scripts/setup.sh installs. Another version formats some
# lines differently, so the version is pinned. Names each file that differs and exits 1; changes nothing.
# --list prints the files it checks instead.
# The files: every *.cpp and *.h of the tree but those in build folders (build*/) and hidden folders.
set -euo pipefail
cd "$(dirname "$0")/.."
formatter=clang-format-14

files=()
while IFS= read -r -d '' f; do files+=("${f#./}"); done < <(
  find . -mindepth 1 \( -path './build*' -o -name '.*' \) -prune -o \
    -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
if [ "${1:-}" = --list ]; then
  printf '%s\n' "${files[@]}"
  exit 0
fi

if ! command -v "$formatter" >/dev/null; then
  echo "$formatter is missing: scripts/setup.sh installs it (Debian package clang-format-14)"
  exit 1
fi
differ=()
for f in "${files[@]}"; do
  "$formatter" --style=file "$f" | cmp -s - "$f" || differ+=("$f")
done
if [ ${#differ[@]} -gt 0 ]; then
  echo "Not formatted as .clang-format says (${#differ[@]} of ${#files[@]} files):"
  printf '  %s\n' "${differ[@]}"
  echo "Format them with: $formatter -i FILE..."
  exit 1
fi
echo "All ${#files[@]} C++ files are formatted as .clang-format says."
