#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the screenshots need; only the missing ones.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang pkg-config ccache make
  qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql postgresql qt6-translations-l10n
  libsqlite3-dev libffi-dev libgtest-dev libgmock-dev googletest
  xvfb xauth x11-apps imagemagick xdotool poppler-utils
  fonts-dejavu-core fonts-liberation fonts-liberation2 fonts-crosextra-carlito fonts-crosextra-caladea
  python3
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if [[ ${#missing[@]} -eq 0 ]]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [[ $(id -u) -ne 0 ]]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
# Keep recommends out: they change the default monospace font.
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
