#!/usr/bin/env bash
# Installs the Debian packages given as arguments that are not installed yet.
# Does nothing when all are present; says what is missing when it cannot install.
# A name with an architecture (wine32:i386) adds that architecture to dpkg first.
set -eu

missing=()
for pkg in "$@"; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "deps: installing ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
elif command -v sudo >/dev/null 2>&1; then
    SUDO="sudo"
else
    echo "deps: these packages are missing and I am neither root nor able to use sudo:" >&2
    echo "      ${missing[*]}" >&2
    echo "      install them with: apt-get install ${missing[*]}" >&2
    exit 1
fi

export DEBIAN_FRONTEND=noninteractive
update=""
for pkg in "${missing[@]}"; do
    arch=${pkg#*:}
    [ "$arch" = "$pkg" ] && continue
    if [ "$arch" != "$(dpkg --print-architecture)" ] && ! dpkg --print-foreign-architectures | grep -qx "$arch"; then
        $SUDO dpkg --add-architecture "$arch"
        update=yes
    fi
done
# Without the new architecture's package lists apt finds no candidate at all.
# A mirror that is still syncing one list fails the update; the lists it did get may be enough.
if [ -n "$update" ]; then
    $SUDO apt-get update || echo "deps: apt-get update reported errors; installing with the lists it got" >&2
fi
if ! $SUDO apt-get install -y --no-install-recommends "${missing[@]}"; then
    # A fresh machine has no package lists yet.
    $SUDO apt-get update || echo "deps: apt-get update reported errors; installing with the lists it got" >&2
    $SUDO apt-get install -y --no-install-recommends "${missing[@]}" || {
        echo "deps: could not install: ${missing[*]}" >&2
        exit 1
    }
fi
