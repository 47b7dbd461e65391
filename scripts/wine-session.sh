#!/usr/bin/env bash
# A Wine session for trying Kelvane by hand, set up as the end-to-end tests
# set it up: a throwaway prefix on a virtual display, the recorder as the only
# browser, the substitute ipconfig/netsh, Kelvane.exe started. It opens a shell
# in which the test helpers work, for example:
#   kv_drv controls Kelvane        kv_drv click Kelvane 1000
#   kv_drv wait-box 10             kv_drv answer-box 1
#   kv_pages                       kv_screenshot /tmp/shot.png Kelvane
# Leaving the shell ends the session and removes the prefix.
#
# usage: scripts/wine-session.sh BUILD_DIR [SCENARIO_FILE] [WINDOWS_VERSION]

lib=$(cd "$(dirname "$0")/../tests/wine" && pwd)/lib.sh
# shellcheck source=../tests/wine/lib.sh
source "$lib"
kv_need_display "$@"
kv_init "${1:?usage: $0 BUILD_DIR [SCENARIO_FILE] [WINDOWS_VERSION]}"
[ -n "${2:-}" ] && kv_scenario "$2"
[ -n "${3:-}" ] && kv_version "$3"
kv_start "$KV_EXE"
kv_drv wait-window Kelvane 30 || echo "Kelvane did not show its dialog" >&2

rc=$KV_TMP/session.rc
{
    echo "source '$lib'"
    for v in KV_BUILD KV_EXE KV_DRIVER KV_RECORDER KV_IPCONFIG KV_NETSH KV_PREFIX KV_C KV_SIM KV_TMP \
        KV_LEAKS KV_PID; do
        printf '%s=%q\n' "$v" "${!v}"
    done
    echo "PS1='kelvane-wine\$ '"
} >"$rc"
echo "prefix: $KV_PREFIX (display $DISPLAY); 'exit' ends the session"
bash --rcfile "$rc" -i
