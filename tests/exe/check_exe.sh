#!/usr/bin/env bash
# Checks a built Kelvane.exe without running it:
#   - it imports from Windows system DLLs only (the program ships as one file
#     and must run on a bare Windows: no runtime DLL of the compiler's);
#   - its resources are all there: the dialogs as the code expects them, the
#     icons, the About item's text, the manifest and the version block.
#
#   tests/exe/check_exe.sh path/to/Kelvane.exe
#
# Prints one line per check; exits non-zero when any check fails.
set -uo pipefail

if [ $# -ne 1 ]; then
    echo "usage: $0 path/to/Kelvane.exe" >&2
    exit 2
fi
exe=$1
failures=0

pass() { echo "PASS: $*"; }
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if [ ! -f "$exe" ]; then
    echo "FAIL: $exe does not exist"
    exit 1
fi

# --- imports -----------------------------------------------------------------

allowed="KERNEL32.DLL USER32.DLL GDI32.DLL SHELL32.DLL ADVAPI32.DLL COMCTL32.DLL MSVCRT.DLL"

headers=""
for tool in objdump x86_64-w64-mingw32-objdump i686-w64-mingw32-objdump; do
    command -v "$tool" >/dev/null 2>&1 || continue
    if headers=$("$tool" -p "$exe" 2>/dev/null) && grep -q 'DLL Name:' <<<"$headers"; then
        break
    fi
    headers=""
done
if [ -z "$headers" ]; then
    fail "imports: no objdump could read the import table of $exe"
else
    imported=$(sed -n 's/^[[:space:]]*DLL Name:[[:space:]]*//p' <<<"$headers" | tr '[:lower:]' '[:upper:]' | sort -u)
    bad=""
    for dll in $imported; do
        case " $allowed " in
        *" $dll "*) ;;
        *) bad="$bad $dll" ;;
        esac
    done
    if [ -n "$bad" ]; then
        fail "imports: not a system DLL of the allowed set:$bad"
    else
        pass "imports: only system DLLs ($(echo $imported))"
    fi
fi

# --- resources -----------------------------------------------------------------

# The resource compiler can turn the executable's resources back into a script.
script=""
for tool in x86_64-w64-mingw32-windres i686-w64-mingw32-windres; do
    command -v "$tool" >/dev/null 2>&1 || continue
    if script=$("$tool" -J coff -O rc -i "$exe" 2>/dev/null); then
        break
    fi
    script=""
done
if [ -z "$script" ]; then
    fail "resources: could not read the resources of $exe"
    echo "$failures check(s) failed"
    exit 1
fi
# Numeric data rows of icons and the like are of no interest here.
text=$(grep -v '^  0x' <<<"$script")

