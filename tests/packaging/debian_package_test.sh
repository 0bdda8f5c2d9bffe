#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package of the build tree with CPack, twice, then checks that both are the same byte
# for byte, that lintian finds no error and no warning in it, its control fields (name, version,
# section, description, the libraries' packages found by dpkg-shlibdeps and nothing of the build tools,
# lpstat's package recommended), that it holds exactly the installed files, that no program holds a
# path of the build, and that the programs unpacked from it run and print their version, the application
# running its print program, finding its user guide where they were unpacked and showing its home screen.
set -euo pipefail
build=$1
expected=$2
version=$3
source=$4

here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
package() {
  (cd "$work" && env -u SOURCE_DATE_EPOCH cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/$1" \
    >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
}
package out
deb="$work/out/tavelle_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "no $(basename "$deb") in:"; ls "$work/out"; exit 1; }
# A second package, from files installed again a second later.
sleep 1
package again
failed=0
cmp "$deb" "$work/again/$(basename "$deb")" || { echo "two builds of the package differ"; failed=1; }

# Lintian's errors and warnings; its informations are listed (and explained in the README).
# (Its exit status is 1 when it reports an error, 2 when it could not check the package.)
lintian_status=0
lintian --display-info --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>"$work/lintian.err" || lintian_status=$?
cat "$work/lintian.log"
[ "$lintian_status" -le 1 ] || { echo "lintian could not check the package:"; cat "$work/lintian.err"; failed=1; }
if grep -Eq '^(E|W): ' "$work/lintian.log"; then echo "lintian reports errors or warnings"; failed=1; fi
# Even pedantic, lintian reports the one information the README explains: the French words it misreads are
# overridden (packaging/lintian-overrides), each with its reason.
lintian --pedantic --display-info --tag-display-limit 0 "$deb" >"$work/pedantic.log" 2>/dev/null || true
others=$(grep -E '^[EWIP]: ' "$work/pedantic.log" | grep -v ' possible-documentation-but-no-doc-base-registration$' || true)
[ -z "$others" ] || { echo "lintian --pedantic reports more than the README says:"; echo "$others"; failed=1; }

field() { dpkg-deb --field "$deb" "$1"; }
expect_field() {
  local actual
  actual=$(field "$1")
  [ "$actual" = "$2" ] || { echo "$1 is \"$actual\", not \"$2\""; failed=1; }
}
expect_field Package tavelle
expect_field Version "$version"
expect_field Section education
[ -n "$(field Maintainer)" ] || { echo "no Maintainer"; failed=1; }
# A summary line, then the long description.
[ "$(field Description | wc -l)" -gt 3 ] || { echo "the description is not a summary and a text"; failed=1; }
# CPack writes some characters of the description as XML entities.
if field Description | grep -E '&[a-z]+;'; then echo "the description holds XML entities"; failed=1; fi

depends=$(field Depends | tr ',' '\n' | sed 's/[[:space:]]*(.*//; s/[[:space:]]//g; /^$/d' | LC_ALL=C sort)
# libcups is the print program's, Qt SQL and its SQLite driver the progress module's.
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libcups2 libqt6sql6 \
  libqt6sql6-sqlite fonts-liberation2; do
  grep -qx "$package" <<<"$depends" || { echo "Depends lacks $package: $(field Depends)"; failed=1; }
done
# Without lpstat the application still prints, without Qt's translations only Qt's own texts stay English,
# and without the PostgreSQL driver attempts stay on the machine: recommended, not needed.
expect_field Recommends "cups-client, qt6-translations-l10n, libqt6sql6-psql"
for package in libqt6svg6 libgtest-dev libgmock-dev libbenchmark1debian; do
  if grep -qx "$package" <<<"$depends"; then echo "Depends names the build's $package"; failed=1; fi
done
# dpkg-shlibdeps gives each library package its lowest version.
grep -q 'libqt6widgets6 (>= 6' <<<"$(field Depends)" || { echo "Depends has no Qt version: $(field Depends)"; failed=1; }

dpkg-deb --extract "$deb" "$work/root"
"$here/check_tree.sh" "$work/root/usr" "$expected" || failed=1
shown=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$work/root/usr/bin/tavelle" --version)
[ "$shown" = "tavelle $version" ] || { echo "tavelle --version printed \"$shown\""; failed=1; }
guide=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$work/root/usr/bin/tavelle" --guide-file) || true
[ "$guide" = "$work/root/usr/share/doc/tavelle/guide/index.html" ] ||
  { echo "F1 would open \"$guide\", not the unpacked guide"; failed=1; }
# No program carries a path of the source or build tree it was made in (a guide found there, a
# file name in an assertion): the package depends on nothing but its files.
for program in "$work/root/usr/bin/"* "$work/root/usr/lib/"*/tavelle/*; do
  if strings -a "$program" | grep -F -e "$source" -e "$build"; then
    echo "$(basename "$program") holds a path of the build"
    failed=1
  fi
done

# Installed with --no-install-recommends, the program must still show a window: the platform plugin it
# shows its windows with must come from a package it depends on (on Debian 12 libqt6gui6 holds the X11
# one; qt6-qpa-plugins, which it only recommends, holds the VNC one). Installing the package into a scratch
# root without the recommended plugins, with apt-get install --no-install-recommends, would need
# debootstrap to fetch and unpack a whole Debian system: minutes and a network, more than this test may
# take. So the test reads the dependency from the package and starts the unpacked program on that plugin.
plugin=$(dpkg-query -S '*/qt6/plugins/platforms/libqxcb.so' | head -n 1)
plugin_package=${plugin%%:*}
grep -qx "$plugin_package" <<<"$depends" || { echo "Depends lacks $plugin_package, which holds $plugin"; failed=1; }
# shellcheck source=../support/private_xvfb.sh
. "$here/../support/private_xvfb.sh"
if start_private_xvfb "$work" 2>"$work/xvfb-error"; then
  mkdir -m 700 "$work/runtime"
  shown=$(env -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime" \
    TAVELLE_REPORT_FIRST_EXPOSE=1 timeout 60 "$work/root/usr/bin/tavelle" 2>"$work/start.err") || true
  grep -q '^first-expose ' <<<"$shown" ||
    { echo "the unpacked program showed no home screen on X11: $(cat "$work/start.err")"; failed=1; }
else
  cat "$work/xvfb-error"
  failed=1
fi
for tool in tavelle-solve tavelle-sheets; do
  shown=$("$work/root/usr/bin/$tool" --version)
  [ "$shown" = "$tool $version" ] || { echo "$tool --version printed \"$shown\""; failed=1; }
done
exit "$failed"
