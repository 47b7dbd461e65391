#!/usr/bin/env bash
# The command runner under Wine, one RunCommand at a time through probe.exe:
# the tool starts hidden with its standard output in c:\ADSLLog.tmp and its
# standard error elsewhere; a WorkFile that cannot be created is reported;
# a tool that hangs is stopped; Windows 95/98/Me take the Windows directory.
#
# usage: tests/wine/test_runner.sh BUILD_DIR   (the mingw i686 build; the
#        native twin probe_native comes from $KELVANE_NATIVE_BUILD or BUILD_DIR/../native)

# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
# shellcheck source=lib_probe.sh
source "$(dirname "$0")/lib_probe.sh"
kv_need_display "$@"
kv_init "${1:-}"
kp_init

WORKFILE=$KV_C/ADSLLog.tmp
SYS_IPCONFIG='C:\windows\system32\ipconfig.exe'
NOISE="warning: this line goes to standard error only" # nt-slow-noisy's standard error
workfile() { tr -d '\r' <"$WORKFILE"; }

# --- a tool's output lands in WorkFile, its standard error does not -------------

kv_scenario nt-slow-noisy
start=$SECONDS
out=$(kp_probe run GetNetworkCard "$SYS_IPCONFIG" "ipconfig /all" 5)
took=$((SECONDS - start))
native=$(kp_native nt-slow-noisy run GetNetworkCard 'C:\WINDOWS\system32\ipconfig.exe' "ipconfig /all" 5)
kv_eq "ipconfig /all: result 1 and its output in WorkFile, as natively" "$native" "$out"
kv_eq "the printed output is the file c:\\ADSLLog.tmp" "$(sed 1d <<<"$out")" "$(workfile)"
kv_check "the runner waits for the tool (1.5 s)" test "$took" -ge 2
kv_check_fails "the tool's standard error is not in WorkFile" grep -qF "$NOISE" "$WORKFILE"
kv_has "the tool's standard error is the program's own" "$NOISE" "$(kp_probe_err)"

# The probe itself as the tool: it reports the start-up information it got.
out=$(kp_probe run Show "$KP_WIN" "probe startinfo" 5)
kv_eq "the tool starts hidden (STARTF_USESHOWWINDOW|STARTF_USESTDHANDLES, SW_HIDE)" \
    "$(printf '1\nflags=0x101 show=0')" "$out"
kv_check_fails "its standard error is not in WorkFile" grep -qF "probe: this line goes to standard error" "$WORKFILE"
kv_has "its standard error reaches the program's own" "probe: this line goes to standard error" "$(kp_probe_err)"
out=$(kp_probe run Show "$KP_WIN" "probe startinfo" 5 7)
kv_eq "the show state passed is the one the tool gets" "$(printf '1\nflags=0x101 show=7')" "$out"

# --- a WorkFile that cannot be created --------------------------------------------

printf 'older output\r\n' >"$WORKFILE"
if kp_read_only "$WORKFILE"; then
    kp_probe_bg run GetNetworkCard "$SYS_IPCONFIG" "ipconfig /all" 5
    box=$(kv_drv wait-box 30)
    kv_eq "a read-only c:\\ADSLLog.tmp gives the box \"INVALID_HANDLE_VALUE\", captioned with the exe's name" \
        "$(printf 'caption=probe\ntext=INVALID_HANDLE_VALUE\nowner=(none)\nbutton=1 OK')" "$box"
    kv_do kv_drv answer-box 1 probe
    kp_probe_wait 30
    kv_eq "no tool ran, the result is 0 and the older file is read" "$(printf '0\nolder output')" "$KP_OUT"
    kv_check_fails "no tool ran (nothing on standard error)" grep -qF "$NOISE" "$KV_TMP/probe.err"
    kp_writable "$WORKFILE"
else
    kv_fail "c:\\ADSLLog.tmp can be made read-only" "chmod/chattr on $WORKFILE failed"
fi
rm -f "$WORKFILE"

# --- a tool that hangs is stopped at six times its wait value ----------------------

hangs=$KV_TMP/ipconfig-all-hangs.txt
{
    echo "hang = ipconfig /all"
    cat "$KV_ROOT/tests/scenarios/nt-happy.txt"
} >"$hangs"
kv_scenario "$hangs"
start=$SECONDS
kp_probe_bg run GetNetworkCard "$SYS_IPCONFIG" "ipconfig /all" 5
sleep 3
kv_eq "the hanging tool runs" 1 "$(kp_procs '^ipconfig /all' | wc -l)"
box=$(kv_drv wait-box 50)
took=$((SECONDS - start))
kv_eq "after 30 s the box names the step" \
    "$(printf 'caption=probe\ntext=The step "GetNetworkCard" did not finish within 30 seconds and was stopped.\nowner=(none)\nbutton=1 OK')" \
    "$box"
kv_check "the box comes after 30 s, not before (took ${took} s)" test "$took" -ge 30 -a "$took" -le 40
kv_eq "the tool has been ended" "" "$(kp_procs '^ipconfig /all')"
kv_do kv_drv answer-box 1 probe
kp_probe_wait 30
kv_eq "the run's result is 0 and WorkFile is empty" "0" "$KP_OUT"

# --- Windows 95/98/Me: family 1 and the Windows directory ----------------------------

kv_version win98 probe.exe
kv_eq "with win98 the family is 1" 1 "$(kp_probe family)"
kv_scenario 9x-happy
mv "$KV_C/windows/system32/ipconfig.exe" "$KV_TMP/ipconfig.exe"
kv_eq "the modem check finds C:\\windows\\ipconfig.exe (none in system32)" 1 "$(kp_probe modem-dns)"
mv "$KV_TMP/ipconfig.exe" "$KV_C/windows/system32/ipconfig.exe"
rm "$KV_C/windows/ipconfig.exe"
kv_eq "without C:\\windows\\ipconfig.exe nothing runs (system32's is not taken)" 0 "$(kp_probe modem-dns)"
kv_eq "... and WorkFile is empty" "" "$(workfile)"

kv_finish
