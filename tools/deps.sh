#!/usr/bin/env bash
# Installs the Debian packages given as arguments that are not installed yet.
# Does nothing when all are present; says what is missing when it cannot install.
# --arch=NAME: apt must also know the packages of that architecture (the Windows test fetches i386 ones); it is
# added to dpkg and the package lists are fetched again.
set -eu

archs=()
packages=()
for arg in "$@"; do
    case $arg in
    --arch=*) archs+=("${arg#--arch=}") ;;
    *) packages+=("$arg") ;;
    esac
done

if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
elif command -v sudo >/dev/null 2>&1; then
    SUDO="sudo"
else
    SUDO=none
fi
export DEBIAN_FRONTEND=noninteractive
# A mirror that is still syncing one list fails the update; the lists it did get may be enough.
update() { $SUDO apt-get update || echo "deps: apt-get update reported errors; going on with the lists it got" >&2; }

for arch in ${archs[@]+"${archs[@]}"}; do
    dpkg --print-foreign-architectures | grep -qx "$arch" && continue
    if [ "$SUDO" = none ]; then
        echo "deps: apt knows no $arch packages; add them with: dpkg --add-architecture $arch && apt-get update" >&2
        exit 1
    fi
    echo "deps: adding the $arch architecture"
    $SUDO dpkg --add-architecture "$arch"
    update
done

missing=()
for pkg in ${packages[@]+"${packages[@]}"}; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "deps: installing ${missing[*]}"
if [ "$SUDO" = none ]; then
    echo "deps: these packages are missing and I am neither root nor able to use sudo:" >&2
    echo "      ${missing[*]}" >&2
    echo "      install them with: apt-get install ${missing[*]}" >&2
    exit 1
fi

if ! $SUDO apt-get install -y --no-install-recommends "${missing[@]}"; then
    # A fresh machine has no package lists yet.
    update
    $SUDO apt-get install -y --no-install-recommends "${missing[@]}" || {
        echo "deps: could not install: ${missing[*]}" >&2
        exit 1
    }
fi
