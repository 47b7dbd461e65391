#!/usr/bin/env bash
# "Login" end to end under Wine: Kelvane.exe on simulated PCs (the substitute
# ipconfig/netsh answer for them), worked by driver.exe as a user would: the
# start page after a DNS repair, the adapter list, the no-adapter and advice
# boxes, and the restart prompt on the NT family and on Windows 98, declined
# and accepted.
#
# usage: tests/wine/test_login.sh BUILD_DIR   (the mingw i686 build)

# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
# shellcheck source=lib_flow.sh
source "$(dirname "$0")/lib_flow.sh"
kv_need_display "$@"
kv_init "${1:-}"

WORKFILE=$(kv_workfile)
INTERNET_SETTINGS='HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings'
ADAPTER_LIST="Network Adapters on Local Computer"
# Line breaks as the driver shows them: the two characters \n.
ADVICE='1. Please make sure the KR7740M is on.\n2. Make sure the straight ethernet cable is connected properly between your KR7740M and the ethernet adapter.\n3. If you have multiple Network Card, please select the one connected to KR7740M.\n4. If you have set the modem to connect to broadband router previously, please find a pin and press the reset hole at the back of the modem.'
RESTART='You must restart your computer before the new settings will take effect.\n\nDo you want to restart your computer now?'

# close_program: ends a copy that the case left running, as the user would.
# One that does not end is stopped with the whole prefix, so that the next
# case starts clean.
close_program() {
    kv_do kv_drv syscommand Kelvane 0xF060
    kv_wait_exit 15 || { kv_fail "step: the program ends on close"; kv_stop; }
}

# --- NT family, DNS fixed by hand: repaired, a second pass, the start page -----

kv_fresh nt-dns-fixed
# A proxy is on: the modem's address must bypass it (a loopback proxy; nothing
# in the prefix fetches anything).
kv_reg_text "REGEDIT4

[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings]
\"ProxyEnable\"=dword:00000001
\"ProxyServer\"=\"127.0.0.1:3128\"
\"ProxyOverride\"=\"intranet\"
"
kv_check "the dialog appears" kv_launch
kv_do kv_drv click Kelvane $KV_LOGIN
kv_eq "DNS fixed: Login opens exactly the start page" "$KV_START_PAGE" "$(kv_wait_pages 60)"
kv_check "the dialog is hidden" kv_drv wait-visible Kelvane 0 10
kv_check "the program keeps running" kv_running
kv_check "c:\\ADSLLog.tmp is gone" kv_wait_absent "$WORKFILE" 10
kv_eq "no box is shown" "" "$(kv_drv boxes)"
kv_eq "release, renew, the modem test, the DNS repair, then a second pass" "ipconfig /release
ipconfig /renew
ipconfig /all
ipconfig /all
netsh interface ip show dns
netsh interface ip set dns \"Local Area Connection\" dhcp
netsh interface ip show address
ipconfig /release
ipconfig /renew
ipconfig /all" "$(kv_runs)"
kv_eq "the modem's address bypasses the proxy" "192.168.1.1;<local>" \
    "$(kv_reg_value "$INTERNET_SETTINGS" ProxyOverride)"
close_program

# --- two Ethernet cards: the user picks the one that leads to the modem --------

kv_fresh nt-two-cards
kv_check "the dialog appears (two cards)" kv_launch
kv_do kv_drv click Kelvane $KV_LOGIN
kv_check "the list \"$ADAPTER_LIST\" appears" kv_drv wait-window "$ADAPTER_LIST" 60
kv_eq "the list belongs to the dialog" "owner=Kelvane" "$(kv_drv owner "$ADAPTER_LIST")"
items=$(kv_drv list-items "$ADAPTER_LIST" | cut -f2-)
# Descriptions are shown upper-cased, in the order ipconfig lists the cards.
kv_eq "the list shows both cards' descriptions" "INTEL(R) PRO/100 VE NETWORK CONNECTION
REALTEK RTL8139 FAMILY PCI FAST ETHERNET NIC" "$items"
kv_do kv_drv select "$ADAPTER_LIST" 1003 1
kv_do kv_drv click "$ADAPTER_LIST" $KV_IDOK
kv_eq "after the choice the start page opens" "$KV_START_PAGE" "$(kv_wait_pages 60)"
runs=$(kv_runs)
kv_has "the chosen card's DNS was repaired" "netsh interface ip set dns \"Local Area Connection 2\" dhcp" "$runs"
kv_check_fails "the other card was left alone" grep -qxF "netsh interface ip set dns \"Local Area Connection\" dhcp" <<<"$runs"
kv_check "the dialog is hidden (two cards)" kv_drv wait-visible Kelvane 0 10
close_program

# --- no card that can lead to the modem ----------------------------------------

kv_fresh nt-no-adapter
kv_check "the dialog appears (no adapter)" kv_launch
kv_do kv_drv click Kelvane $KV_LOGIN
box=$(kv_drv wait-box 60)
kv_eq "the no-adapter box's text" "No Network Adapter found!" "$(kv_field text "$box")"
kv_eq "the no-adapter box's caption" "ERROR" "$(kv_field caption "$box")"
kv_eq "the no-adapter box belongs to the dialog" "Kelvane" "$(kv_field owner "$box")"
kv_do kv_drv answer-box $KV_IDOK
kv_check "after OK the click is over (c:\\ADSLLog.tmp gone)" kv_wait_absent "$WORKFILE" 10
kv_eq "the dialog stays shown" 1 "$(kv_drv visible Kelvane)"
kv_check "the program keeps running (no adapter)" kv_running
kv_eq "no page is opened (no adapter)" "" "$(kv_pages)"
close_program

