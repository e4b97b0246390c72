#!/usr/bin/env bash
# Prints the folder of a 32-bit Wine: Debian's wine32 and its i386 libraries, fetched once with apt-get download
# and unpacked into a cache outside the checkout, never installed. Installing wine32 needs every Multi-Arch library
# at the same version for i386 as for amd64, which a mirror whose i386 security lists lag behind cannot give; an
# unpacked copy runs beside whatever the machine has. The C library is the machine's own (libc6-i386), so that its
# loader and libc always match.
set -euo pipefail
say() { echo "windows: $*" >&2; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    say "apt knows no i386 packages: tools/deps.sh adds the architecture (make deps)"
    exit 1
fi
[ -x /lib/ld-linux.so.2 ] || { say "no /lib/ld-linux.so.2: install libc6-i386 (make deps)"; exit 1; }
version=$(apt-cache policy wine32:i386 | sed -n 's/^ *Candidate: //p')
[ -n "$version" ] && [ "$version" != "(none)" ] || { say "apt has no wine32:i386 (apt-get update?)"; exit 1; }
cache=${XDG_CACHE_HOME:-$HOME/.cache}/camdesk/wine32-$version
root=$cache/root
if [ ! -f "$root/.unpacked" ]; then
    say "fetching wine32 $version and its i386 libraries into $cache"
    rm -rf "$cache"
    mkdir -p "$cache/debs" "$root"
    packages=$(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks --no-replaces \
        --no-enhances wine32:i386 | grep -E '^[a-z0-9][^ ]*:i386$' | grep -vx 'libc6:i386' | sort -u)
    # wine32 takes its zlib1.dll from this Architecture: all package.
    (cd "$cache/debs" && apt-get -qq download $packages libz-mingw-w64 2>"$cache/download.log") ||
        { cat "$cache/download.log" >&2; exit 1; }
    for deb in "$cache"/debs/*.deb; do dpkg-deb -x "$deb" "$root"; done
    # What libwine's postinst does: zlib1.dll marked as one of Wine's own DLLs.
    zin=$root/usr/i686-w64-mingw32/lib/zlib1.dll
    { head -c 64 "$zin"; printf 'Wine builtin DLL'; head -c 16 /dev/zero; tail -c +97 "$zin"; } \
        >"$root/usr/lib/i386-linux-gnu/wine/i386-windows/zlib1.dll"
    # The packaged wineserver is a script naming /usr/lib/wine; the unpacked server is beside it.
    ln -sf wineserver32 "$root/usr/lib/wine/wineserver"
    rm -rf "$cache/debs"
    touch "$root/.unpacked"
fi
echo "$root"
