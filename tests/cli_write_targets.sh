#!/bin/sh
# Files the game writes never destroy anything. For recordings and screenshots alike, a table of
# targets: what is refused (status 2 before the first frame), what fails while writing (status
# 1), each with its reason, and what is at the target afterwards.
# Also: a run that fails at start keeps the old recording, and SIGHUP ends a run like SIGTERM
# with its recording saved.
#
# Usage: cli_write_targets.sh GAME OUT_DIR PART   (run in the folder the game runs in)
# PART is record, screenshot (the table for that kind of file) or signals (the rest), so that
# the three can run side by side.
set -eu
game=$1 out=$2/$3 part=$3
rm -rf "$out" && mkdir -p "$out"
failures=0
# The binding files as a first start leaves them, so that no run below has to write them first.
"$game" --headless --frames 1 >/dev/null 2>&1
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# What a path is, and its bytes when it is a regular file, so that changes show.
describe() {
  if [ -L "$1" ]; then printf 'link to %s; ' "$(readlink "$1")"; fi
  if [ -b "$1" ] || [ -c "$1" ]; then echo device
  elif [ -d "$1" ]; then echo directory
  elif [ -p "$1" ]; then echo fifo
  elif [ -f "$1" ]; then echo "file $(ls -l "$1" | cut -c1-10) $(cksum <"$1")"
  elif [ -e "$1" ]; then echo other
  else echo missing; fi
}

# run KIND TARGET LIMIT: one short headless run writing TARGET as a recording or a screenshot.
run() {
  if [ "$1" = record ]; then set -- --record "$2" "$3"; else set -- --screenshot "2:$2" "$3"; fi
  # Through a pipe: under the size limit the game could not write a log file either.
  log=$( (ulimit -f "$3"; exec "$game" --headless --frames 3 --seed 1 "$1" "$2") 2>&1) &&
    status=0 || status=$?
}

# name       | set-up                                        | status | message      | afterwards
rows='device    |mknod "$t" c 1 3                               |2|is a device          |same
directory    |mkdir "$t"                                       |2|is a directory       |same
fifo         |mkfifo "$t"                                      |2|is a FIFO            |same
read-only    |echo old >"$t"; chmod 444 "$t"                   |2|is read-only         |same
no-folder    |t="$t/nowhere/x"                                 |2|No such file         |same
size-limit   |echo old >"$t"                                   |any|File too large       |same
symlink      |echo old >"$t.real"; ln -s "$(basename "$t").real" "$t"|0|      |written through
new-file     |:                                                |0|                     |written'

echo "$rows" >"$out/rows"
for kind in record screenshot; do
  [ "$kind" = "$part" ] || continue
  while IFS='|' read -r name setup want message after; do
    name=$(echo $name) want=$(echo $want) message=$(echo $message) after=$(echo $after)
    t="$out/$kind-$name"
    if [ "$name" = device ] && [ "$(id -u)" -ne 0 ]; then
      echo "$kind $name: skipped (making a device node needs root)"
      continue
    fi
    eval "$setup"
    before=$(describe "$t")
    limit=unlimited
    [ "$name" = size-limit ] && limit=0
    run "$kind" "$t" "$limit"
    if [ "$want" = any ]; then
      # Too large from the first byte: a recording finds out before the first frame.
      [ "$kind" = record ] && want=2 || want=1
    fi
    line=$(echo "$log" | head -n 1)
    [ "$status" = "$want" ] || fail "$kind $name: status $status, expected $want: $line"
    if [ -n "$message" ]; then
      case $line in *"$message"*) ;; *) fail "$kind $name: expected '$message' in: $line" ;; esac
    fi
    now=$(describe "$t")
    case $after in
      same) [ "$now" = "$before" ] || fail "$kind $name: was '$before', now '$now'" ;;
      "written through")
        [ -L "$t" ] || fail "$kind $name: the link is gone"
        [ "$(describe "$t.real")" != "file -rw-r--r-- $(echo old | cksum)" ] ||
          fail "$kind $name: the linked file was not written" ;;
      written) [ -f "$t" ] && [ -s "$t" ] || fail "$kind $name: nothing written" ;;
    esac
    echo "$kind $name: status $status; $line"
  done <"$out/rows"
done

# Nothing but the targets in the folder: no temporary is ever left behind.
leftovers=$(find "$out" -name '.*' | head -n 3)
[ -z "$leftovers" ] || fail "temporaries left behind: $leftovers"

if [ "$part" != signals ]; then
  [ $failures = 0 ] || { echo "$failures failures"; exit 1; }
  echo "every $part target behaves"
  exit 0
fi

# A run that fails at start (here: a copy of the program with no assets beside it or in a data
# folder of its own) keeps the old recording.
mkdir -p "$out/empty" "$out/home"
cp "$game" "$out/empty/talvenne"
echo old >"$out/empty/keep.rec"
(cd "$out/empty" && HOME="$out/home" ./talvenne --headless --frames 3 --record keep.rec) \
  >"$out/log" 2>&1 && fail "a run without its assets started" || true
grep -q "cannot load" "$out/log" || fail "a run without its assets: $(cat "$out/log")"
[ "$(cat "$out/empty/keep.rec")" = old ] || fail "a failed start replaced the old recording"

# SIGHUP ends a run between frames, like SIGTERM: the recording is whole and replays.
for signal in HUP TERM; do
  "$game" --headless --no-draw --frames 100000000 --record "$out/$signal.rec" >"$out/log" 2>&1 &
  pid=$!
  waited=0
  while [ ! -s "$out/$signal.rec" ] && [ $waited -lt 3000 ]; do sleep 0.01; waited=$((waited + 1)); done
  sleep 0.5
  kill -$signal $pid
  wait $pid && status=0 || status=$?
  [ $status = 0 ] || fail "SIG$signal: status $status: $(cat "$out/log")"
  "$game" --headless --no-draw --frames 1 --replay "$out/$signal.rec" >"$out/log" 2>&1 ||
    fail "SIG$signal: the recording does not replay: $(cat "$out/log")"
done

[ $failures = 0 ] || { echo "$failures failures"; exit 1; }
echo "failed starts and signals keep the recordings"
