#!/bin/sh
# Installs the Debian packages the build and the tests need; does nothing when all are present.
set -eu

PACKAGES="build-essential cmake ninja-build pkg-config libgtest-dev libgmock-dev googletest \
libbenchmark-dev qt6-base-dev libgl1-mesa-dev clang libclang-rt-14-dev xvfb xauth \
fonts-wqy-zenhei"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

[ -z "$missing" ] && exit 0

echo "Installing:$missing"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
