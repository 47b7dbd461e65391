# Helpers for the Wine tests that run single operations of the main dialog
# through probe.exe (tools/probe), and compare them with its native twin
# probe_native, which runs the same sub-commands on a simulated PC.
#
# Source after lib.sh and call kp_init after kv_init. The native twin is taken
# from $KELVANE_NATIVE_BUILD, else from the native build beside BUILD_DIR
# (out/native next to out/i686).

KP_LIMIT=${KELVANE_PROBE_LIMIT:-60} # seconds one probe run may take
KP_WIN='C:\kelvane-sim\probe.exe'   # where the prefix keeps its copy
KP_PID=
KP_IMMUTABLE=

kp_init() {
    KP_PROBE=$KV_BUILD/tools/probe.exe
    [ -f "$KP_PROBE" ] || { echo "missing: $KP_PROBE (build the mingw i686 tree first)" >&2; exit 2; }
    local native=${KELVANE_NATIVE_BUILD:-$KV_BUILD/../native}
    KP_NATIVE=$native/probe_native
    [ -x "$KP_NATIVE" ] || { echo "missing: $KP_NATIVE (build target probe_native of the native tree; KELVANE_NATIVE_BUILD names it)" >&2; exit 2; }
    cp "$KP_PROBE" "$KV_SIM/probe.exe"
    trap kp_cleanup EXIT
}

kp_cleanup() {
    # An immutable file would survive the prefix's removal.
    [ -n "$KP_IMMUTABLE" ] && chattr -i "$KP_IMMUTABLE" 2>/dev/null
    kv_cleanup
}

# kp_probe ARGS...: one probe.exe run from C:\ in the foreground; prints its
# standard output without carriage returns (its standard error goes to
# $KV_TMP/probe.err). A run that outlives KP_LIMIT seconds is ended; the
# message boxes it left open are logged first, and the status is 124.
kp_probe() {
    kp_probe_bg "$@"
    kp_probe_wait "$KP_LIMIT"
    local status=$?
    printf '%s' "$KP_OUT"
    return $status
}

# kp_probe_bg ARGS...: the same in the background (KP_PID). kp_probe_wait
# SECONDS, called from the same shell, then waits for it and puts its output
# into KP_OUT (without its final line feed, as $(...) gives it).
kp_probe_bg() {
    (cd "$KV_C" && exec wine "$KP_WIN" "$@" >"$KV_TMP/probe.out" 2>"$KV_TMP/probe.err") &
    KP_PID=$!
}

kp_probe_wait() {
    local deadline=$((SECONDS + $1)) status
    while kill -0 "$KP_PID" 2>/dev/null && [ $SECONDS -lt "$deadline" ]; do sleep 0.1; done
    if kill -0 "$KP_PID" 2>/dev/null; then
        kv_drv boxes | sed 's/^/# left open: box /' >&2
        kill "$KP_PID" 2>/dev/null
        wait "$KP_PID" 2>/dev/null
        status=124
    else
        wait "$KP_PID" 2>/dev/null
        status=$?
    fi
    KP_PID=
    KP_OUT=$(tr -d '\r' <"$KV_TMP/probe.out")
    return $status
}

# The probe's standard error of its last run, without carriage returns.
kp_probe_err() { tr -d '\r' <"$KV_TMP/probe.err"; }

# kp_native SCENARIO ARGS...: the native twin on SCENARIO (a file or a name
# in tests/scenarios).
kp_native() {
    local file=$1
    shift
    [ -f "$file" ] || file=$KV_ROOT/tests/scenarios/$file.txt
    "$KP_NATIVE" "$file" "$@" 2>>"$KV_TMP/native.err"
}

# kp_procs PATTERN: processes of this prefix whose command line matches
# PATTERN (pgrep -f; a Windows process shows the command line it was given).
kp_procs() {
    local pid
    for pid in $(pgrep -f -- "$1" 2>/dev/null); do
        tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$KV_PREFIX" && echo "$pid"
    done
}

# kp_read_only FILE: makes FILE unwritable even for root (Windows sees it
# read-only; the immutable flag stops root as well). Fails where that cannot be had.
kp_read_only() {
    chmod a-w "$1" || return 1
    if [ "$(id -u)" -eq 0 ]; then
        chattr +i "$1" 2>/dev/null || return 1
        KP_IMMUTABLE=$1
    fi
}

kp_writable() {
    if [ -n "$KP_IMMUTABLE" ]; then
        chattr -i "$KP_IMMUTABLE"
        KP_IMMUTABLE=
    fi
    chmod u+w "$1"
}
