#!/usr/bin/env bash
# Runs every Wine end-to-end test (tests/wine/test_*.sh) against one build and
# adds up their results. Builds nothing: BUILD_DIR is a finished mingw i686
# build (Kelvane.exe, tools/driver.exe, tools/recorder.exe, tools/subst/).
#
# usage: tests/wine/run_all.sh BUILD_DIR [TEST...]
# One virtual display serves the whole run, and one freshly booted prefix is
# the template that each test copies (booting Wine is the slow part).

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
source "$here/lib.sh"
kv_need_display "$@"

build=${1:?usage: $0 BUILD_DIR [TEST...]}
shift
if [ $# -gt 0 ]; then tests=("$@"); else tests=("$here"/test_*.sh); fi

template=$(mktemp -d /tmp/kelvane-wine-template.XXXXXX)
log=$(mktemp /tmp/kelvane-run-all.XXXXXX)
cleanup_all() {
    WINEPREFIX=$template wineserver -k >/dev/null 2>&1
    rm -rf "$template" "$log"
}
trap cleanup_all EXIT

echo "# booting the template prefix"
WINEPREFIX=$template WINEARCH=win32 WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" \
    bash -c 'wineboot -i >/dev/null 2>&1; wineserver -w'
if [ -f "$template/system.reg" ]; then
    export KELVANE_WINE_TEMPLATE=$template
else
    echo "# the template prefix did not boot; each test boots its own"
fi

passed=0
failed=0
for t in "${tests[@]}"; do
    echo "# $(basename "$t")"
    start=$SECONDS
    bash "$t" "$build" 2>&1 | tee "$log"
    status=${PIPESTATUS[0]}
    summary=$(grep -E '^[0-9]+ passed, [0-9]+ failed$' "$log" | tail -n 1)
    p=0 f=0
    [ -n "$summary" ] && read -r p _ f _ <<<"$summary"
    passed=$((passed + p))
    failed=$((failed + f))
    # A test that broke off, or failed without saying so, counts as one failure.
    if [ "$status" -ne 0 ] && [ "$f" -eq 0 ]; then
        echo "not ok - $(basename "$t") ended with status $status"
        failed=$((failed + 1))
    fi
    echo "# $(basename "$t"): $((SECONDS - start)) s"
done

printf '%d passed, %d failed\n' "$passed" "$failed"
[ "$failed" -eq 0 ]
