#!/usr/bin/env bash
# Installs the Debian packages given as arguments that are not installed yet.
# Does nothing when all are present; says what is missing when it cannot install.
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
if ! $SUDO apt-get install -y --no-install-recommends "${missing[@]}"; then
    # A fresh machine has no package lists yet.
    $SUDO apt-get update
    $SUDO apt-get install -y --no-install-recommends "${missing[@]}" || {
        echo "deps: could not install: ${missing[*]}" >&2
        exit 1
    }
fi
