#!/bin/sh
# The installed program ends with the desktop session: installed into a
# temporary prefix and started with a temporary home, it is ended by SIGTERM
# and then by SIGHUP; each time it leaves with success, its session file
# holds what it was started with (and every key it writes), and the store
# holds its window's placement.
# Usage: installed_session_end.sh CMAKE BUILD_DIR
set -eu
cmake=$1
build=$2
tmp=$(mktemp -d)
pid=
trap 'if [ -n "$pid" ]; then kill -9 "$pid" 2>/dev/null || true; fi; rm -rf "$tmp"' EXIT

"$cmake" --install "$build" --prefix "$tmp/prefix" >/dev/null
export HOME="$tmp/home"
export XDG_DATA_HOME="$HOME/.local/share" XDG_CONFIG_HOME="$HOME/.config" XDG_RUNTIME_DIR="$tmp/run"
export QT_QPA_PLATFORM=offscreen
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
folder="$XDG_DATA_HOME/Quillfen/MirlFumarix"
session="$folder/LastSession.ini"
registry="$XDG_CONFIG_HOME/Quillfen/MirlFumarix/registry"
mkdir -p "$folder"

fail() {
  echo "installed_session_end: $*" >&2
  exit 1
}

for signal in TERM HUP; do
  printf '[Berechnung]\r\nName der Zusammenstellung=Minze %s\r\n' "$signal" >"$session"
  rm -f "$registry"
  "$tmp/prefix/bin/mirlfumarix" &
  pid=$!
  # The program catches the signal once its start-up is done (bit 15 of
  # the caught signals' mask is SIGTERM; SIGHUP is caught with it).
  tries=0
  until mask=$(sed -n 's/^SigCgt:[[:space:]]*//p' "/proc/$pid/status" 2>/dev/null) &&
    [ -n "$mask" ] && [ $((0x$mask & 0x4000)) -ne 0 ]; do
    kill -0 "$pid" 2>/dev/null || fail "SIG$signal: the program ended at its start"
    tries=$((tries + 1))
    [ "$tries" -lt 600 ] || fail "SIG$signal: the program never caught the signal"
    sleep 0.1
  done
  kill -s "$signal" "$pid"
  status=0
  wait "$pid" || status=$?
  pid=
  [ "$status" -eq 0 ] || fail "SIG$signal: the program ended with status $status"
  grep -q "^Name der Zusammenstellung=Minze $signal" "$session" || fail "SIG$signal: the session was not kept"
  grep -q "^Berechnung_Menge=" "$session" || fail "SIG$signal: the session file was not written"
  grep -q '^value "Left" dword' "$registry" || fail "SIG$signal: the placement was not stored"
done
