#!/usr/bin/env bash
# The Windows side the other tests stand on: the platform family as the
# program's Win32 layer reports it under each Windows version Wine can show a
# program (probe.exe family), and the console tools that the program finds.
#
# usage: tests/wine/test_platform.sh BUILD_DIR   (the mingw i686 build)

# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
kv_need_display "$@"
kv_init "${1:-}"

PROBE=$KV_BUILD/tools/probe.exe
family() { (cd "$KV_C" && wine "$PROBE" family 2>/dev/null | tr -d '\r'); }

kv_check "probe.exe is built" test -f "$PROBE"
kv_eq "Wine's default version (Windows 7) is the NT family" 2 "$(family)"
for v in win95 win98 winme; do
    kv_version "$v" probe.exe
    kv_eq "$v is family 1" 1 "$(family)"
done
for v in win2k winxp; do
    kv_version "$v" probe.exe
    kv_eq "$v is family 2" 2 "$(family)"
done

# The program runs ipconfig.exe and netsh.exe from the system directory (NT)
# or the Windows directory (95/98/Me): there, only the substitutes may be found.
for tool in ipconfig netsh; do
    [ "$tool" = ipconfig ] && built=$KV_IPCONFIG || built=$KV_NETSH
    for dir in windows/system32 windows; do
        if [ -n "$built" ]; then
            kv_check "$dir/$tool.exe is the substitute" cmp -s "$built" "$KV_C/$dir/$tool.exe"
        else
            kv_check "$dir/$tool.exe is absent (no substitute built)" test ! -e "$KV_C/$dir/$tool.exe"
        fi
    done
done

kv_finish
