#!/usr/bin/env bash
# The checks and repairs under Wine, one operation per probe.exe run, against
# the same operations of the native twin on the same simulated PC: on the NT
# route through the substitute ipconfig.exe and netsh.exe, on the Windows
# 95/98/Me route through Wine's registry loaded with the scenario's keys. A
# two-card PC brings up the adapter list, which is worked with driver.exe.
# Last, the proxy bypass in Wine's registry.
#
# usage: tests/wine/test_checks.sh BUILD_DIR   (the mingw i686 build; the
#        native twin probe_native comes from $KELVANE_NATIVE_BUILD or BUILD_DIR/../native)

# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
# shellcheck source=lib_probe.sh
source "$(dirname "$0")/lib_probe.sh"
kv_need_display "$@"
kv_init "${1:-}"
kp_init

LIST_TITLE="Network Adapters on Local Computer"
PICK=1 # the adapter list's second line

# run_on_wine SCENARIO COMMAND [ARGS] [-- COMMAND [ARGS]]...: each command as one
# probe.exe run, written to $KV_TMP/wine.txt as the twin writes it with --echo.
# On a two-card PC the adapter list is checked and answered with line PICK.
run_on_wine() {
    local scenario=$1 cmd=() a
    shift
    : >"$KV_TMP/wine.txt"
    for a in "$@" --; do
        if [ "$a" != -- ]; then
            cmd+=("$a")
            continue
        fi
        printf '> %s\n' "${cmd[*]}" >>"$KV_TMP/wine.txt"
        if [ "${cmd[0]}" = find-card ] && [ -n "${LIST_ITEMS[$scenario]:-}" ]; then
            adapter_list "$scenario"
        else
            kp_probe "${cmd[@]}" >>"$KV_TMP/wine.txt"
            echo >>"$KV_TMP/wine.txt"
        fi
        cmd=()
    done
}

# The adapter list of a two-card PC: its title, its lines, line 0 selected;
# line PICK is chosen and OK pressed.
adapter_list() {
    kp_probe_bg find-card
    kv_check "$1: find-card opens \"$LIST_TITLE\"" kv_drv wait-window "$LIST_TITLE" 30
    kv_eq "$1: the list shows both descriptions, in discovery order" \
        "${LIST_ITEMS[$1]}" "$(kv_drv list-items "$LIST_TITLE" 1003)"
    kv_eq "$1: the first line is selected" 0 "$(kv_drv selection "$LIST_TITLE" 1003)"
    kv_do kv_drv select "$LIST_TITLE" 1003 "$PICK"
    kv_do kv_drv click "$LIST_TITLE" 1
    kv_check "$1: OK closes the list" kv_drv wait-gone "$LIST_TITLE" 10
    kp_probe_wait 30
    kv_eq "$1: the probe prints the second card's key" "${SECOND_KEY[$1]}" "$KP_OUT"
    printf '%s\n' "$KP_OUT" >>"$KV_TMP/wine.txt"
}

declare -A LIST_ITEMS SECOND_KEY
LIST_ITEMS[nt-two-cards]=$(printf '0\tINTEL(R) PRO/100 VE NETWORK CONNECTION\n1\tREALTEK RTL8139 FAMILY PCI FAST ETHERNET NIC')
SECOND_KEY[nt-two-cards]="Local Area Connection 2"
LIST_ITEMS[9x-two-cards]=$(printf '0\t3COM ETHERLINK XL 10/100 PCI TX NIC (3C905B-TX)\n1\tREALTEK RTL8029(AS) PCI ETHERNET ADAPTER')
SECOND_KEY[9x-two-cards]='PCI\VEN_10EC&DEV_8029&SUBSYS_00000000&REV_00'

# compare SCENARIO COMMAND [ARGS] [-- ...]: the sequence natively and under
# Wine (the prefix already holds the scenario) gives the same lines; each
# command printed one result.
compare() {
    local scenario=$1 native wine
    shift
    native=$(kp_native "$scenario" --pick "$PICK" --echo "$@")
    run_on_wine "$scenario" "$@"
    wine=$(cat "$KV_TMP/wine.txt")
    if [ "$native" = "$wine" ]; then
        kv_pass "$scenario: each check and repair gives the same results as natively"
    else
        local diff_lines
        mapfile -t diff_lines < <(diff <(echo "$native") <(echo "$wine") | sed 's/^</native:/; s/^>/wine:  /')
        kv_fail "$scenario: each check and repair gives the same results as natively" "${diff_lines[@]}"
    fi
    local results
    results=$(grep -v '^>' <<<"$wine")
    kv_eq "$scenario: every operation printed one result" \
        "$(grep -c '^>' <<<"$wine")" "$(grep -c . <<<"$results")"
}

# The key find-card gives natively: the card every later check concerns.
card_of() { kp_native "$1" --pick "$PICK" find-card; }

# --- NT route: ipconfig and netsh ------------------------------------------------

for scenario in nt-happy nt-dns-fixed nt-address-fixed nt-two-cards win10-dns-fixed; do
    kv_scenario "$scenario"
    key=$(card_of "$scenario")
    compare "$scenario" modem-dns -- find-card -- auto-dns "$key" -- auto-dns "$key" \
        -- dynamic-address "$key" -- set-dynamic "$key" -- dynamic-address "$key" -- modem-dns
done

# --- Windows 95/98/Me route: the registry ---------------------------------------------

kv_version win98 probe.exe
for scenario in 9x-dns-fixed 9x-happy 9x-two-cards; do
    # Only this scenario's keys: nothing left from the one before.
    kv_reg_text 'REGEDIT4

[-HKEY_LOCAL_MACHINE\Enum]

[-HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class]

[-HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\VxD\MSTCP]
'
    kv_reg_text "$(kp_native "$scenario" reg | tr -d '\r')"
    kv_scenario "$scenario"
    key=$(card_of "$scenario")
    compare "$scenario" modem-dns -- find-card -- tcp-class-key "$key" -- auto-dns "$key" \
        -- auto-dns "$key" -- dynamic-address "$key" -- set-dynamic "$key" \
        -- dynamic-address "$key" -- modem-dns
done

# --- the proxy bypass -----------------------------------------------------------------

kv_version winxp probe.exe
proxy_settings() {
    kv_reg_text "REGEDIT4

[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings]
\"ProxyEnable\"=dword:0000000$1
\"ProxyServer\"=\"proxy.example:8080\"
\"ProxyOverride\"=\"intranet;<local>\"
"
}
proxy_settings 0
kv_eq "proxy off: the bypass list is left as it was" "intranet;<local>" "$(kp_probe proxy)"
proxy_settings 1
kv_eq "proxy on: the bypass list becomes the modem's address and <local>" \
    "192.168.1.1;<local>" "$(kp_probe proxy)"

kv_finish
