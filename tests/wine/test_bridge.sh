#!/usr/bin/env bash
# "click here" (the switch to bridge mode) end to end under Wine: the warning
# declined and accepted, the bridge-mode page after a DNS repair and straight
# away, the three-point advice box, the no-adapter box, and the restart prompt
# on Windows 98; after a confirmed warning the program always ends.
#
# usage: tests/wine/test_bridge.sh BUILD_DIR   (the mingw i686 build)

# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
# shellcheck source=lib_flow.sh
source "$(dirname "$0")/lib_flow.sh"
kv_need_display "$@"
kv_init "${1:-}"

WORKFILE=$(kv_workfile)
# Line breaks as the driver shows them: the two characters \n.
WARNING="1) The modem will be set to Transparent Bridge mode.After the modem reboots (approximately 50 seconds),the modem will be in Transparent Bridge mode. In Transparent Bridge mode,you would not need to configure the modem.All configurations would only need to be done on the 3rd party broadband router.\n2) You will not be able to get IP address from the modem and will not be able to access the modem's webpages.\n3) To reset to default settings, please use the hardware reset button.\n4) You will not be able to use Kelvane and it will be closed.\n5) Use the broadband router to connect to the Internet. Refer to the broadband router manufacturer for details.\n\nAre you sure you want to connect to a 3rd party broadband router?"
ADVICE3='1. Please make sure the KR7740M is on.\n2. Make sure the straight ethernet cable is connected properly between your KR7740M and the ethernet adapter.\n3. If you have multiple Network Card, please select the one connected to KR7740M.'
RESTART='You must restart your computer before the new settings will take effect.\n\nDo you want to restart your computer now?'

# confirm: clicks "click here" and answers the warning with Yes.
confirm() {
    kv_do kv_drv click Kelvane $KV_BRIDGE
    kv_drv wait-box 30 >/dev/null || kv_fail "step: the warning appears"
    kv_do kv_drv answer-box $KV_IDYES WARNING
}

# ends: the program ended by itself after a confirmed warning, and left
# neither the scratch file nor a notification icon behind.
ends() {
    if kv_wait_exit 30; then
        kv_pass "$1: the program ends"
    else
        kv_fail "$1: the program ends"
        kv_stop  # so that the next case starts clean
    fi
    kv_check "$1: c:\\ADSLLog.tmp is gone" test ! -e "$WORKFILE"
    kv_eq "$1: the notification icon is gone" 0 "$(kv_tray_icons)"
}

# --- the warning, declined: nothing happens ------------------------------------

kv_fresh nt-dns-fixed
echo "left over" >"$WORKFILE"
kv_check "the dialog appears" kv_launch
kv_do kv_drv click Kelvane $KV_BRIDGE
box=$(kv_drv wait-box 30)
kv_eq "the warning's text" "$WARNING" "$(kv_field text "$box")"
kv_eq "the warning's caption" "WARNING" "$(kv_field caption "$box")"
kv_eq "the warning has no owner" "(none)" "$(kv_field owner "$box")"
kv_eq "the warning asks Yes or No" "6 &Yes,7 &No" "$(kv_buttons "$box")"
kv_do kv_drv answer-box $KV_IDNO WARNING
kv_check "No: the click is over, a left-over c:\\ADSLLog.tmp deleted" kv_wait_absent "$WORKFILE" 10
kv_eq "No: no tool runs" "" "$(kv_runs)"
kv_eq "No: no page is opened" "" "$(kv_pages)"
kv_eq "No: no further box" "" "$(kv_drv boxes)"
kv_eq "No: the dialog stays shown" 1 "$(kv_drv visible Kelvane)"
kv_check "No: the program keeps running" kv_running
kv_check "No: the simulated PC is unchanged" cmp -s "$KV_ROOT/tests/scenarios/nt-dns-fixed.txt" "$KV_SIM/pc.txt"

# --- the same copy, Yes: the DNS repair, a new pass, the bridge-mode page ------

confirm
kv_eq "DNS fixed: exactly the bridge-mode page opens" "$KV_BRIDGE_PAGE" "$(kv_wait_pages 60)"
ends "DNS fixed"
kv_eq "DNS fixed: the modem test first, then passes until the modem serves the PC" "ipconfig /all
ipconfig /release
ipconfig /renew
ipconfig /all
ipconfig /all
netsh interface ip show dns
netsh interface ip set dns \"Local Area Connection\" dhcp
netsh interface ip show address
ipconfig /release
ipconfig /renew
ipconfig /all" "$(kv_runs)"

# --- the modem already serves the PC: straight to the page ---------------------

kv_fresh nt-happy
kv_check "the dialog appears (modem serves the PC)" kv_launch
confirm
kv_eq "served: exactly the bridge-mode page opens" "$KV_BRIDGE_PAGE" "$(kv_wait_pages 60)"
ends "served"
kv_eq "served: one modem test, no release or renew" "ipconfig /all" "$(kv_runs)"

# --- modem off: the three-point advice box -------------------------------------

kv_fresh nt-modem-off
kv_check "the dialog appears (modem off)" kv_launch
confirm
box=$(kv_drv wait-box 60)
kv_eq "modem off: the advice box's three points" "$ADVICE3" "$(kv_field text "$box")"
kv_eq "modem off: the advice box's caption" "ERROR" "$(kv_field caption "$box")"
kv_eq "modem off: the advice box has no owner" "(none)" "$(kv_field owner "$box")"
kv_do kv_drv answer-box $KV_IDOK
ends "modem off"
kv_eq "modem off: no page is opened" "" "$(kv_pages)"

# --- no card that can lead to the modem: the box, then the end -----------------

kv_fresh nt-no-adapter
kv_check "the dialog appears (no adapter)" kv_launch
confirm
box=$(kv_drv wait-box 60)
kv_eq "no adapter: the box" "ERROR|No Network Adapter found!" "$(kv_drv boxes)"
kv_eq "no adapter: the box belongs to the dialog" "Kelvane" "$(kv_field owner "$box")"
kv_do kv_drv answer-box $KV_IDOK
ends "no adapter"

# --- Windows 98, DNS and address fixed: the restart prompt, then the end -------

kv_fresh 9x-dns-fixed
kv_win98
kv_check "a bystander window is up" kv_bystander_start
kv_check "the dialog appears (Windows 98)" kv_launch
confirm
box=$(kv_drv wait-box 60)
kv_eq "Windows 98: the restart prompt" "System Settings Change|$RESTART" "$(kv_drv boxes)"
kv_eq "Windows 98: DNS switched to automatic in the registry" 0 \
    "$(kv_reg_value 'HKLM\System\CurrentControlSet\Services\VxD\MSTCP' EnableDNS)"
kv_do kv_drv answer-box $KV_IDCANCEL
ends "Windows 98, Cancel"
kv_check_fails "Windows 98: after Cancel no restart (the bystander stays)" kv_wait_bystander_gone 3

kv_check_no_leaks
kv_finish
