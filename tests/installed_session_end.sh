#!/bin/sh
# The installed program, started with a temporary home and ended by SIGTERM,
# then by SIGHUP: it leaves with success, its session file holds what it
# was started with and every key it writes, the store its placement.
# Usage: installed_session_end.sh CMAKE BUILD_DIR
set -eu
tmp=$(mktemp -d)
pid=
trap 'if [ -n "$pid" ]; then kill -9 "$pid" 2>/dev/null || true; fi; rm -rf "$tmp"' EXIT
"$1" --install "$2" --prefix "$tmp/prefix" >/dev/null
export HOME="$tmp/home" XDG_DATA_HOME="$tmp/data" XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp/run"
export QT_QPA_PLATFORM=offscreen
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
session="$XDG_DATA_HOME/Quillfen/MirlFumarix/LastSession.ini"
registry="$XDG_CONFIG_HOME/Quillfen/MirlFumarix/registry"
mkdir -p "$(dirname "$session")"
fail() { echo "installed_session_end: SIG$signal: $*" >&2; exit 1; }

for signal in TERM HUP; do
  printf '[Berechnung]\r\nName der Zusammenstellung=Minze %s\r\n' "$signal" >"$session"
  rm -f "$registry"
  "$tmp/prefix/bin/mirlfumarix" &
  pid=$!
  # Ready once it catches SIGTERM (bit 15 of the mask), after its start-up.
  tries=0
  until mask=$(sed -n 's/^SigCgt:[[:space:]]*//p' "/proc/$pid/status" 2>/dev/null) &&
    [ -n "$mask" ] && [ $((0x$mask & 0x4000)) -ne 0 ]; do
    kill -0 "$pid" 2>/dev/null || fail "the program ended at its start"
    tries=$((tries + 1))
    [ "$tries" -lt 600 ] || fail "the program never caught the signal"
    sleep 0.1
  done
  kill -s "$signal" "$pid"
  status=0
  wait "$pid" || status=$?
  pid=
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
  grep -q "^Name der Zusammenstellung=Minze $signal" "$session" || fail "the session was not kept"
  grep -q "^Berechnung_Menge=" "$session" || fail "the session file was not written"
  grep -q '^value "Left" dword' "$registry" || fail "the placement was not stored"
done
