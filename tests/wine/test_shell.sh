#!/usr/bin/env bash
# The application shell end to end under Wine: the main dialog and its
# controls, the notification icon, hiding and showing, the second start, the
# About box, Logout with and without a browser, and how the program ends.
#
# usage: tests/wine/test_shell.sh BUILD_DIR   (the mingw i686 build)
# Writes a picture of the dialog to $KELVANE_E2E_OUT/dialog.png
# (default /tmp/kelvane-e2e/dialog.png).

# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
kv_need_display "$@"
kv_init "${1:-}"

START_PAGE=http://192.168.1.1/doc/index.htm
WORKFILE=$KV_C/ADSLLog.tmp

# --- first start: the dialog -------------------------------------------------

# A scratch file left by an earlier run: Logout must leave it, closing removes it.
echo "left over" >"$WORKFILE"

kv_start
kv_check "the dialog \"Kelvane\" appears" kv_drv wait-window Kelvane 30
kv_eq "the dialog is shown" 1 "$(kv_drv visible Kelvane)"

controls=$(kv_drv controls Kelvane)
kv_has "button 1000 \"Login\"" "$(printf 'Button\t1000\t1\tLogin')" "$controls"
kv_has "button 1001 \"Logout\"" "$(printf 'Button\t1001\t1\tLogout')" "$controls"
kv_has "button 1004 \"click here\"" "$(printf 'Button\t1004\t1\tclick here')" "$controls"
kv_has "the text beside \"click here\"" "$(printf 'Static\t-1\t1\tTo connect to broadband router, ')" "$controls"
kv_has "the status picture 1006 is an icon" "$(printf 'Static\t1006\t1\t(icon)')" "$controls"
kv_eq "the dialog has no owner" "owner=(none)" "$(kv_drv owner Kelvane)"
kv_eq "one notification icon" 1 "$(kv_tray_icons)"

kv_screenshot "$KV_OUT/dialog.png" Kelvane
kv_check "a picture of the dialog is written to $KV_OUT/dialog.png" test -s "$KV_OUT/dialog.png"

# --- Logout with the recorder as browser ---------------------------------------

kv_do kv_drv click Kelvane 1001
kv_check "Logout hides the dialog" kv_drv wait-visible Kelvane 0 10
kv_eq "Logout opens exactly the start page" "$START_PAGE" "$(kv_wait_pages 10)"
kv_eq "Logout shows no message box" "" "$(kv_drv boxes)"
kv_check "Logout leaves the scratch file in place" test -f "$WORKFILE"
kv_eq "the notification icon stays while hidden" 1 "$(kv_tray_icons)"

kv_do kv_drv tray Kelvane 0x201 # a single left click does nothing
kv_do kv_drv tray Kelvane 0x205 # nor does a right click
sleep 0.5
kv_eq "a single or right click on the icon leaves the dialog hidden" 0 "$(kv_drv visible Kelvane)"
kv_do kv_drv tray-dblclk Kelvane
kv_check "a double-click on the icon shows the dialog" kv_do kv_drv wait-visible Kelvane 1 10

# --- minimise, and a second start ----------------------------------------------

kv_do kv_drv syscommand Kelvane 0xF020
kv_check "minimise hides the dialog" kv_drv wait-visible Kelvane 0 10
kv_eq "minimise leaves one notification icon" 1 "$(kv_tray_icons)"

first=$(kv_drv find Kelvane)
kv_check "a second start ends by itself" kv_run_exe 30
kv_check "the second start shows the hidden dialog again" kv_do kv_drv wait-visible Kelvane 1 10
kv_eq "the second start opens no window of its own" 1 "$(kv_drv count Kelvane)"
kv_eq "the shown dialog is the first copy's" "$first" "$(kv_drv find Kelvane)"
kv_check "the first copy still runs" kv_running

# --- About ---------------------------------------------------------------------

kv_do kv_drv syscommand Kelvane 16
kv_check "system command 16 opens \"About Kelvane\"" kv_drv wait-window "About Kelvane" 10
kv_eq "the About box belongs to the dialog" "owner=Kelvane" "$(kv_drv owner "About Kelvane")"
kv_do kv_drv click "About Kelvane" 1
kv_check "OK closes the About box" kv_drv wait-gone "About Kelvane" 10
kv_eq "the dialog stays shown after About" 1 "$(kv_drv visible Kelvane)"

# --- close ---------------------------------------------------------------------

kv_do kv_drv syscommand Kelvane 0xF060
kv_check "close ends the process" kv_wait_exit 15
kv_check "the dialog is gone" kv_drv wait-gone Kelvane 5
kv_check "closing deleted c:\\ADSLLog.tmp" test ! -e "$WORKFILE"
kv_eq "closing removed the notification icon" 0 "$(kv_tray_icons)"

# --- Logout without a browser --------------------------------------------------

# The handler names a program that does not exist; Wine's own launcher is
# shadowed, so nothing else can open the address.
kv_set_browser 'C:\\kelvane-sim\\no-such-browser.exe \"%1\"'
kv_clear_pages
kv_start
kv_check "the dialog appears again" kv_drv wait-window Kelvane 30

t0=$(date +%s.%N)
kv_do kv_drv click Kelvane 1001
box=$(kv_drv wait-box 20)
t1=$(date +%s.%N)
kv_has "a box \"Failed to launch IE\" appears" "text=Failed to launch IE" "$box"
kv_has "the box is captioned with the program's name" "caption=Kelvane" "$box"
kv_has "the box belongs to the dialog" "owner=Kelvane" "$box"
kv_has "the box has one button, OK" "button=1 OK" "$box"
kv_check "the box comes after a pause of a second for the retry" \
    awk -v a="$t0" -v b="$t1" 'BEGIN { exit !(b - a >= 1.0) }'
kv_eq "exactly one box is shown" "Kelvane|Failed to launch IE" "$(kv_drv boxes)"
kv_eq "the dialog is still shown while the box is up" 1 "$(kv_drv visible Kelvane)"

kv_do kv_drv answer-box 1
kv_check "after OK the dialog is hidden" kv_drv wait-visible Kelvane 0 10
kv_check_fails "no second box follows" kv_drv wait-box 2
kv_eq "nothing reached the recorder" "" "$(kv_pages)"

# Escape (the dialog's Cancel) ends the program too.
kv_do kv_drv tray-dblclk Kelvane
kv_do kv_drv wait-visible Kelvane 1 10
kv_do kv_drv post Kelvane 0x111 2 0
kv_check "Cancel (Escape) ends the process" kv_wait_exit 15
kv_eq "Cancel removed the notification icon" 0 "$(kv_tray_icons)"

# The box's caption is the program's file name: a renamed copy shows its own.
cp "$KV_EXE" "$KV_SIM/Modem.exe"
kv_start "$KV_SIM/Modem.exe"
kv_check "a renamed copy shows the same dialog" kv_drv wait-window Kelvane 30
kv_do kv_drv click Kelvane 1001
box=$(kv_drv wait-box 20)
kv_has "a renamed copy captions the box with its own name" "caption=Modem" "$box"
kv_do kv_drv answer-box 1
kv_do kv_drv wait-visible Kelvane 0 10
kv_do kv_drv syscommand Kelvane 0xF060
kv_check "the renamed copy ends on close" kv_wait_exit 15

kv_check_no_leaks
kv_finish
