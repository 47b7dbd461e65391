# Shared by the Wine end-to-end tests: a throwaway Wine prefix, the recorder
# as its only web browser, the substitute console tools, Kelvane.exe started in
# the background and worked by driver.exe, and the ok / not ok bookkeeping.
#
# A test file sources this, calls kv_init with the build directory, and ends
# with kv_finish. Everything it creates lives under /tmp and is removed on exit.
#
# Safety: the only browser any prefix knows is the recorder, which writes the
# address down. Every host browser Wine could fall back to is shadowed by a
# stub that only logs the call (kv_check_no_leaks fails the test if one ran).

set -u

KV_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
KV_OUT=${KELVANE_E2E_OUT:-/tmp/kelvane-e2e}
KV_PASSED=0
KV_FAILED=0
KV_PID=
KV_PREFIX=
KV_TMP=

# Re-runs the calling test under its own virtual X server: Wine needs a display
# to create windows, and a real one must never be used.
kv_need_display() {
    if [ -z "${KELVANE_IN_XVFB:-}" ]; then
        KELVANE_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash "$0" "$@"
    fi
}

kv_log() { printf '# %s\n' "$*"; }

# ---------------------------------------------------------------------------
# Checks.

kv_pass() { KV_PASSED=$((KV_PASSED + 1)); printf 'ok - %s\n' "$1"; }
kv_fail() {
    KV_FAILED=$((KV_FAILED + 1))
    printf 'not ok - %s\n' "$1"
    shift
    local line
    for line in "$@"; do printf '#   %s\n' "$line"; done
    if [ -n "${KELVANE_E2E_DEBUG:-}" ] && [ -n "$KV_PREFIX" ]; then
        kv_drv windows | grep -v -e WineDde -e 'Default IME' | sed 's/^/#   window: /'
    fi
}

# kv_check DESCRIPTION COMMAND...: passes when the command succeeds.
kv_check() {
    local what=$1
    shift
    if "$@" >/dev/null 2>&1; then kv_pass "$what"; else kv_fail "$what" "failed: $*"; fi
}

# kv_do COMMAND...: one step of the test (a driver call, say); a step that
# fails is reported, so that a check after it is not misread.
kv_do() {
    "$@" >/dev/null 2>&1 || kv_fail "step: $*"
}

# kv_check_fails DESCRIPTION COMMAND...: passes when the command fails.
kv_check_fails() {
    local what=$1
    shift
    if "$@" >/dev/null 2>&1; then kv_fail "$what" "succeeded: $*"; else kv_pass "$what"; fi
}

# kv_eq DESCRIPTION EXPECTED ACTUAL
kv_eq() {
    if [ "$2" = "$3" ]; then
        kv_pass "$1"
    else
        kv_fail "$1" "expected: $(printf '%q' "$2")" "actual:   $(printf '%q' "$3")"
    fi
}

# kv_has DESCRIPTION NEEDLE-LINE TEXT: TEXT has a line exactly NEEDLE-LINE.
kv_has() {
    if printf '%s\n' "$3" | grep -qxF -- "$2"; then
        kv_pass "$1"
    else
        kv_fail "$1" "no line: $(printf '%q' "$2")" "in: $(printf '%q' "$3")"
    fi
}

kv_finish() {
    printf '%d passed, %d failed\n' "$KV_PASSED" "$KV_FAILED"
    [ "$KV_FAILED" -eq 0 ]
}

# ---------------------------------------------------------------------------
# Set-up and tear-down.

# kv_init BUILD_DIR: finds the programs, makes the prefix and installs into it.
kv_init() {
    local build=${1:?usage: $0 BUILD_DIR (the mingw i686 build)}
    KV_BUILD=$(cd "$build" && pwd)
    KV_EXE=$KV_BUILD/Kelvane.exe
    KV_DRIVER=$KV_BUILD/tools/driver.exe
    KV_RECORDER=$KV_BUILD/tools/recorder.exe
    local f
    for f in "$KV_EXE" "$KV_DRIVER" "$KV_RECORDER"; do
        [ -f "$f" ] || { echo "missing: $f (build the mingw i686 tree first)" >&2; exit 2; }
    done
    KV_IPCONFIG=$(kv_find_built ipconfig)
    KV_NETSH=$(kv_find_built netsh)

    mkdir -p "$KV_OUT"
    KV_TMP=$(mktemp -d /tmp/kelvane-run.XXXXXX)
    trap kv_cleanup EXIT
    trap 'exit 130' INT TERM
    kv_shadow_browsers

    export WINEARCH=win32 WINEDEBUG=-all
    # No Mono or Gecko installer, no menu entries on the host; the substitute
    # console tools rather than Wine's own.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;ipconfig.exe=n;netsh.exe=n"
    kv_prefix_new
    kv_install
}

