#!/usr/bin/env bash
# Runs a command on a virtual X display of its own: starts Xvfb on a free display number,
# optionally a window manager, runs the command with DISPLAY set, and stops everything after.
# Usage: scripts/with-display.sh [--screen WxH] [--window-manager openbox] -- COMMAND [ARGUMENT...]
# The screen is white, 1024x768 at 24 bits unless --screen says otherwise. The command starts
# once the server accepts connections and, with a window manager, once the manager has taken the
# screen (it names itself on the root window); the manager runs with its defaults, never the
# user's configuration. Exits with the command's status. What the server and the manager said is
# shown when either fails to start, or when the command fails. The server, the manager and the
# command end with this script, however it ends (a parent-death signal reaches them even when it
# is killed).
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
screen=1024x768
manager=
usage() {
  echo "usage: $0 [--screen WxH] [--window-manager NAME] -- COMMAND [ARGUMENT...]" >&2
  exit 2
}
while [ $# -gt 0 ]; do
  case $1 in
  --screen) [[ ${2:-} =~ ^[0-9]+x[0-9]+$ ]] || usage; screen=$2; shift 2 ;;
  --window-manager) [ -n "${2:-}" ] || usage; manager=$2; shift 2 ;;
  --) shift; break ;;
  *) usage ;;
  esac
done
[ $# -gt 0 ] || usage

clean_up_on_exit
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM
logs() { tail -n 20 "$work"/*.log >&2 || true; }
fail_details() { logs; }

# The server writes the display number it found free on descriptor 3 once it accepts
# connections. -noreset: it would otherwise reset whenever its last client leaves and refuse
# connections meanwhile.
mkfifo "$work/display"
setpriv --pdeathsig TERM Xvfb -displayfd 3 -screen 0 "${screen}x24" -wr -nolisten tcp -noreset \
  3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
read -r -t 30 number <"$work/display" || fail "Xvfb gave no display number within 30 s"
export DISPLAY=:$number

if [ -n "$manager" ]; then
  mkdir "$work/config"
  XDG_CONFIG_HOME=$work/config setpriv --pdeathsig TERM "$manager" >"$work/manager.log" 2>&1 &
  pids+=($!)
  # A window manager that follows the EWMH names itself on the root window once it manages the
  # screen; asked every 50 ms for at most 30 s.
  for ((tries = 600; tries > 0; tries--)); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    kill -0 "${pids[-1]}" 2>/dev/null || fail "$manager ended at start"
    sleep 0.05
  done
  [ "$tries" -gt 0 ] || fail "$manager did not take the screen within 30 s"
fi

# In the background, so that a signal to this script stops it at once; its input stays this
# script's.
setpriv --pdeathsig TERM "$@" <&0 &
command_pid=$!
pids=("$command_pid" "${pids[@]}")
status=0
wait "$command_pid" || status=$?
pids=("${pids[@]:1}")
[ "$status" -eq 0 ] || { logs; exit "$status"; }
