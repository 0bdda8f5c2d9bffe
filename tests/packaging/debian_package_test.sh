#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package of the build tree with CPack, twice, then checks that both are the same byte
# for byte, that lintian finds no error and no warning in it, its control fields (name, version,
# section, description, the libraries' packages found by dpkg-shlibdeps and nothing of the build tools,
# lpstat's package recommended), that it holds exactly the installed files, and that the programs
# unpacked from it run and print their version, the application loading its print module and finding
# its user guide where they were unpacked.
set -euo pipefail
build=$1
expected=$2
version=$3

here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
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
# Qt Print Support and libcups are the print module's, Qt SQL and its SQLite driver the progress module's.
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libcups2 libqt6sql6 \
  libqt6sql6-sqlite fonts-liberation2; do
  grep -qx "$package" <<<"$depends" || { echo "Depends lacks $package: $(field Depends)"; failed=1; }
done
# Without lpstat the application still prints, and without the PostgreSQL driver it keeps attempts locally:
# both are recommended, not needed.
expect_field Recommends "cups-client, libqt6sql6-psql"
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
for tool in tavelle-solve tavelle-sheets; do
  shown=$("$work/root/usr/bin/$tool" --version)
  [ "$shown" = "$tool $version" ] || { echo "$tool --version printed \"$shown\""; failed=1; }
done
exit "$failed"
