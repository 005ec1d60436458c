#!/usr/bin/env bash
# Runs a Windows program under Wine, as CTest's emulator for the tests of the Windows build
# (the `windows` preset): `scripts/wine-run.sh PROGRAM.exe ARGUMENTS...`. WINEPREFIX names the
# Wine prefix (the `wine` test preset gives build-windows/wine, which scripts/windows.sh makes).
# Qt's messages go to standard error, where CTest reads them, not to the Windows debugger.
set -euo pipefail
export WINEDEBUG=${WINEDEBUG:--all} QT_FORCE_STDERR_LOGGING=1
# Wine keeps the host's QT_ variables from Windows programs, and hands on WINEQT_X as QT_X.
for variable in $(compgen -e); do
  case $variable in QT_*) export "WINE$variable=${!variable}" ;; esac
done
# Debian's wine64 itself: its `wine` wrapper asks for the 32-bit Wine on every start.
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine)
case $1 in
*.exe)
  # A console program's standard output does not reach a pipe through Wine: a test program of
  # the build (QtTest) writes its report to a file, shown once the test has ended.
  report=$(mktemp)
  trap 'rm -f "$report"' EXIT
  status=0
  "$wine" "$@" -o "$report,txt" || status=$?
  cat "$report"
  exit $status
  ;;
*) exec "$wine" "$@" ;;
esac
