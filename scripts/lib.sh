# What the scripts share. Sourced, never run, before a script changes folder:
#   . "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck shell=bash disable=SC2034 # the variables are read by the scripts that source this

# The title of the program's window (ui/contents.cpp sets it), by which the scripts find it.
window_title='Η ΕΞΙΣΩΣΗ ΤΟΥ ΧΡΟΝΟΥ'

# Put before a command that needs root: empty when the script runs as root, sudo otherwise.
#   "${sudo[@]}" apt-get update -qq
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

# install_missing PACKAGE...: installs those of the Debian packages that are not installed yet,
# with apt-get, updating the package lists only when the install fails without them. It waits for
# another apt or dpkg run to let go of the lock rather than failing at once.
install_missing() {
  local package need=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q ' installed$' || need+=("$package")
  done
  [ ${#need[@]} -gt 0 ] || return 0
  "${sudo[@]}" apt-get install -y -q -o DPkg::Lock::Timeout=600 "${need[@]}" ||
    { "${sudo[@]}" apt-get update -q && "${sudo[@]}" apt-get install -y -q \
      -o DPkg::Lock::Timeout=600 "${need[@]}"; }
}

# fail MESSAGE...: writes fail_prefix and the message on standard error and ends the script with
# status 1. fail_prefix is "NAME: ", NAME being the script's file name without .sh, unless the
# script sets another. A script with more to show on a failure (the logs of what it started)
# defines a function fail_details, whose output follows the message.
fail_prefix="$(basename "$0" .sh): "
fail() {
  echo "$fail_prefix$*" >&2
  if declare -F fail_details >/dev/null; then fail_details >&2; fi
  exit 1
}

# wait_until SECONDS COMMAND...: runs the command every tenth of a second until it succeeds, and
# then succeeds, or until SECONDS have passed since the first try, and then fails.
wait_until() {
  local end=$((${EPOCHREALTIME//[!0-9]/} + $1 * 1000000))
  shift
  until "$@"; do
    [ "${EPOCHREALTIME//[!0-9]/}" -lt "$end" ] || return 1
    sleep 0.1
  done
}

# Makes a scratch folder, $work, and an empty list, pids, of the processes the script starts (an
# X server, a window manager, the program). When the script exits, each of them is stopped and
# waited for, and $work is removed.
clean_up_on_exit() {
  work=$(mktemp -d)
  pids=()
  trap clean_up EXIT
}
clean_up() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
