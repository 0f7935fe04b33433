#!/bin/sh
# The include rules of the source tree. Game folders stand in layers, and a file includes only
# from its own folder or from folders below it; only platform/ includes SDL, a codec or zlib;
# only the generator draws with Cairo. Prints one line per broken rule (file, line, rule) and
# fails if any.
#
# Usage: check_layers.sh [ROOT]
set -eu
root=${1:-$(dirname "$0")/..}
cd "$root"

# Bottom layer first. Folders on one line share a layer and may not include each other.
layers='platform
files
generated
world
input audio
fx
actors
combat
mounts
heroine
enemies
segments
ui
bot
app'

files=$(for folder in $(echo "$layers" | tr '\n' ' '); do
  [ -d "$folder" ] && find "$folder" -name '*.h' -o -name '*.cpp' -o -name '*.inc'
done; find tests tools -name '*.h' -o -name '*.cpp' 2>/dev/null) || true

# shellcheck disable=SC2086
awk -v layers="$layers" '
  BEGIN {
    n = split(layers, rows, "\n")
    for (i = 1; i <= n; ++i) {
      m = split(rows[i], names, " ")
      for (j = 1; j <= m; ++j) rank[names[j]] = i
    }
    # The catalogue and the embedding are written by the generator into the build tree.
    header_rank["asset_catalogue.h"] = rank["generated"]
    header_rank["embedded_assets.h"] = rank["generated"]
    bad = 0
  }
  FNR == 1 {
    folder = FILENAME
    sub(/\/.*/, "", folder)
  }
  /^[ \t]*#[ \t]*include[ \t]*[<"]/ {
    target = $0
    sub(/^[ \t]*#[ \t]*include[ \t]*[<"]/, "", target)
    sub(/[>"].*/, "", target)
    where = FILENAME ":" FNR ": "
    if (target ~ /^cairo(\/|\.h$)/ && folder != "tools") {
      print where "includes <" target ">: only the asset generator (tools/) draws with Cairo"
      bad = 1
    }
    if (folder == "tests" || folder == "tools") next
    if (folder != "platform" && (target ~ /^SDL/ || target ~ /^(png|jpeglib|ft2build|zlib)\.h$/ ||
                                 target ~ /^(vorbis|ogg)\//)) {
      print where "includes <" target ">: only platform/ includes SDL, a codec or zlib"
      bad = 1
      next
    }
    top = target
    if (sub(/\/.*/, "", top) == 0) {
      if (!(target in header_rank)) next
      target_rank = header_rank[target]
      top = "generated"
    } else if (top in rank) {
      target_rank = rank[top]
    } else {
      next
    }
    if (top == folder) next
    if (target_rank >= rank[folder]) {
      print where "includes \"" target "\": " folder "/ may include only folders below it, and " \
            top "/ is not below it"
      bad = 1
    }
  }
  END { exit bad }
' $files
