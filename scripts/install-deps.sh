#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Tavelle need.
# Idempotent: when everything is present it changes nothing and needs no network.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  fonts-liberation2 fonts-dejavu-core
  xvfb xauth x11-utils icewm libxcb1-dev
  libcups2-dev cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
  gcovr
  desktop-file-utils appstream dpkg-dev
  clang libclang-rt-14-dev
  time valgrind jq
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ "${#missing[@]}" -eq 0 ]; then
  exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
  else
    echo "install-deps: these packages are missing and installing them needs root: ${missing[*]}" >&2
    exit 1
  fi
fi

echo "install-deps: installing ${missing[*]}"
"${as_root[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
