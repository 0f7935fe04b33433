#!/bin/sh
# Binding files left in the build tree, where `make run` plays, change no test: plants rebound
# ConfigKey.set and ConfigPad.set there, runs every scripted test again beside them, checks that
# none of them wrote the planted files, and puts back whatever files were there before.
#
# Usage: cli_planted_bindings.sh BUILD_DIR
set -eu
build=$1
cd "$build"
kept=$(mktemp -d "${TMPDIR:-/tmp}/talvenne-kept-XXXXXX")
for file in ConfigKey.set ConfigPad.set; do
  if [ -e "$file" ]; then mv "$file" "$kept/"; fi
done
restore() {
  rm -f ConfigKey.set ConfigPad.set
  for file in ConfigKey.set ConfigPad.set; do
    if [ -e "$kept/$file" ]; then mv "$kept/$file" .; fi
  done
  rm -rf "$kept"
}
trap restore EXIT

# Little-endian codes below 256, one 32-bit integer each.
table() {
  for code in "$@"; do printf "\\$(printf %03o "$code")\\000\\000\\000"; done
}
# Attack and Magic swapped, Left and Right swapped; on the pad, the bottom and right buttons.
table 90 88 67 13 80 0 0 0 32 13 39 38 37 40 >ConfigKey.set
table 1 0 2 3 9 >ConfigPad.set
cp ConfigKey.set "$kept/planted.key"
cp ConfigPad.set "$kept/planted.pad"

status=0
ctest --test-dir "$build" -L scripted -j2 --output-on-failure || status=$?
cmp ConfigKey.set "$kept/planted.key" || { echo "a test wrote ConfigKey.set"; status=1; }
cmp ConfigPad.set "$kept/planted.pad" || { echo "a test wrote ConfigPad.set"; status=1; }
exit "$status"
