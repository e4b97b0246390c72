#!/usr/bin/env bash
# Makes the Windows installer from the program folder: installer.sh WIN_BUILD_DIR VERSION
# -> WIN_BUILD_DIR/camdesk-VERSION-setup.exe
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
win=$(cd "$1" && pwd)
version=$2
tree=$win/bin
[ -f "$tree/camdesk.exe" ] || { echo "windows: no $tree/camdesk.exe; run make windows first" >&2; exit 1; }

# The lists name each file, so that the uninstaller removes what was installed and nothing else, and an
# options.xml left in the build's folder by a trial run is not shipped.
files=$win/installer/files.nsh
unfiles=$win/installer/unfiles.nsh
mkdir -p "$win/installer"
: >"$files"
: >"$unfiles"
(cd "$tree" && find . -type d | sort) | while read -r dir; do
    rel=${dir#.}
    printf 'SetOutPath "$INSTDIR%s"\n' "${rel//\//\\}" >>"$files"
    (cd "$tree/$dir" && find . -maxdepth 1 -type f ! -name options.xml | sort) | while read -r f; do
        printf 'File "%s"\n' "$tree$rel/${f#./}" >>"$files"
        name="$rel/${f#./}"
        printf 'Delete "$INSTDIR%s"\n' "${name//\//\\}" >>"$unfiles"
    done
done
# Deepest folders first; the program folder itself is removed by the script when empty.
(cd "$tree" && find . -mindepth 1 -type d | sort -r) | while read -r dir; do
    rel=${dir#.}
    printf 'RMDir "$INSTDIR%s"\n' "${rel//\//\\}" >>"$unfiles"
done

out=$win/camdesk-$version-setup.exe
makensis -V2 -DOUTFILE="$out" -DVERSION="$version" -DICON="$repo/app/resources/image/app5.ico" \
    -DFILES="$files" -DUNFILES="$unfiles" "$repo/dist/windows/camdesk.nsi"
echo "windows: installer $out"
