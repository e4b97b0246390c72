#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks it as a user and an outside project meet it:
# the layout, the desktop files, a project built with find_package(Camdesk), and the installed
# program started from another folder while its own folder is read-only.
set -euo pipefail
build=$1 source=$2 appid=$3 closewindow=$4
# Root runs the installed program as nobody, who may not pass through the checkout's parents (a clone
# under /root, or in a mktemp -d folder): then the install goes where every user can reach it.
if [ "$(id -u)" -eq 0 ]; then
    work=$(mktemp -d /tmp/camdesk-install.XXXXXX)
    chmod 755 "$work"
    trap 'rm -rf "$work"' EXIT
else
    work=$build/tests/install/run
    rm -rf "$work"
    mkdir -p "$work"
fi
prefix=$work/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

# Layout: what must be there, and what must not.
for f in bin/camdesk bin/km420-record share/camdesk/de.qm share/camdesk/cn.qm share/camdesk/translations/qt_de.qm \
    "share/camdesk/Software Manual.pdf" share/camdesk/软件用户手册.pdf lib/libLensFeed.so lib/libWireLink.so \
    share/camdesk/layouts/camdesk-builtin-1.json lib/libLayouts.so \
    include/camdesk/lensfeed/lensfeed.h include/camdesk/wirelink/wirelink.h include/camdesk/devicebase/km420frame.h \
    lib/cmake/Camdesk/CamdeskConfig.cmake lib/cmake/Camdesk/CamdeskConfigVersion.cmake \
    share/applications/$appid.desktop share/metainfo/$appid.metainfo.xml \
    share/icons/hicolor/48x48/apps/$appid.png share/icons/hicolor/256x256/apps/$appid.png lib/udev/rules.d/70-km420.rules; do
    [ -e "$prefix/$f" ] || fail "missing $f"
done
stray=$(cd "$prefix" && find . \( -name '*sim*' -o -name 'tst_*' -o -name 'qtscript*' -o -name 'qtbase_*' \
    -o -name 'options.xml' -o -name 'serialstreamcut.h' -o -name '*.qm' -path './bin/*' \) -print)
[ -z "$stray" ] || fail "installed but should not be: $stray"
[ "$(ls "$prefix/share/camdesk/translations")" = "$(printf 'qt_%s.qm\n' cn de es fr it ja ru)" ] ||
    fail "Qt catalogues: $(ls "$prefix/share/camdesk/translations")"
readelf -d "$prefix/bin/camdesk" | grep -q 'RUNPATH.*\$ORIGIN/\.\./lib' || fail "camdesk has no relative RUNPATH"
# The export tool is left out of builds without FFmpeg; when built, it runs from the install alone.
if [ -x "$build/bin/km420-export" ]; then
    "$prefix/bin/km420-export" --help >/dev/null || fail "the installed km420-export does not start"
fi
"$prefix/bin/km420-record" --help >/dev/null || fail "the installed km420-record does not start"
grep -q 'ATTRS{idVendor}=="0483", ATTRS{idProduct}=="5740", TAG+="uaccess"' "$prefix/lib/udev/rules.d/70-km420.rules" ||
    fail "udev rule"

desktop-file-validate "$prefix/share/applications/$appid.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$appid.metainfo.xml"

# An outside project: configure, build and run against the install only.
cmake -S "$source/tests/install/consumer" -B "$work/consumer" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/consumer" >/dev/null
QT_QPA_PLATFORM=offscreen "$work/consumer/consumer"

# The installed program, started from another folder with German chosen and a program folder it
# cannot write to. It writes options.xml when its window is closed, so the window is closed as a
# window manager would (WM_DELETE_WINDOW on a virtual X server) rather than killing the process,
# which would skip that. A read-only folder stops only an ordinary user, so root runs it as nobody.
home=$work/home
mkdir -p "$home/config/camdesk" "$work/elsewhere"
mkdir -m 700 "$home/runtime"
printf '<options><Language>DE</Language></options>\n' >"$home/config/camdesk/options.xml"
if [ "$(id -u)" -eq 0 ]; then
    chown -R nobody "$home"
    chmod -R a+rX "$work"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
    "${as_user[@]}" test -x "$prefix/bin/camdesk" || fail "nobody cannot reach $prefix/bin/camdesk"
else
    chmod a-w "$prefix/bin"
    as_user=()
fi
export work home prefix closewindow
export as_user_line="${as_user[*]}"
status=0
(cd "$work/elsewhere" && xvfb-run -a -s "-ac -screen 0 1280x1024x24" bash -c '
    env -u XAUTHORITY QT_QPA_PLATFORM=xcb HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" \
        QT_LOGGING_RULES="camdesk.startup.debug=true" $as_user_line "$prefix/bin/camdesk" 2>"$work/camdesk.log" &
    pid=$!
    "$closewindow" "KM420 V" || kill $pid
    for _ in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
    kill $pid 2>/dev/null && echo "camdesk did not end when its window was closed" >&2
    wait $pid') || status=$?
chmod -R u+w "$prefix/bin"
[ "$status" -eq 0 ] || { cat "$work/camdesk.log" >&2; fail "camdesk ended with $status"; }

grep -qF "translation $prefix/share/camdesk/de.qm loaded" "$work/camdesk.log" ||
    { cat "$work/camdesk.log" >&2; fail "German translation not found in share/camdesk"; }
grep -qF "translation $prefix/share/camdesk/translations/qt_de.qm loaded" "$work/camdesk.log" ||
    fail "Qt's German catalogue not found in share/camdesk"
options=$home/config/camdesk/options.xml
grep -q '<Language>DE</Language>' "$options" && grep -q '<Geometry>' "$options" ||
    fail "options.xml was not written in the configuration folder: $(cat "$options")"
[ ! -e "$prefix/bin/options.xml" ] && [ -z "$(ls "$work/elsewhere")" ] || fail "options.xml written elsewhere"
echo "install checks passed"
