#!/usr/bin/env bash
# Usage: make-seeds.sh BUILD_DIR CORPUS_DIR
# Adds full-image seeds to the database fuzzer's corpus: a sample image taken raw (mode byte 0)
# followed by a few operations. Written at run time because each is a quarter megabyte.
set -euo pipefail
build=$1
corpus=$2
cmake --build "$build" --target orbivane-sampledb >/dev/null
for seed in 1 2; do
    out="$corpus/raw-sample-$seed"
    [ -f "$out" ] && continue
    img=$(mktemp)
    "$build/tools/sampledb/orbivane-sampledb" --seed "$seed" --satellites 8 --channels 1200 "$img"
    # mode 0, the image, then: delete satellite 3, release transponder 10, apply on satellite 1.
    { printf '\x00'; cat "$img"; printf '\x01\x03\x00\x00\x00\x05\x0a\x00\x00\x00\x08\x01\x00\x05\x00'; } > "$out"
    rm -f "$img"
done
