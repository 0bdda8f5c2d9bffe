#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package of the build tree with CPack, then checks its control fields (name,
# version, section, description, the libraries' packages found by dpkg-shlibdeps and nothing of the
# build tools), that it holds exactly the installed files, and that the programs unpacked from it
# run and print their version, the application loading its print module from where it was unpacked.
set -euo pipefail
build=$1
expected=$2
version=$3

here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log"; exit 1; }
deb="$work/out/tavelle_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "no $(basename "$deb") in:"; ls "$work/out"; exit 1; }

field() { dpkg-deb --field "$deb" "$1"; }
failed=0
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
# Qt Print Support and libcups are the print module's; lpstat names the default printer at start-up.
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libcups2 fonts-liberation2 \
  cups-client; do
  grep -qx "$package" <<<"$depends" || { echo "Depends lacks $package: $(field Depends)"; failed=1; }
done
for package in libqt6svg6 libgtest-dev libgmock-dev libbenchmark1debian; do
  if grep -qx "$package" <<<"$depends"; then echo "Depends names the build's $package"; failed=1; fi
done
# dpkg-shlibdeps gives each library package its lowest version.
grep -q 'libqt6widgets6 (>= 6' <<<"$(field Depends)" || { echo "Depends has no Qt version: $(field Depends)"; failed=1; }

dpkg-deb --extract "$deb" "$work/root"
"$here/check_tree.sh" "$work/root/usr" "$expected" || failed=1
shown=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$work/root/usr/bin/tavelle" --version)
[ "$shown" = "tavelle $version" ] || { echo "tavelle --version printed \"$shown\""; failed=1; }
for tool in tavelle-solve tavelle-sheets; do
  shown=$("$work/root/usr/bin/$tool" --version)
  [ "$shown" = "$tool $version" ] || { echo "$tool --version printed \"$shown\""; failed=1; }
done
exit "$failed"
