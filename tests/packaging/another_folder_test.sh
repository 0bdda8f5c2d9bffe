#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package of a second build tree, configured alike in another folder, is the same byte for
# byte as the build tree's: nothing of a tree's own path goes into what is packaged.
set -euo pipefail
build=$1
source=$2
version=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The first tree's choices that shape the programs, and its compiler launcher (ccache, when it has one).
cached() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
options=(-DCMAKE_BUILD_TYPE="$(cached CMAKE_BUILD_TYPE)" -DTAVELLE_BUILD_TESTS=OFF -DTAVELLE_BUILD_BENCH=OFF
         -DTAVELLE_HARDENING="$(cached TAVELLE_HARDENING)" -DTAVELLE_UNITY_BUILD="$(cached TAVELLE_UNITY_BUILD)")
launcher=$(cached CMAKE_CXX_COMPILER_LAUNCHER)
[ -z "$launcher" ] || options+=(-DCMAKE_CXX_COMPILER_LAUNCHER="$launcher")
cmake -S "$source" -B "$work/another/build" "${options[@]}" >"$work/configure.log" 2>&1 ||
  { cat "$work/configure.log"; exit 1; }
cmake --build "$work/another/build" -j"$(nproc)" >"$work/build.log" 2>&1 || { tail -n 50 "$work/build.log"; exit 1; }

package() {
  (cd "$work" && env -u SOURCE_DATE_EPOCH cpack -G DEB --config "$1/CPackConfig.cmake" -B "$work/$2" \
    >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
}
package "$build" first
package "$work/another/build" second
deb=tavelle_${version}_$(dpkg --print-architecture).deb
cmp "$work/first/$deb" "$work/second/$deb" || {
  echo "the packages of $build and of a tree in another folder differ:"
  mkdir "$work/first/root" "$work/second/root"
  dpkg-deb --extract "$work/first/$deb" "$work/first/root"
  dpkg-deb --extract "$work/second/$deb" "$work/second/root"
  diff -r "$work/first/root" "$work/second/root" || true
  exit 1
}
