#!/usr/bin/env bash
# How fast Kelvane.exe is under Wine, on a simulated PC whose console tools end
# at once (tests/scenarios/nt-happy.txt: the modem already serves the PC, so
# "Login" runs ipconfig /release, /renew and /all and opens the start page).
# Not a test: it prints figures, the median of each over a few rounds after
# one round that warms Wine up.
#
#   start to dialog   from starting Kelvane.exe until its dialog is shown;
#   Login             from the posted click until the browser (the recorder)
#                     has written the start page down;
#   launcher          the same three tool runs started back to back by a plain
#                     launcher (tools/launcher: process start and a wait, no
#                     pause), timed inside the prefix;
#   per tool run      (Login - launcher) / 3: what the program adds to each
#                     tool run. Its runner pauses 200 ms and then waits in
#                     steps of 100 ms, so up to 300 ms are expected and
#                     nothing else of weight;
#   browser start     the recorder started by the launcher, the part of Login
#                     that is no tool run.
#
# usage: scripts/benchmark.sh [ROUNDS] [BUILD_DIR]
#   ROUNDS: default 5. BUILD_DIR: a mingw i686 build; without it the project
#   is set up and built into out/ first.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
rounds=${1:-5}
build=${2:-}

if [ -z "${KELVANE_IN_XVFB:-}" ] && [ -z "$build" ]; then
    bash "$root/scripts/setup.sh" || exit 1
    bash "$root/scripts/build.sh" || exit 1
fi
[ -n "$build" ] || build=${KELVANE_OUT:-$root/out}/i686
build=$(cd "$build" && pwd) || exit 2

# shellcheck source=../tests/wine/lib.sh
source "$root/tests/wine/lib.sh"
# shellcheck source=../tests/wine/lib_flow.sh
source "$root/tests/wine/lib_flow.sh"
# Always a virtual display of its own: nothing else draws meanwhile.
kv_need_display "$rounds" "$build"

LAUNCHER=$build/tools/launcher.exe
[ -f "$LAUNCHER" ] || { echo "missing: $LAUNCHER" >&2; exit 2; }

now_ms() { date +%s%3N; }
median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.0f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
fail() { echo "benchmark: $*" >&2; exit 1; }

echo "benchmark: preparing a Wine prefix"
kv_init "$build"
kv_fresh nt-happy
grep -Eq '^[[:space:]]*delay_ms[[:space:]]*=[[:space:]]*[1-9]' "$KV_SIM/pc.txt" && fail "the scenario's tools must end at once"
cp "$LAUNCHER" "$KV_SIM/launcher.exe"
IPCONFIG='C:\windows\system32\ipconfig.exe'

results=$KV_TMP/results.txt
: >"$results"

# one_round: prints "dialog login launcher browser" in milliseconds.
one_round() {
    local t0 t1 click page launcher browser
    kv_fresh nt-happy

    # The driver is already polling when the program starts.
    (kv_drv wait-visible Kelvane 1 30 >/dev/null) &
    local waiter=$!
    sleep 1
    t0=$(now_ms)
    kv_start
    wait "$waiter" || fail "the dialog did not appear"
    t1=$(now_ms)

    kv_drv click Kelvane $KV_LOGIN || fail "the click could not be sent"
    click=$(now_ms)  # the click is posted just before the driver ends
    local deadline=$((SECONDS + 30))
    until [ -s "$KV_SIM/pages.txt" ]; do
        [ $SECONDS -lt $deadline ] || fail "no page after the click"
        sleep 0.02
    done
    page=$(date -r "$KV_SIM/pages.txt" +%s%3N)
    [ "$(kv_pages)" = "$KV_START_PAGE" ] || fail "unexpected pages: $(kv_pages)"
    [ "$(kv_runs | paste -sd, -)" = "ipconfig /release,ipconfig /renew,ipconfig /all" ] ||
        fail "unexpected tool runs: $(kv_runs | paste -sd, -)"
    kv_drv syscommand Kelvane 0xF060 >/dev/null
    kv_wait_exit 15 || fail "the program did not end on close"

    launcher=$(cd "$KV_C" && wine "$KV_SIM/launcher.exe" 'C:\kelvane-sim\launcher.out' "$IPCONFIG" \
        "ipconfig /release" "ipconfig /renew" "ipconfig /all" 2>/dev/null | tr -d '\r' |
        awk -F'\t' '$2 == "total" { print $1 }')
    [ -n "$launcher" ] || fail "the launcher did not report"
    browser=$(cd "$KV_C" && wine "$KV_SIM/launcher.exe" 'C:\kelvane-sim\launcher.out' 'C:\kelvane-sim\recorder.exe' \
        "recorder.exe $KV_START_PAGE" 2>/dev/null | tr -d '\r' | awk -F'\t' '$2 == "total" { print $1 }')
    [ -n "$browser" ] || fail "the launcher did not report the browser start"

    echo "$((t1 - t0)) $((page - click)) $launcher $browser"
}

echo "benchmark: one round to warm Wine up, then $rounds"
one_round >/dev/null
for ((i = 1; i <= rounds; i++)); do
    r=$(one_round) || exit 1
    read -r d l n b <<<"$r"
    echo "  round $i: dialog $d ms, Login $l ms, launcher $n ms, browser start $b ms"
    echo "$r" >>"$results"
done

col() { awk -v c="$1" '{ print $c }' "$results" | median; }
dialog=$(col 1)
login=$(col 2)
launcher=$(col 3)
browser=$(col 4)
per_run=$(awk -v a="$login" -v b="$launcher" 'BEGIN { printf "%.0f", (a - b) / 3 }')
per_run_net=$(awk -v a="$login" -v b="$launcher" -v c="$browser" 'BEGIN { printf "%.0f", (a - b - c) / 3 }')
size=$(stat -c %s "$build/Kelvane.exe")

echo
echo "Kelvane under $(wine --version 2>/dev/null), medians of $rounds rounds (tools end at once):"
printf '  %-52s %6s ms\n' "start of Kelvane.exe to its dialog shown" "$dialog"
printf '  %-52s %6s ms\n' "Login click to the start page (3 tool runs)" "$login"
printf '  %-52s %6s ms\n' "the same 3 tool runs by a plain launcher" "$launcher"
printf '  %-52s %6s ms   (target: at most 300)\n' "difference per tool run" "$per_run"
printf '  %-52s %6s ms\n' "browser start (the recorder, by the launcher)" "$browser"
printf '  %-52s %6s ms\n' "difference per tool run without the browser start" "$per_run_net"
printf '  %-52s %6s bytes\n' "Kelvane.exe" "$size"
kv_check_no_leaks >/dev/null
[ "$KV_FAILED" -eq 0 ] || fail "an address went to a host browser"
