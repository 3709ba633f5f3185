#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the project needs and the machine lacks.
# Usage: scripts/install-deps.sh [build|test|bench|package]...  (default: build test)
set -euo pipefail

build_pkgs=(
  cmake g++ make ninja-build pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev libfontconfig-dev libpulse-dev
  libqt6svg6 qt6-qpa-plugins fonts-liberation2
  qt6-l10n-tools gettext qt6-translations-l10n
)
test_pkgs=(
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool x11-utils imagemagick
  pulseaudio pulseaudio-utils sox libsox-fmt-all
  libclang-rt-14-dev clang valgrind python3 python3-xlib
  dbus-daemon at-spi2-core python3-pyatspi gir1.2-atspi-2.0 python3-gi orca
  desktop-file-utils appstream groff-base weston libweston-10-dev qt6-wayland debootstrap
)
package_pkgs=(
  libgtest-dev libgmock-dev
  build-essential dpkg-dev debhelper lintian desktop-file-utils appstream groff-base
)
bench_pkgs=(
  python3 python3-xlib xvfb dbus-daemon pulseaudio pulseaudio-utils
  kmines gnome-mines knavalbattle
)

wanted=()
for set in "${@:-build test}"; do
  for s in $set; do
    case "$s" in
      build) wanted+=("${build_pkgs[@]}") ;;
      test)  wanted+=("${build_pkgs[@]}" "${test_pkgs[@]}") ;;
      bench) wanted+=("${build_pkgs[@]}" "${bench_pkgs[@]}") ;;
      package) wanted+=("${build_pkgs[@]}" "${package_pkgs[@]}") ;;
      *) echo "install-deps: unknown set '$s'" >&2; exit 2 ;;
    esac
  done
done

missing=()
for p in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
# Remove duplicates while keeping the order.
mapfile -t missing < <(printf '%s\n' "${missing[@]}" | awk 'NF && !seen[$0]++')

if [ "${#missing[@]}" -eq 0 ]; then
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null; then
  as_root=(sudo)
else
  echo "install-deps: need root or sudo to install: ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
# Another install may hold the package lock (two builds at once): wait for it.
apt_get=("${as_root[@]}" apt-get -o DPkg::Lock::Timeout=900)
"${apt_get[@]}" update -qq
"${apt_get[@]}" install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
