#!/usr/bin/env bash
# The one list of what kalkora-import needs on a Debian 12 machine.
# Installs only what is missing, so a second run costs nothing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libgl-dev qt6-translations-l10n
  libpugixml-dev libzip-dev libdeflate-dev libxlsxwriter-dev
  libgtest-dev libgmock-dev
  xvfb xauth strace
  qt6-svg-dev help2man desktop-file-utils appstream poppler-utils
  libreoffice-dev libreoffice-calc
)
# "fuzz": also what the libFuzzer harnesses need (scripts/fuzz.sh).
[ "${1:-}" = fuzz ] && packages+=(clang libclang-rt-14-dev)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get -o DPkg::Lock::Timeout=600 update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends "${missing[@]}"
fi
