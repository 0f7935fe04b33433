#!/bin/sh
# Files the game reads are bounded: under a memory limit far below the files' size, oversized and
# endless inputs are refused with one short line and status 2, never by running out of memory.
#
# Usage: cli_bounded_inputs.sh GAME OUT_DIR [sanitized]   (run in the folder the game runs in)
# A sanitized build reserves terabytes of address space for its shadow memory and cannot run
# under ulimit -v; it runs the same cases without the limit.
set -eu
game=$1 out=$2 sanitized=${3:-}
rm -rf "$out" && mkdir -p "$out"
failures=0

# A recording header (the magic, format 4 and 123 bytes of run and checksum), then a hole to
# 3 GB that costs no disk.
{ printf 'TLVR\004'; head -c 123 /dev/zero; } >"$out/huge.rec"
truncate -s 3G "$out/huge.rec"
# One 10 MB line, and a line of a 4000-byte word the parser cannot take.
head -c 10000000 /dev/zero | tr '\0' 'k' >"$out/long-line.txt"
{ printf '5 key 88 down '; head -c 4000 /dev/zero | tr '\0' '\033'; echo; } >"$out/bad-word.txt"

# flag     | file                  | what the one line says
rows="--replay |$out/huge.rec         |larger than 256 MB
--replay   |/dev/zero              |not a Talvenne recording
--input    |/dev/zero              |longer than 4096 bytes (line 1)
--input    |$out/long-line.txt     |longer than 4096 bytes (line 1)
--input    |$out/bad-word.txt      |unexpected '\\\\x1b\\\\x1b"

echo "$rows" >"$out/rows"
while IFS='|' read -r flag file message; do
  flag=$(echo $flag) file=$(echo $file)
  if [ -n "$sanitized" ]; then
    err=$("$game" --headless --frames 1 "$flag" "$file" 2>&1) && status=0 || status=$?
  else
    err=$( (ulimit -v 600000; exec "$game" --headless --frames 1 "$flag" "$file") 2>&1) &&
      status=0 || status=$?
  fi
  line=$(echo "$err" | head -n 1)
  echo "$flag $file: status $status: $line"
  if [ "$status" != 2 ]; then
    echo "FAIL: expected status 2"; failures=$((failures + 1))
  fi
  case $line in *"$message"*) ;; *) echo "FAIL: expected '$message'"; failures=$((failures + 1)) ;; esac
  # The offending text is quoted short: the line stays well under 200 characters.
  if [ ${#line} -gt 200 ]; then
    echo "FAIL: a line of ${#line} characters"; failures=$((failures + 1))
  fi
done <"$out/rows"
rm -f "$out/huge.rec" "$out/long-line.txt"
[ $failures = 0 ] || { echo "$failures failures"; exit 1; }
