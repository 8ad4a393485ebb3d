#!/usr/bin/env bash
# Renders the man pages in docs/ from their scdoc sources (docs/NAME.N.scd -> docs/NAME.N).
# The rendered pages are committed, so that building and installing needs no scdoc; run this
# after editing a source. With --check, fails when a committed page is not the rendering of its
# source, and exits 77 (skipped, for ctest) where scdoc is not installed.
set -euo pipefail
cd "$(dirname "$0")/.."
# A fixed date keeps the rendering the same on every machine and day.
export SOURCE_DATE_EPOCH=1767225600
check=0
[ "${1:-}" = --check ] && check=1
if ! command -v scdoc >/dev/null; then
    echo "scdoc is not installed (Debian: apt-get install scdoc)" >&2
    # 77: ctest's mark for a skipped test
    [ "$check" = 1 ] && exit 77
    exit 1
fi
rc=0
for src in docs/*.scd; do
    page=${src%.scd}
    if [ "$check" = 1 ]; then
        if ! scdoc <"$src" | cmp -s - "$page"; then
            echo "$page is not the rendering of $src: run scripts/manpages.sh" >&2
            rc=1
        fi
    else
        scdoc <"$src" >"$page"
    fi
done
exit $rc
