#!/bin/sh
# Runs one test's command in a fresh temporary folder of its own, with the game's staged data
# (and the generator's pictures, which the asset tests compare with) linked in from the build
# tree, so that nothing a player leaves in the build tree (binding files above all) changes a
# test, and no two tests share a file. The folder goes when the command
# ends; the exit status is the command's.
#
# Usage: in_fresh_folder.sh BUILD_DIR COMMAND [ARG...]
set -eu
build=$1
shift
dir=$(mktemp -d "${TMPDIR:-/tmp}/talvenne-test-XXXXXX")
trap 'rm -rf "$dir"' EXIT
for staged in BGM Fonts sounds "Skill List - Momo.jpg" assets; do
  ln -s "$build/$staged" "$dir/$staged"
done
cd "$dir"
status=0
"$@" || status=$?
exit "$status"
