#!/usr/bin/env bash
# Runs test programs of a build as an ordinary account, for a root shell. Root ignores file
# permissions and another program's exclusive hold on a serial line, so faults there only show
# for an ordinary user. The programs run from a copy in a folder the account owns: the build
# folder may lie where it cannot look (a clone under /root).
# Usage: scripts/as-user-tests.sh BUILD_DIR TEST_NAME...   (ORBIVANE_TEST_USER, default nobody)
set -euo pipefail
build=$1
shift
user=${ORBIVANE_TEST_USER:-nobody}
group=$(id -gn "$user")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
for t in "$@"; do
    cp "$(find "$build/tests" -type f -name "$t" -perm -u+x | head -n 1)" "$dir/"
done
# A sanitizer build's options go along; the leak suppressions are copied where the account can read them.
sanitizer_env=()
for var in ASAN_OPTIONS UBSAN_OPTIONS; do
    if [ -n "${!var:-}" ]; then sanitizer_env+=("$var=${!var}"); fi
done
if [[ "${LSAN_OPTIONS:-}" =~ suppressions=([^:]+) ]]; then
    cp "${BASH_REMATCH[1]}" "$dir/lsan.supp"
    sanitizer_env+=("LSAN_OPTIONS=${LSAN_OPTIONS/${BASH_REMATCH[1]}/$dir/lsan.supp}")
elif [ -n "${LSAN_OPTIONS:-}" ]; then
    sanitizer_env+=("LSAN_OPTIONS=$LSAN_OPTIONS")
fi
chown -R "$user:$group" "$dir"

pids=()
for t in "$@"; do
    (cd "$dir" && exec env -i PATH=/usr/bin:/bin HOME="$dir" TMPDIR="$dir" QT_QPA_PLATFORM=offscreen \
        "${sanitizer_env[@]}" timeout 120 setpriv --reuid="$user" --regid="$group" --clear-groups "./$t" >"$dir/$t.log" 2>&1) &
    pids+=($!)
done
rc=0
i=0
for t in "$@"; do
    if wait "${pids[$i]}"; then
        echo "$t as $user: passed"
    else
        rc=1
        echo "$t as $user: FAILED"
        cat "$dir/$t.log"
    fi
    i=$((i + 1))
done
exit $rc