# --- modem off: nothing to repair, the advice box, the program ends ------------

kv_fresh nt-modem-off
kv_check "the dialog appears (modem off)" kv_launch
kv_do kv_drv click Kelvane $KV_LOGIN
box=$(kv_drv wait-box 60)
kv_eq "the advice box's four points" "$ADVICE" "$(kv_field text "$box")"
kv_eq "the advice box's caption" "ERROR" "$(kv_field caption "$box")"
kv_eq "the advice box has no owner" "(none)" "$(kv_field owner "$box")"
kv_do kv_drv answer-box $KV_IDOK
kv_check "after the advice box the program ends" kv_wait_exit 15
kv_check "c:\\ADSLLog.tmp is gone (modem off)" test ! -e "$WORKFILE"
kv_eq "no page is opened (modem off)" "" "$(kv_pages)"

# --- NT family, address fixed: the restart prompt, declined --------------------

# The bystander goes only when the session ends: here it must stay.
kv_check "a bystander window is up" kv_bystander_start
kv_fresh nt-address-fixed
kv_check "the dialog appears (address fixed)" kv_launch
kv_do kv_drv click Kelvane $KV_LOGIN
box=$(kv_drv wait-box 60)
kv_eq "the restart prompt's text" "$RESTART" "$(kv_field text "$box")"
kv_eq "the restart prompt's caption" "System Settings Change" "$(kv_field caption "$box")"
kv_eq "the restart prompt has no owner" "(none)" "$(kv_field owner "$box")"
kv_eq "the restart prompt offers OK and Cancel" "1 OK,2 Cancel" "$(kv_buttons "$box")"
kv_has "the address was switched to DHCP first" \
    "netsh interface ip set address \"Local Area Connection\" dhcp" "$(kv_runs)"
kv_do kv_drv answer-box $KV_IDCANCEL
kv_check "after Cancel the click is over (c:\\ADSLLog.tmp gone)" kv_wait_absent "$WORKFILE" 10
kv_eq "after Cancel the dialog stays shown" 1 "$(kv_drv visible Kelvane)"
kv_check "after Cancel the program keeps running" kv_running
kv_eq "after Cancel no box follows" "" "$(kv_drv boxes)"
kv_check_fails "after Cancel the session goes on (the bystander stays)" kv_wait_bystander_gone 3
close_program

# --- the same, accepted: Windows is asked to restart ---------------------------

kv_fresh nt-address-fixed
kv_check "the dialog appears (restart)" kv_launch
kv_do kv_drv click Kelvane $KV_LOGIN
box=$(kv_drv wait-box 60)
kv_eq "the restart prompt again" "System Settings Change|$RESTART" "$(kv_drv boxes)"
kv_do kv_drv answer-box $KV_IDOK
# The test closes no window: the program can only end through the end of the
# session that the reboot request starts, which closes the bystander as well.
kv_check "after OK the program is ended" kv_wait_exit 30
kv_check "the reboot request ended the session (the bystander closed too)" kv_wait_bystander_gone 30
kv_check "c:\\ADSLLog.tmp is gone (restart)" test ! -e "$WORKFILE"

# --- Windows 98, DNS and address fixed: the registry repair and the restart ----

kv_fresh 9x-dns-fixed
kv_win98
MSTCP='HKLM\System\CurrentControlSet\Services\VxD\MSTCP'
TCPIP='HKLM\System\CurrentControlSet\Services\Class\NetTrans\0000'
kv_eq "Windows 98: DNS is fixed before" 1 "$(kv_reg_value "$MSTCP" EnableDNS)"
kv_check "a new bystander window is up" kv_bystander_start
kv_check "the dialog appears (Windows 98)" kv_launch
kv_do kv_drv click Kelvane $KV_LOGIN
box=$(kv_drv wait-box 60)
kv_eq "Windows 98: the restart prompt" "System Settings Change|$RESTART" "$(kv_drv boxes)"
kv_eq "Windows 98: ipconfig from the Windows directory, then the registry" "ipconfig /release_all
ipconfig /renew_all
ipconfig /all" "$(kv_runs)"
kv_eq "Windows 98: DNS switched to automatic in the registry" 0 "$(kv_reg_value "$MSTCP" EnableDNS)"
kv_eq "Windows 98: the address switched to automatic" "0.0.0.0 0.0.0.0" \
    "$(kv_reg_value "$TCPIP" IPAddress) $(kv_reg_value "$TCPIP" IPMask)"
kv_do kv_drv answer-box $KV_IDOK
kv_check "Windows 98: after OK the program is ended" kv_wait_exit 30
kv_check "Windows 98: the session ended (the bystander closed too)" kv_wait_bystander_gone 30
kv_check "Windows 98: c:\\ADSLLog.tmp is gone" test ! -e "$WORKFILE"

kv_check_no_leaks
kv_finish
