#!/usr/bin/env bash
# Kelvane's main job, shown end to end: sets up and builds, makes a throwaway
# Wine prefix whose simulated PC is the scenario given (default: Windows XP
# with its DNS servers fixed by hand), starts Kelvane.exe, clicks "Login",
# answers every box with its first button, and prints what happened: each
# console tool run, each box, each page the browser was given, and how the
# program was left. Pictures of the dialog before and after the click go to
# out/run/. The prefix is removed at the end.
#
# The browser in the prefix is a recorder that only writes the address down,
# and ipconfig/netsh are substitutes that answer for the simulated PC: nothing
# is sent anywhere and no setting of this machine is touched.
#
# usage: scripts/run.sh [SCENARIO_FILE]   (Windows 95/98/Me scenarios too)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${KELVANE_OUT:-$root/out}
scenario=${1:-$root/tests/scenarios/nt-dns-fixed.txt}
[ -f "$scenario" ] || { echo "run: no scenario file $scenario" >&2; exit 2; }
scenario=$(cd "$(dirname "$scenario")" && pwd)/$(basename "$scenario")

if [ -z "${KELVANE_IN_XVFB:-}" ]; then
    bash "$root/scripts/setup.sh" || exit 1
    bash "$root/scripts/build.sh" || exit 1
    # Wine needs a display for the dialog: the user's when there is one,
    # otherwise a virtual one for this run.
    if [ -z "${DISPLAY:-}" ]; then
        KELVANE_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash "$0" "$scenario"
    fi
fi

# shellcheck source=../tests/wine/lib.sh
source "$root/tests/wine/lib.sh"
# shellcheck source=../tests/wine/lib_flow.sh
source "$root/tests/wine/lib_flow.sh"

shots=$out/run
mkdir -p "$shots"
rm -f "$shots"/*.png

ADAPTER_LIST="Network Adapters on Local Computer"
SETTLE_SECONDS=120

now_ms() { date +%s%3N; }
# When the recorder last wrote an address down (its file's time, in ms).
page_ms() { date -r "$KV_SIM/pages.txt" +%s%3N; }
# at MS: the time MS as seconds since the click.
at() { awk -v t="$1" -v c="$click_ms" 'BEGIN { printf "%+7.2f s", (t - c) / 1000 }'; }
# event MS KIND TEXT: one line of the record, sorted by time at the end.
event() { printf '%s\t%s\t%s\n' "$1" "$2" "$3" >>"$events"; }

echo "run: preparing a throwaway Wine prefix"
kv_init "$out/i686"
events=$KV_TMP/events.txt
: >"$events"
kv_fresh "$scenario"
family=nt
if grep -Eq '^[[:space:]]*family[[:space:]]*=[[:space:]]*1[[:space:]]*$' "$scenario"; then
    family=9x
    kv_win98
fi

echo "run: simulated PC $scenario ($([ $family = 9x ] && echo "Windows 95/98/Me" || echo "NT family"))"
echo "run: starting $KV_EXE on display $DISPLAY"
kv_start
if ! kv_drv wait-window Kelvane 30; then
    echo "run: the dialog \"Kelvane\" did not appear" >&2
    exit 1
fi
kv_screenshot "$shots/dialog.png" Kelvane
echo "run: picture of the dialog: $shots/dialog.png"

echo "run: clicking \"Login\""
click_ms=$(now_ms)
kv_drv click Kelvane $KV_LOGIN || { echo "run: the click could not be sent" >&2; exit 1; }

# Follow the click until it is over: every box is answered with its first
# button, the adapter list with OK (its first line is selected). The click is
# over when the program has ended, or when a tool has run and WorkFile is gone
# again (the workflow deletes it last) with no box up.
pages_seen=0
deadline=$((SECONDS + SETTLE_SECONDS))
outcome=
while [ -z "$outcome" ]; do
    if [ $SECONDS -ge $deadline ]; then
        outcome="still busy after $SETTLE_SECONDS s"
        break
    fi
    n=$(kv_pages | grep -c '')
    if [ "$n" -gt "$pages_seen" ]; then
        t=$(page_ms)
        kv_pages | tail -n +$((pages_seen + 1)) | while IFS= read -r page; do event "$t" page "$page"; done
        pages_seen=$n
    fi
    if ! kv_running; then
        outcome=ended
        break
    fi
    if box=$(kv_drv wait-box 0.2); then
        t=$(now_ms)
        first=$(printf '%s\n' "$box" | sed -n 's/^button=//p' | head -n 1)
        label=${first#* }
        event "$t" box "\"$(kv_field caption "$box")\" (owner: $(kv_field owner "$box")): $(kv_field text "$box")  -> ${label//&/}"
        kv_drv answer-box "${first%% *}" >/dev/null
        sleep 0.3
        continue
    fi
    if kv_drv find "$ADAPTER_LIST" >/dev/null; then
        t=$(now_ms)
        items=$(kv_drv list-items "$ADAPTER_LIST" | cut -f2- | paste -sd'|' -)
        event "$t" list "\"$ADAPTER_LIST\": $items  -> OK (first line)"
        kv_drv click "$ADAPTER_LIST" $KV_IDOK >/dev/null
        sleep 0.3
        continue
    fi
    if [ -n "$(kv_runs)" ] && [ ! -e "$(kv_workfile)" ]; then outcome=over; fi
done
# The recorder runs apart from the program: give a last page a moment.
if [ "$outcome" != "still busy after $SETTLE_SECONDS s" ]; then
    sleep 1
    t=$(page_ms)
    kv_pages | tail -n +$((pages_seen + 1)) | while IFS= read -r page; do event "$t" page "$page"; done
fi
while read -r t line; do event "$t" tool "$line"; done < <(kv_runs_timed)

echo
echo "Record of the click (seconds from the click):"
sort -n -s -k1,1 "$events" | while IFS=$'\t' read -r t kind text; do
    # A box's line breaks, shown as \n by the driver, as lines of their own.
    printf '  %s  %-5s %s\n' "$(at "$t")" "$kind" "$text" | sed 's/\\n/\n                      /g'
done
[ -s "$events" ] || echo "  (nothing)"

echo
if [ "$outcome" = ended ] || ! kv_running; then
    state="Kelvane.exe has ended"
else
    [ "$(kv_drv visible Kelvane)" = 1 ] && shown=shown || shown="hidden (the program stays in the notification area)"
    state="Kelvane.exe is running, its dialog $shown"
    [ "$outcome" = over ] || state="$state; $outcome"
fi
echo "End state: $state"
if awk -F'\t' '$2 == "box" && index($3, "\"System Settings Change\" (owner: (none)): You must restart") == 1 && $3 ~ /-> OK$/ { found = 1 }
    END { exit !found }' "$events"; then
    echo "           Windows was asked to restart: in this throwaway prefix that ends the session"
fi
if [ -e "$(kv_workfile)" ]; then echo "           c:\\ADSLLog.tmp is still there"; else echo "           c:\\ADSLLog.tmp is gone"; fi

if kv_running && [ "$(kv_drv visible Kelvane)" = 1 ]; then
    kv_screenshot "$shots/after.png" Kelvane
else
    kv_screenshot "$shots/after.png"
fi
echo "run: picture after the click: $shots/after.png"
status=0
if [ -s "$KV_LEAKS" ]; then
    echo "run: a host browser was called: $(cat "$KV_LEAKS")" >&2
    status=1
fi
[ "$outcome" = "still busy after $SETTLE_SECONDS s" ] && status=1
echo "run: removing the prefix"
exit $status
