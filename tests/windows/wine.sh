#!/usr/bin/env bash
# wine.sh WIN_BUILD_DIR ARTIFACTS WMDELETE: the Windows program folder is whole, and camdesk.exe runs under
# Wine on Xvfb with a prefix of this test's own: its window comes up, closes on WM_DELETE_WINDOW and leaves
# options.xml beside the exe; German from options.xml reaches the menus; Help > User Manual hands the manual
# to ShellExecuteW.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
win=$1
artifacts=$2
wmdelete=$3
tree=$win/bin
fail() { echo "FAIL: $*" >&2; exit 1; }

if [ ! -f "$tree/camdesk.exe" ]; then
    if ! "$here/../../tools/windows/kit.sh" >/dev/null; then
        echo "SKIP: no Qt kit for Windows: set CAMDESK_WIN_KIT or place the kit in ../shared/winkit" >&2
        exit 77
    fi
    fail "a Qt kit is there but $tree/camdesk.exe is not: run make windows"
fi

for f in camdesk.exe LensFeed.dll WireLink.dll Qt5Core.dll Qt5Gui.dll Qt5Widgets.dll Qt5SerialPort.dll \
    platforms/qwindows.dll styles/qwindowsvistastyle.dll libstdc++-6.dll libgcc_s_dw2-1.dll libwinpthread-1.dll \
    de.qm cn.qm translations/qt_de.qm "Software Manual.pdf" "软件用户手册.pdf"; do
    [ -s "$tree/$f" ] || fail "the program folder lacks $f"
done
objdump=i686-w64-mingw32-objdump
$objdump -f "$tree/camdesk.exe" | grep -q "file format pei-i386" || fail "camdesk.exe is not a 32-bit Windows program"
grep -q 'requireAdministrator' "$tree/camdesk.exe" || fail "camdesk.exe carries no manifest asking for administrator rights"
# The Win32 builds, not the POSIX stand-ins: WireLink's reader waits on comm events, the manual goes to the shell.
$objdump -p "$tree/WireLink.dll" | grep -q WaitCommEvent || fail "WireLink.dll does not wait with WaitCommEvent"
$objdump -p "$tree/camdesk.exe" | grep -q ShellExecuteW || fail "camdesk.exe does not open documents with ShellExecuteW"

command -v wine >/dev/null && [ -x /usr/lib/wine/wine ] ||
    fail "no 32-bit Wine: tools/deps.sh installs wine32 after adding the i386 architecture (make deps)"
export WINEPREFIX=$win/wine/prefix WINEARCH=win32 WINEDEBUG=-all
# No Mono, Gecko or desktop menu entries in a prefix that only runs this test.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
started=$(date +%s)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$win/wine/display" 2>/dev/null &
xvfb=$!
trap 'wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -s "$win/wine/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$win/wine/display")
[ -d "$WINEPREFIX/drive_c" ] || wineboot -i >/dev/null 2>&1
# The stand-in for the program Wine hands documents to: it writes down what it was given.
for key in 'HKCR\.pdf' 'HKCR\camdesk.pdftest\shell\open\command'; do
    value=camdesk.pdftest
    [ "$key" = 'HKCR\.pdf' ] || value='C:\windows\system32\cmd.exe /c echo %1> C:\opened.txt'
    wine reg add "$key" /ve /d "$value" /f >/dev/null 2>&1
done
drive=$WINEPREFIX/drive_c
# Every DLL the folder's programs and plugins import is in the folder or is one of Windows' own.
for f in "$tree"/*.exe "$tree"/*.dll "$tree"/*/*.dll; do
    for dll in $($objdump -p "$f" | sed -n 's/.*DLL Name: //p'); do
        [ -e "$tree/$dll" ] || ls "$drive/windows/system32" | grep -qix "$dll" ||
            fail "$(basename "$f") imports $dll, which neither the folder nor Windows has"
    done
done
rm -rf "$drive/camdesk" "$drive/opened.txt"
cp -r "$tree" "$drive/camdesk"
mkdir -p "$artifacts"

keys() { xdotool key --delay 300 "$@"; }
# run NAME [ACTION]: starts camdesk.exe in its folder, waits for its window, runs ACTION on it, takes a picture,
# closes it on WM_DELETE_WINDOW and waits for it to end.
run() {
    local name=$1 action=${2:-true} id t
    (cd "$drive/camdesk" && exec wine camdesk.exe) &
    local pid=$!
    id=$(xdotool search --sync --name '^KM420 V1\.01$' | head -n 1)
    t=$(($(date +%s) - started))
    echo "$name: window \"$(xdotool getwindowname "$id")\" after ${t}s"
    xdotool windowfocus --sync "$id"
    sleep 1
    $action
    sleep 1
    import -window root "$artifacts/windows-$name.png"
    "$wmdelete" "$id"
    for _ in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.2; done
    ! kill -0 $pid 2>/dev/null || fail "$name: camdesk.exe still runs 20 s after WM_DELETE_WINDOW"
    wait $pid || fail "$name: camdesk.exe ended with status $?"
}

run english
[ -s "$drive/camdesk/options.xml" ] || fail "closing camdesk.exe wrote no options.xml beside it"
grep -q '<Language>' "$drive/camdesk/options.xml" || fail "options.xml holds no language"

sed -i 's|<Language>[^<]*</Language>|<Language>DE</Language>|' "$drive/camdesk/options.xml"
# Tools > Layout Profiles through the German menu bar (Alt, to the second menu, open, first entry): the dialog
# is German too. The picture shows the menu bar; the dialog is closed before the window.
german() {
    keys alt Right Down Return
    timeout 15 xdotool search --sync --name '^Layout-Profile$' >/dev/null ||
        fail "German: Tools > Layout Profiles opened no window titled Layout-Profile"
    echo "german: Tools > Layout Profiles opened \"Layout-Profile\""
    keys Escape
}
run german german

# Help > User Manual: Alt, to the third menu, open, first entry.
run manual "keys alt Right Right Down Return"
sleep 2
[ -f "$drive/opened.txt" ] || fail "Help > User Manual reached no program for PDF files"
opened=$(tr -d '\r' <"$drive/opened.txt")
echo "manual: ShellExecuteW handed over $opened"
[[ "$opened" == *'C:\camdesk\Software Manual.pdf'* ]] || fail "Help > User Manual opened $opened"
echo "wine: $(($(date +%s) - started)) s"
