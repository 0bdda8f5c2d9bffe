#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The application as started from a terminal: --help and --version need no display; anything else
# on the command line is refused in one line; with no display it says so in one line, with how to run
# it under xvfb-run, instead of Qt's abort; with no font it warns in one line, names the package, and
# still shows its first screen; on X11 its windows carry the application id as their class, which the
# desktop entry's StartupWMClass names.
set -euo pipefail
tavelle=$1
version=$2
id=$3

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
# Qt warns when the session has none.
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# Runs tavelle with the environment assignments and arguments given (before and after "--"), without
# the caller's display, platform or Wayland session, under English settings unless the assignments say
# otherwise; sets status, out and err.
run() {
  local assignments=()
  while [ "$1" != "--" ]; do assignments+=("$1"); shift; done
  shift
  set +e
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE -u LANGUAGE LC_ALL=C "${assignments[@]}" \
    timeout 60 "$tavelle" "$@" >"$work/out" 2>"$work/err"
  status=$?
  set -e
  out=$(cat "$work/out")
  err=$(cat "$work/err")
}

# Checks that the last run ended with STATUS and wrote exactly one line on standard error holding
# every PATTERN (fixed strings).
expect_one_error_line() {
  local what=$1 wanted=$2
  shift 2
  [ "$status" -eq "$wanted" ] || fail "$what: exit status $status, not $wanted"
  [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$what: standard error is not one line: $err"
  local pattern
  for pattern in "$@"; do
    grep -qF -- "$pattern" "$work/err" || fail "$what: \"$pattern\" missing from: $err"
  done
}

run -- --version
[ "$status" -eq 0 ] && [ "$out" = "tavelle $version" ] && [ -z "$err" ] ||
  fail "--version: status $status, printed \"$out\" \"$err\""

run -- --help
[ "$status" -eq 0 ] && [ "$(head -n 1 "$work/out")" = "Usage: tavelle [options] [FILE]" ] &&
  grep -q -- '--version' "$work/out" && grep -q 'xvfb-run -a tavelle' "$work/out" ||
  fail "--help: status $status, printed: $out"

# Under French settings the help is French, Qt's words too; in either language no line passes 80 columns.
run LC_ALL=fr_FR.UTF-8 -- --help
[ "$status" -eq 0 ] && [ "$(head -n 1 "$work/out")" = "Utilisation : tavelle [options] [FICHIER]" ] &&
  grep -q 'Afficher cette aide' "$work/out" && grep -q 'Afficher les informations de version' "$work/out" &&
  grep -q 'xvfb-run -a tavelle' "$work/out" || fail "--help under French settings: status $status, printed: $out"
[ "$(LC_ALL=C.UTF-8 wc -L <"$work/out")" -le 80 ] || fail "the French help has lines over 80 columns: $out"
run LC_ALL=C -- --help
[ "$(LC_ALL=C.UTF-8 wc -L <"$work/out")" -le 80 ] || fail "the help has lines over 80 columns: $out"
run LC_ALL=fr_FR.UTF-8 -- --platform=offscreen
expect_one_error_line "an unknown option under French settings" 2 'option inconnue "--platform"' \
  "lancez tavelle --help pour l'usage"

# A help or version that cannot be written is an error, said in one line.
for option in --help --version; do
  set +e
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=C "$tavelle" "$option" >/dev/full 2>"$work/err"
  status=$?
  set -e
  err=$(cat "$work/err")
  expect_one_error_line "$option on a full disk" 2 "could not be written" "No space left on device"
done

run -- exercise.json other.json
expect_one_error_line "two files" 2 "takes at most one FILE" "other.json" "--help"
run -- --platform=offscreen
expect_one_error_line "an unknown option" 2 "platform" "--help"
run -- exercise.json $'two\nlines\e[2J'
expect_one_error_line "an argument with control characters" 2 'two\x0alines\x1b[2J'

# A display number no X server here listens on.
number=850
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
run DISPLAY=":$number" -- 
expect_one_error_line "DISPLAY=:$number with no X server" 1 "no display could be opened" ":$number" "xvfb-run -a tavelle"
run --
expect_one_error_line "no DISPLAY" 1 "no display could be opened" "xvfb-run -a tavelle"
run QT_QPA_PLATFORM=nowhere --
expect_one_error_line "a platform plugin that is not there" 1 "no display could be opened" "nowhere" "xvfb-run -a tavelle"
run LC_ALL=fr_FR.UTF-8 --
expect_one_error_line "no DISPLAY under French settings" 1 "aucun écran n'a pu être ouvert" "xvfb-run -a tavelle"

# The first screen shown, the program ends at once (see shell/first_expose_report.h).
printf '<?xml version="1.0"?>\n<fontconfig></fontconfig>\n' >"$work/no-fonts.conf"
run QT_QPA_PLATFORM=offscreen TAVELLE_REPORT_FIRST_EXPOSE=1 FONTCONFIG_FILE="$work/no-fonts.conf" \
  XDG_CACHE_HOME="$work/cache" --
expect_one_error_line "an empty font configuration" 0 "warning" "font" "fonts-liberation2"
grep -q '^first-expose ' "$work/out" || fail "with no font, the first screen was not shown: $out"

run QT_QPA_PLATFORM=offscreen TAVELLE_REPORT_FIRST_EXPOSE=1 --
[ "$status" -eq 0 ] && [ -z "$err" ] && grep -q '^first-expose ' "$work/out" ||
  fail "a plain start: status $status, standard error: $err"

# Under a private X server: the first window's WM_CLASS, whichever window that is.
cat >"$work/window_class.sh" <<'SCRIPT'
"$1" & program=$!
for attempt in $(seq 200); do
  for window in $(xwininfo -root -children | awk '/^ +0x/ {print $1}'); do
    class=$(xprop -id "$window" WM_CLASS)
    case "$class" in *'"'*) echo "$class"; kill "$program"; exit 0 ;; esac
  done
  sleep 0.05
done
kill "$program"
exit 1
SCRIPT
class=""
# On a private X server of its own (see tests/support/private_xvfb.sh).
# shellcheck source=../support/private_xvfb.sh
. "$(dirname "${BASH_SOURCE[0]}")/../support/private_xvfb.sh"
if start_private_xvfb "$work" 2>"$work/xvfb-error"; then
  class=$(env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY timeout 60 bash "$work/window_class.sh" "$tavelle") ||
    fail "no window of tavelle showed under Xvfb"
else
  fail "$(cat "$work/xvfb-error")"
fi
[ "$class" = "WM_CLASS(STRING) = \"$id\", \"Tavelle\"" ] || fail "the window's class is $class, not $id"

# Without a session bus (as under xvfb-run), nothing the program starts outlives it: D-Bus would start
# dbus-launch and a dbus-daemon for the display. Its children carry its environment, and with it a mark.
if [ -n "$xvfb_pid" ]; then
  mark="TAVELLE_START_UP_TEST=$$-$RANDOM"
  env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS "$mark" TAVELLE_REPORT_FIRST_EXPOSE=1 \
    timeout 60 "$tavelle" >"$work/out" 2>"$work/err" || fail "a start without a session bus: $(cat "$work/err")"
  sleep 0.5
  outliving=$(grep -lsaF "$mark" /proc/[0-9]*/environ | cut -d/ -f3 | while read -r pid; do
    [ "$pid" != "$$" ] && ps -o args= -p "$pid"; done || true)
  [ -z "$outliving" ] || fail "started without a session bus, the program left running: $outliving"
fi
exit "$failed"
