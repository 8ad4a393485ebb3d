#!/usr/bin/env bash
# Builds the Debian package in a build folder (default build-release) and checks it: the file
# list, the dependencies dpkg-shlibdeps found, and lintian (fails on any error it reports). With
# --install (as root, on a machine that may get it installed for a moment): dpkg -i, every listed
# file in place, then dpkg -r and dpkg -P and nothing of the package left behind.
#   scripts/package-check.sh [--install] [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
install=0
[ "${1:-}" = --install ] && { install=1; shift; }
build=${1:-build-release}
. scripts/deps.sh
orbivane_install_deps dpkg-dev lintian
fail() { echo "FAIL: $*" >&2; exit 1; }

[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
rm -f "$build"/orbivane_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/orbivane_*.deb)
echo "== $deb"
dpkg-deb -f "$deb" Package Version Architecture Depends
id=com.tarnwell.Orbivane
expected=(usr/bin/orbivane usr/bin/orbivane-cli usr/share/doc/orbivane/help.pdf
          usr/share/man/man1/orbivane.1.gz usr/share/man/man1/orbivane-cli.1.gz
          usr/share/doc/orbivane/copyright usr/share/doc/orbivane/changelog.gz
          usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml
          usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/icons/hicolor/48x48/apps/$id.png
          usr/lib/udev/rules.d/70-orbivane.rules)
listing=$(dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./||')
for f in "${expected[@]}"; do grep -qx "$f" <<<"$listing" || fail "$f is not in the package"; done
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libstdc++6; do
    grep -q "\b$lib\b" <<<"$depends" || fail "Depends lacks $lib"
done
echo "file list and dependencies OK ($(grep -vc '/$' <<<"$listing") files)"
echo "== lintian"
# Tags a Debian package must not carry come as E: (errors) and W: (warnings); I: and N: are notes.
report=$(lintian --display-info "$deb" 2>&1) || true
echo "${report:-no tags}"
! grep -q '^E: ' <<<"$report" || fail "lintian reports errors"
[ "$install" = 1 ] || exit 0

echo "== dpkg -i"
dpkg -i "$deb" >/dev/null
files=$(dpkg -L orbivane)
while read -r f; do [ -e "$f" ] || fail "$f listed but not installed"; done <<<"$files"
for f in "${expected[@]}"; do [ -e "/$f" ] || fail "/$f not installed"; done
/usr/bin/orbivane-cli --help >/dev/null || fail "the installed orbivane-cli does not run"
echo "installed: $(wc -l <<<"$files") paths"
echo "== dpkg -r, dpkg -P"
dpkg -r orbivane >/dev/null
dpkg -P orbivane >/dev/null
left=()
while read -r f; do
    # Folders shared with other packages (/usr/bin, /usr/share/man/man1...) stay, and should.
    if [ -d "$f" ]; then dpkg -S "$f" >/dev/null 2>&1 || [ -n "$(ls -A "$f")" ] || left+=("$f"); continue; fi
    [ -e "$f" ] && left+=("$f")
done <<<"$files"
[ ! -e /usr/share/doc/orbivane ] || left+=(/usr/share/doc/orbivane)
[ ${#left[@]} -eq 0 ] || fail "left behind: ${left[*]}"
dpkg-query -W orbivane >/dev/null 2>&1 && fail "dpkg still knows the package"
echo "removed and purged: nothing left"
