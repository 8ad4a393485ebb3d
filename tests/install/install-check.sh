#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks the tree: every file in its place, the
# manual where Help > Manual looks from the installed program, the icons of the sizes their
# folders claim, the desktop entry and the AppStream metainfo valid. Exits 77 (skipped, for
# ctest) when all else passed but desktop-file-validate or appstreamcli is not installed.
#   tests/install/install-check.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
fail() { echo "FAIL: $*" >&2; exit 1; }

id=com.tarnwell.Orbivane
share=$prefix/share
for f in bin/orbivane bin/orbivane-cli share/man/man1/orbivane.1.gz share/man/man1/orbivane-cli.1.gz \
         share/doc/orbivane/copyright share/doc/orbivane/changelog.gz \
         share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg lib/udev/rules.d/70-orbivane.rules; do
    [ -s "$prefix/$f" ] || fail "$f is not installed"
done
# The path the program computes from its own folder.
head -c5 "$prefix/bin/../share/doc/orbivane/help.pdf" | grep -q '%PDF-' || fail "no help.pdf beside bin/../share/doc/orbivane"
"$prefix/bin/orbivane-cli" --help >/dev/null || fail "the installed orbivane-cli does not run"
grep -qx "Icon=$id" "$share/applications/$id.desktop" || fail "the desktop entry names another icon"
for size in 16 24 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x$size/apps/$id.png
    # width and height: big-endian words at bytes 16 and 20 of the PNG header
    read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$png") || fail "no $png"
    [ "$w $h" = "$size $size" ] || fail "$png is ${w}x$h"
done

skipped=()
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$share/applications/$id.desktop" || fail "desktop entry"
else
    skipped+=(desktop-file-validate)
fi
if command -v appstreamcli >/dev/null; then
    # validate-tree also checks that the metainfo's launchable is the installed desktop entry
    appstreamcli validate-tree --no-net "$prefix" || fail "AppStream metainfo"
else
    skipped+=(appstreamcli)
fi
if [ ${#skipped[@]} -gt 0 ]; then
    echo "SKIPPED: ${skipped[*]} not installed" >&2
    exit 77
fi
echo "installed tree OK"
