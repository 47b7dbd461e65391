# shellcheck shell=bash disable=SC2034  # the names below are for the scripts that source this
# Helpers for working the "Login" and "click here" workflows under Wine, on top
# of lib.sh: a fresh simulated PC per case, the Windows 95/98/Me registry, the
# record of tool runs the substitutes keep, message boxes as the driver reads
# them, and a bystander window that only an end of the session closes.
#
# Source lib.sh first. Used by the workflow tests, scripts/run.sh and
# scripts/benchmark.sh.

KV_START_PAGE=http://192.168.1.1/doc/index.htm
KV_BRIDGE_PAGE=http://192.168.1.1/doc/switch1.htm

# Button ids of the main dialog and of the message boxes.
KV_LOGIN=1000
KV_BRIDGE=1004
KV_IDOK=1
KV_IDCANCEL=2
KV_IDYES=6
KV_IDNO=7

kv_workfile() { echo "$KV_C/ADSLLog.tmp"; }

# kv_fresh SCENARIO: a new simulated PC; no page, no tool run, no scratch file.
kv_fresh() {
    kv_scenario "$1"
    kv_clear_pages
    kv_clear_runs
    rm -f "$(kv_workfile)"
}

# The tool runs the substitutes recorded, one command line a line, in order.
kv_runs() { [ -f "$KV_SIM/runs.txt" ] && tr -d '\r' <"$KV_SIM/runs.txt" | cut -d' ' -f2-; }
# The same with each run's start: milliseconds since 1970, a blank, the command line.
kv_runs_timed() { [ -f "$KV_SIM/runs.txt" ] && tr -d '\r' <"$KV_SIM/runs.txt"; }
kv_clear_runs() { : >"$KV_SIM/runs.txt"; }

# kv_win98: Kelvane.exe sees Windows 98, and the prefix's registry holds the
# simulated PC's network keys as Windows 98 keeps them (from C:\kelvane-sim\pc.txt).
# The substitute tools are left in the Windows directory only, where that
# route looks for them.
kv_win98() {
    kv_version win98
    (cd "$KV_C" && wine "$KV_BUILD/tools/regdump.exe" <"$KV_SIM/pc.txt" >"$KV_TMP/win98.reg" 2>>"$KV_TMP/regdump.log")
    kv_reg_file "$KV_TMP/win98.reg"
    rm -f "$KV_C/windows/system32/ipconfig.exe" "$KV_C/windows/system32/netsh.exe"
}

# kv_reg_value KEY NAME: the data of a string value in the prefix's registry;
# fails when the value is absent.
kv_reg_value() {
    local line
    line=$(wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | grep -m1 -E "^ +$2 {4}REG_") || return 1
    printf '%s\n' "$line" | sed -E "s/^ +$2 {4}REG_[A-Z_]+( {4})?//"
}

# kv_launch: starts Kelvane.exe and waits for its dialog.
kv_launch() {
    kv_start
    kv_drv wait-window Kelvane 30
}

# kv_field NAME TEXT: the value of the line NAME=... in the driver's account of
# a box (caption, text, owner).
kv_field() { printf '%s\n' "$2" | sed -n "s/^$1=//p" | head -n 1; }

# kv_buttons TEXT: the box's buttons, "id label" each, on one line.
kv_buttons() { printf '%s\n' "$1" | sed -n 's/^button=//p' | paste -sd, -; }

# kv_wait_absent FILE SECONDS: until FILE no longer exists. A workflow deletes
# WorkFile as its very last step, so this also tells that the click is over.
kv_wait_absent() {
    local deadline=$((SECONDS + $2))
    while [ -e "$1" ]; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}

# A bystander: Wine's notepad, a window of its own in the prefix that no test
# closes. Only an end of the Windows session (a shutdown or reboot) makes it go.
kv_bystander_start() {
    (cd "$KV_C" && exec wine notepad >>"$KV_TMP/bystander.log" 2>&1) &
    local deadline=$((SECONDS + 30))
    until kv_bystander_shown; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.2
    done
}
kv_bystander_shown() { kv_drv windows | awk -F'\t' '$3 == "Notepad" && $4 == 1 { found = 1 } END { exit !found }'; }

# kv_wait_bystander_gone SECONDS
kv_wait_bystander_gone() {
    local deadline=$((SECONDS + $1))
    while kv_bystander_shown; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.2
    done
}
