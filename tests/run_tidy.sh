#!/bin/sh
# clang-tidy with the committed .clang-tidy over every source file of the given game folders,
# as the build compiled them (compile_commands.json). Prints the findings and fails on any.
#
# Usage: run_tidy.sh SOURCE_DIR BUILD_DIR FOLDER...
set -eu
src=$1 build=$2
shift 2
if ! command -v clang-tidy >/dev/null 2>&1; then
  echo "clang-tidy is not installed (make test installs it)"
  exit 1
fi
[ -e "$build/compile_commands.json" ] || { echo "$build/compile_commands.json is missing"; exit 1; }
cd "$src"
out=$(mktemp)
trap 'rm -f "$out"' EXIT
jobs=$(nproc 2>/dev/null || echo 2)
for folder in "$@"; do
  ls "$folder"/*.cpp 2>/dev/null || true
done | xargs -P "$jobs" -n 4 clang-tidy -p "$build" --quiet >"$out" 2>&1 || true
# A header's finding is reported once per file that includes it.
findings=$(grep -E '^[^ ]+:[0-9]+:[0-9]+: (warning|error):' "$out" | sort -u || true)
if [ -n "$findings" ]; then
  cat "$out"
  echo
  echo "clang-tidy findings: $(echo "$findings" | wc -l)"
  exit 1
fi
echo "clang-tidy: no findings in $* ($(for f in "$@"; do ls "$f"/*.cpp; done | wc -l) files)"
