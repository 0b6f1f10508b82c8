#!/usr/bin/env bash
# The packages, and their installed size, that the game's runtime packages bring onto a
# minimal Debian 12 installed without recommends. Needs root and debootstrap.
# Usage: bench/runtime_closure.sh [EXTRA-PACKAGE ...]   (e.g. libqt6multimedia6 to compare)
set -euo pipefail
runtime=(libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins libfluidsynth3 libsdl2-2.0-0
         timgm6mb-soundfont fonts-dejavu-core "$@")
root=$(mktemp -d /tmp/quelvane-minbase-XXXXXX)
trap 'rm -rf "$root"' EXIT
debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian >/dev/null
# The host's package lists (bookworm as well) against the bootstrap's installed set.
installs=$(apt-get install --simulate --no-install-recommends \
             -o Dir::State::status="$root/var/lib/dpkg/status" "${runtime[@]}" |
           awk '/^Inst /{print $2}')
kib=$(apt-cache show --no-all-versions $installs | awk '/^Installed-Size:/{s += $2} END{print s}')
echo "$(wc -w <<<"$installs") packages, $((kib / 1024)) MiB installed"