# The built substitute tool NAME.exe (tools/subst), or nothing.
kv_find_built() {
    local dir=$KV_BUILD/tools/subst
    [ -d "$dir" ] || return 0
    find "$dir" -maxdepth 2 -type f \( -iname "$1.exe" -o -iname "subst_$1.exe" \) | head -n 1
}

# Host programs a Wine fallback might start to show a web page: each is
# shadowed by a stub that writes down that it was called and does nothing.
kv_shadow_browsers() {
    local bin=$KV_TMP/bin name
    mkdir -p "$bin"
    KV_LEAKS=$KV_TMP/leaks.txt
    : >"$KV_LEAKS"
    for name in xdg-open x-www-browser www-browser sensible-browser gnome-open kde-open kfmclient \
        exo-open gio firefox firefox-esr chromium chromium-browser google-chrome konqueror mozilla \
        netscape galeon opera dillo epiphany links lynx w3m elinks xdg-email; do
        printf '#!/bin/sh\necho "%s $*" >>"%s"\nexit 0\n' "$name" "$KV_LEAKS" >"$bin/$name"
        chmod +x "$bin/$name"
    done
    export PATH=$bin:$PATH
}

kv_check_no_leaks() {
    if [ -s "$KV_LEAKS" ]; then
        kv_fail "no address went to a host browser" "$(cat "$KV_LEAKS")"
    else
        kv_pass "no address went to a host browser"
    fi
}

# A new prefix: a copy of the suite's template when run_all.sh made one, else
# a fresh one.
kv_prefix_new() {
    KV_PREFIX=$(mktemp -d /tmp/kelvane-wine.XXXXXX)
    export WINEPREFIX=$KV_PREFIX
    if [ -n "${KELVANE_WINE_TEMPLATE:-}" ] && [ -f "$KELVANE_WINE_TEMPLATE/system.reg" ]; then
        cp -a "$KELVANE_WINE_TEMPLATE/." "$KV_PREFIX/"
    else
        kv_boot_prefix
    fi
    KV_C=$KV_PREFIX/drive_c
    KV_SIM=$KV_C/kelvane-sim
}

# Initialises WINEPREFIX and waits until the prefix is written out.
kv_boot_prefix() {
    wineboot -i >/dev/null 2>&1
    wineserver -w
}

kv_win_dir() { echo "$KV_C/windows"; }

kv_install() {
    mkdir -p "$KV_SIM"
    : >"$KV_SIM/pages.txt"
    cp "$KV_RECORDER" "$KV_SIM/recorder.exe"
    local tool src
    for tool in ipconfig netsh; do
        [ "$tool" = ipconfig ] && src=$KV_IPCONFIG || src=$KV_NETSH
        if [ -n "$src" ]; then
            # Over Wine's placeholders: system32 for the NT route, the Windows
            # directory for the Windows 95/98/Me route.
            cp "$src" "$KV_C/windows/system32/$tool.exe"
            cp "$src" "$KV_C/windows/$tool.exe"
        else
            # Never Wine's own: a tool that is not built is not there at all.
            rm -f "$KV_C/windows/system32/$tool.exe" "$KV_C/windows/$tool.exe"
        fi
    done
    kv_set_browser 'C:\\kelvane-sim\\recorder.exe \"%1\"'
    # Wine's own fonts (title-bar symbols, MS Sans Serif) where the host has them.
    if [ -d /usr/share/wine/fonts ]; then
        mkdir -p "$KV_C/windows/Fonts"
        cp /usr/share/wine/fonts/marlett.ttf /usr/share/wine/fonts/tahoma*.ttf "$KV_C/windows/Fonts/" 2>/dev/null
    fi
    # No window manager runs on the virtual display: Wine draws the title bars
    # itself, as Windows would, and does not wait for a manager to hide a window.
    kv_reg_text "REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
\"Decorated\"=\"N\"
\"Managed\"=\"N\"
"
}

# kv_set_browser COMMAND: the http and https handlers, as written in a .reg
# file (backslashes and quotes escaped). Wine's own browser launcher points at
# a shadowing stub, so a fallback through it is caught as a leak too.
kv_set_browser() {
    local leak_stub
    leak_stub=$(printf '%s' "$KV_TMP/bin/xdg-open" | sed 's/\\/\\\\/g')
    kv_reg_text "REGEDIT4

[HKEY_CLASSES_ROOT\\http\\shell\\open\\command]
@=\"$1\"

[HKEY_CLASSES_ROOT\\https\\shell\\open\\command]
@=\"$1\"

[HKEY_CURRENT_USER\\Software\\Wine\\WineBrowser]
\"Browsers\"=\"$leak_stub\"
\"Mailers\"=\"$leak_stub\"
"
}