# Every expected line must appear, in order, inside the named resource.
# $1: label; $2: the resource's first line; rest: lines that must follow it.
expect_block() {
    local label=$1 head=$2
    shift 2
    local block
    block=$(awk -v head="$head" '
        $0 == head { inside = 1; print; next }
        inside && /^END$/ { print; exit }
        inside { print }' <<<"$text")
    if [ -z "$block" ]; then
        fail "$label: missing ($head)"
        return
    fi
    local line rest=$block
    for line in "$@"; do
        local after
        after=$(awk -v want="$line" 'found { print; next } index($0, want) { found = 1 }' <<<"$rest")
        if ! grep -qF -- "$line" <<<"$rest"; then
            fail "$label: no line with: $line"
            return
        fi
        rest=$after
    done
    pass "$label"
}

# Main dialog: popup, visible, caption, system menu, minimise box, modal frame
# (the font sets DS_SETFONT), a taskbar button, no maximise box.
expect_block "dialog 102 (main dialog)" "102 DIALOGEX 0, 0, 171, 103" \
    'STYLE 0x90ca00c0' \
    'EXSTYLE 0x40000' \
    'CAPTION "Kelvane"' \
    'FONT 8, "MS Sans Serif"' \
    'PUSHBUTTON "Login", 1000, 57, 17, 58, 17, 0x50010000' \
    'PUSHBUTTON "Logout", 1001, 56, 46, 58, 17, 0x50010000' \
    'PUSHBUTTON "click here", 1004, 122, 78, 37, 12, 0x50010000' \
    'LTEXT "To connect to broadband router, ", -1, 12, 80, 105, 10' \
    'GROUPBOX "", -1, 7, 70, 157, 26' \
    'CONTROL 137, 1006, "STATIC", 0x50000003, 19, 30, 20, 20'

expect_block "dialog 100 (About box)" "100 DIALOGEX 0, 0, 235, 55" \
    'STYLE 0x80c800c0' \
    'CAPTION "About Kelvane"' \
    'FONT 8, "MS Sans Serif"' \
    'CONTROL 128, -1, "STATIC", 0x50000003' \
    '"Kelvane Version 1.0"' \
    'DEFPUSHBUTTON "OK", 1,'

expect_block "dialog 131 (adapter list)" "131 DIALOGEX 0, 0, 253, 87" \
    'STYLE 0x80c800c0' \
    'CAPTION "Network Adapters on Local Computer"' \
    'FONT 8, "MS Sans Serif"' \
    'DEFPUSHBUTTON "OK", 1, 101, 66, 50, 14, 0x50010001' \
    'LISTBOX 1003, 7, 20, 239, 37, 0x50a10103' \
    'LTEXT "Please select the Ethernet Card that is connected to KR7740M :", -1, 7, 7, 239, 10, 0x50020000'

if grep -qF '101, "&About Kelvane..."' <<<"$text"; then
    pass "string 101: \"&About Kelvane...\""
else
    fail "string 101: \"&About Kelvane...\" missing"
fi

# Icon groups: "width height colours pad", planes, bits per pixel.
check_icon() {  # id, colour count escape, bits, what
    local id=$1 colours=$2 bits=$3 what=$4
    local group
    group=$(awk -v head="$id 14 /* RT_GROUP_ICON */" '
        $0 == head { inside = 1; next }
        inside && /^END$/ { exit }
        inside { print }' <<<"$text")
    if [ -z "$group" ]; then
        fail "icon $id: missing"
    elif grep -qF "\"\\040\\040\\$colours\\000\", 1, $bits," <<<"$group"; then
        pass "icon $id: 32x32, $what"
    else
        fail "icon $id: not a 32x32 $what image"
    fi
}
check_icon 128 000 24 "true colour"
check_icon 134 020 4 "16 colours"
check_icon 135 020 4 "16 colours"
check_icon 137 020 4 "16 colours"

manifest=$(awk '
    /^1 24 \/\* RT_MANIFEST \*\/$/ { inside = 1; next }
    inside && /^END$/ { exit }
    inside { print }' <<<"$text")
if [ -z "$manifest" ]; then
    fail "manifest: missing"
else
    if grep -q 'requestedExecutionLevel level=""requireAdministrator""' <<<"$manifest"; then
        pass "manifest: requireAdministrator"
    else
        fail "manifest: no requireAdministrator"
    fi
    if grep -q 'Microsoft.Windows.Common-Controls"" version=""6.0.0.0""' <<<"$manifest"; then
        pass "manifest: Common Controls 6"
    else
        fail "manifest: no Common Controls 6 dependency"
    fi
    if grep -q 'dpiAware' <<<"$manifest" && [ "$(grep -c 'supportedOS' <<<"$manifest")" -ge 5 ]; then
        pass "manifest: DPI awareness and supported systems"
    else
        fail "manifest: DPI awareness or supportedOS entries missing"
    fi
fi

if grep -qF 'VALUE "ProductName", "Kelvane"' <<<"$text" &&
    grep -qF 'FILEVERSION 1, 0, 0, 0' <<<"$text"; then
    pass "version block: Kelvane 1.0.0.0"
else
    fail "version block: missing or not Kelvane 1.0.0.0"
fi

if [ "$failures" -eq 0 ]; then
    echo "all checks passed: $exe"
    exit 0
fi
echo "$failures check(s) failed: $exe"
exit 1
