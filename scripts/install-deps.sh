#!/usr/bin/env bash
# Installs the Debian 12 packages Tavelle needs: with --app, only what building and running the
# application takes (scripts/run.sh); without, also what the tests, benchmarks, coverage, fuzzing and
# package checks take (scripts/test.sh).
# Idempotent: when everything is present it changes nothing and needs no network.
set -euo pipefail

# Configuring the tree (every tool's library is found even when only the application is built),
# building the application and its print and progress modules, and what it needs at run time: the type
# faces its windows are designed for, lpstat, which names the default printer, Qt SQL's SQLite driver,
# which keeps the trainee's progress, and Qt's translations, which put Qt's own texts in French. The
# progress module links libpq, which reads the class database's connection and tells why it failed.
app_packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev libxcb1-dev libcups2-dev libpq-dev
  fonts-liberation2 fonts-dejavu-core cups-client libqt6sql6-sqlite qt6-translations-l10n
)
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  xvfb xauth x11-utils icewm
  cups cups-bsd printer-driver-cups-pdf poppler-utils
  gcovr
  desktop-file-utils appstream dpkg-dev lintian shared-mime-info libglib2.0-bin
  at-spi2-core gir1.2-atspi-2.0 python3-gi dbus dbus-x11
  clang libclang-rt-14-dev clang-format
  time valgrind jq
  postgresql libqt6sql6-psql
)

packages=("${app_packages[@]}")
case "${1:-}" in
  --app) ;;
  "") packages+=("${test_packages[@]}") ;;
  *) echo "install-deps: unknown option \"$1\" (the only option is --app)" >&2; exit 2 ;;
esac

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