# kv_reg_text TEXT: loads .reg text into the prefix.
kv_reg_text() {
    local file=$KV_TMP/load.reg
    printf '%s' "$1" | sed 's/$/\r/' >"$file"
    kv_reg_file "$file"
}

kv_reg_file() {
    wine regedit /S "$(winepath -w "$1" 2>/dev/null)" >/dev/null 2>&1
}

# kv_version win98|winxp|win7|... [EXE]: the Windows version that Kelvane.exe
# (or the program EXE, such as probe.exe) is shown.
kv_version() {
    kv_reg_text "REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\AppDefaults\\${2:-Kelvane.exe}]
\"Version\"=\"$1\"
"
}

# kv_scenario FILE|NAME: the simulated PC the substitute tools show; a bare
# NAME is one of tests/scenarios (with or without .txt).
kv_scenario() {
    local file=$1
    [ -f "$file" ] || file=$KV_ROOT/tests/scenarios/$1
    [ -f "$file" ] || file=$file.txt
    cp "$file" "$KV_SIM/pc.txt"
}

# The addresses the recorder was given, one a line.
kv_pages() { tr -d '\r' <"$KV_SIM/pages.txt"; }
kv_clear_pages() { : >"$KV_SIM/pages.txt"; }

# kv_wait_pages SECONDS: the recorder runs apart from the program, so the
# addresses are read once the first has arrived (or the time is up) and the
# recorder has had a moment for any further one.
kv_wait_pages() {
    local deadline=$((SECONDS + $1))
    while [ ! -s "$KV_SIM/pages.txt" ] && [ $SECONDS -lt $deadline ]; do sleep 0.1; done
    sleep 1
    kv_pages
}

# ---------------------------------------------------------------------------
# The program and the driver.

# kv_start [EXE]: starts Kelvane.exe (or the copy EXE) in the background
# from C:\ (KV_PID).
kv_start() {
    (cd "$KV_C" && exec wine "${1:-$KV_EXE}" >>"$KV_TMP/kelvane.log" 2>&1) &
    KV_PID=$!
}

# kv_run_exe SECONDS: runs Kelvane.exe in the foreground; fails when it does
# not end within SECONDS.
kv_run_exe() {
    (cd "$KV_C" && exec timeout "$1" wine "$KV_EXE" >>"$KV_TMP/kelvane.log" 2>&1)
}

# kv_wait_exit SECONDS: waits for the background Kelvane.exe to end.
kv_wait_exit() {
    local deadline=$((SECONDS + $1))
    while kill -0 "$KV_PID" 2>/dev/null; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
    wait "$KV_PID" 2>/dev/null
    KV_PID=
    return 0
}

kv_running() { [ -n "$KV_PID" ] && kill -0 "$KV_PID" 2>/dev/null; }

# Ends whatever still runs in the prefix.
kv_stop() {
    [ -n "$KV_PREFIX" ] && WINEPREFIX=$KV_PREFIX wineserver -k >/dev/null 2>&1
    if [ -n "$KV_PID" ]; then
        wait "$KV_PID" 2>/dev/null
        KV_PID=
    fi
}

# kv_drv ARGS...: one driver step; its output without carriage returns.
kv_drv() { wine "$KV_DRIVER" "$@" 2>>"$KV_TMP/driver.log" | tr -d '\r'; return "${PIPESTATUS[0]}"; }

# How many notification icons Wine's tray shows (with no X tray on the virtual
# display, each icon is a child window of Wine's own tray window).
kv_tray_icons() {
    kv_drv controls "Wine System Tray" | grep -c '^__winex11_tray_icon' || true
}

# kv_screenshot FILE [TITLE]: the screen, or the window TITLE, as PNG.
kv_screenshot() {
    local out=$1 title=${2:-} rect
    mkdir -p "$(dirname "$out")"
    if [ -n "$title" ] && rect=$(kv_drv rect "$title"); then
        local x y w h
        read -r x y w h <<<"$rect"
        import -window root -crop "${w}x${h}+${x}+${y}" +repage "$out" 2>/dev/null
    else
        import -window root "$out" 2>/dev/null
    fi
}

kv_cleanup() {
    kv_stop
    [ -n "$KV_PREFIX" ] && rm -rf "$KV_PREFIX"
    [ -n "$KV_TMP" ] && rm -rf "$KV_TMP"
    KV_PREFIX=
    KV_TMP=
}
