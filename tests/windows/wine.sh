#!/usr/bin/env bash
# wine.sh WIN_BUILD_DIR ARTIFACTS WMDELETE: the Windows program folder is whole, and under Wine on Xvfb
# camdesk.exe shows its window, closes on WM_DELETE_WINDOW leaving options.xml, speaks German when options.xml
# says so, and hands the manual to ShellExecuteW.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
win=$(realpath -m "$1") artifacts=$2 wmdelete=$3 tree=$(realpath -m "$1")/bin objdump=i686-w64-mingw32-objdump
fail() { echo "FAIL: $*" >&2; exit 1; }

if [ "${WINEPREFIX:-}" != "$win/wine/prefix" ]; then
    if [ ! -f "$tree/camdesk.exe" ]; then
        "$here/../../tools/windows/kit.sh" >/dev/null || exit # 77 without a kit
        fail "a Qt kit is there but $tree/camdesk.exe is not: run make windows"
    fi
    for f in camdesk.exe LensFeed.dll WireLink.dll Qt5Widgets.dll Qt5SerialPort.dll platforms/qwindows.dll \
        styles/qwindowsvistastyle.dll libstdc++-6.dll de.qm translations/qt_de.qm "Software Manual.pdf" "软件用户手册.pdf"; do
        [ -s "$tree/$f" ] || fail "the program folder lacks $f"
    done
    $objdump -f "$tree/camdesk.exe" | grep "format pei-i386" >/dev/null || fail "camdesk.exe is not a 32-bit Windows program"
    grep -q requireAdministrator "$tree/camdesk.exe" || fail "camdesk.exe has no manifest asking for administrator rights"
    $objdump -p "$tree/WireLink.dll" | grep WaitCommEvent >/dev/null || fail "WireLink.dll is not the Win32 build"
    $objdump -p "$tree/camdesk.exe" | grep ShellExecuteW >/dev/null || fail "camdesk.exe does not open documents with ShellExecuteW"
    WINRUN_XVFB=1 exec "$here/../../tools/windows/winrun.sh" "$win" "$0" "$@"
fi

started=$(date +%s) drive=$WINEPREFIX/drive_c
for f in "$tree"/*.exe "$tree"/*.dll "$tree"/*/*.dll; do
    for dll in $($objdump -p "$f" | sed -n 's/.*DLL Name: //p'); do
        [ -e "$tree/$dll" ] || [ -e "$drive/windows/system32/${dll,,}" ] || fail "$f imports $dll, found nowhere"
    done
done
# The stand-in for the program Wine hands PDF files to writes down what it was given.
wine reg add 'HKCR\.pdf' /ve /d camdesk.pdftest /f >/dev/null 2>&1
wine reg add 'HKCR\camdesk.pdftest\shell\open\command' /ve /d 'cmd.exe /c echo %1> C:\opened.txt' /f >/dev/null 2>&1
rm -rf "$drive/camdesk" "$drive/opened.txt" && cp -r "$tree" "$drive/camdesk" && mkdir -p "$artifacts"
keys() { xdotool key --delay 300 "$@"; }

# run NAME [ACTION]: camdesk.exe started in its folder; ACTION on its window, a picture, WM_DELETE_WINDOW, its end.
run() {
    (cd "$drive/camdesk" && exec wine camdesk.exe) &
    local pid=$! id
    id=$(timeout 120 xdotool search --sync --name '^KM420 V1\.01$' | head -n 1) || fail "$1: no window KM420 V1.01"
    echo "$1: window \"$(xdotool getwindowname "$id")\" after $(($(date +%s) - started)) s"
    xdotool windowfocus "$id" && sleep 1 && ${2:-true} && sleep 1
    import -window root "$artifacts/windows-$1.png"
    "$wmdelete" "$id"
    timeout 20 tail --pid=$pid -f /dev/null || fail "$1: camdesk.exe still runs 20 s after WM_DELETE_WINDOW"
    wait $pid || fail "$1: camdesk.exe ended with status $?"
}

run english
grep -q '<Language>' "$drive/camdesk/options.xml" || fail "closing camdesk.exe wrote no options.xml beside it"
sed -i 's|<Language>[^<]*</Language>|<Language>DE</Language>|' "$drive/camdesk/options.xml"
# Alt, the second menu, its first entry: Werkzeuge > Layout-Profile.
german() {
    keys alt Right Down Return
    local dialog
    dialog=$(timeout 15 xdotool search --sync --name '^Layout-Profile$' | head -n 1) || fail "German: no dialog Layout-Profile"
    sleep 1 && import -window root "$artifacts/windows-german-dialog.png" && "$wmdelete" "$dialog"
    timeout 10 sh -c "while xdotool search --name '^Layout-Profile$' >/dev/null; do sleep 0.2; done" ||
        fail "German: the dialog stays open after WM_DELETE_WINDOW"
}
run german german
grep -q '<Language>DE</Language>' "$drive/camdesk/options.xml" || fail "options.xml lost the German choice"
# Alt, the third menu, its first entry: Hilfe > Benutzerhandbuch.
run manual "keys alt Right Right Down Return"
sleep 2
opened=$(tr -d '\r' <"$drive/opened.txt" 2>/dev/null) || fail "Help > User Manual reached no program for PDF files"
[[ "$opened" == *'C:\camdesk\Software Manual.pdf'* ]] || fail "Help > User Manual opened $opened"
echo "manual: ShellExecuteW handed over $opened; Wine part $(($(date +%s) - started)) s"
