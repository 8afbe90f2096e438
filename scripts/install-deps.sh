#!/bin/sh
# Installs the Debian packages the build and the tests need, quietly and only
# those that are missing.  Needs root (or sudo) only when something is missing.
set -eu

PACKAGES="
  cmake ninja-build make g++ python3 fonts-liberation fonts-wine
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  googletest zlib1g-dev libz-mingw-w64-dev libminizip-dev
  nlohmann-json3-dev libcli11-dev
  wine wine64 xvfb xauth imagemagick zip unzip
"

missing=""
for package in $PACKAGES; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    case "$status" in
        *"install ok installed"*) ;;
        *) missing="$missing $package" ;;
    esac
done
[ -z "$missing" ] && exit 0

echo "Installing missing packages:$missing"
if [ "$(id -u)" -eq 0 ]; then
    as_root=""
elif command -v sudo >/dev/null 2>&1; then
    as_root="sudo"
else
    echo "error: these packages are missing and this user cannot install them:$missing" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$as_root apt-get update -qq >/dev/null
# shellcheck disable=SC2086
$as_root apt-get install -y -qq --no-install-recommends $missing >/dev/null
echo "Installed."
