#!/usr/bin/env bash
# The Windows release checked as a user meets it, on Debian under Wine (CTest's windows_release,
# labels system and release: `ctest --preset release-check -R windows_release`). As root (or a
# user with sudo), it makes the release with scripts/windows.sh --test (the unit and window tests
# of the Windows build run under Wine there), then, in a fresh Wine prefix on an Xvfb of its own:
#   - installs silently (/S) and finds the program, the Start-menu shortcut and the uninstall
#     entry (name, version, publisher, icon), and nothing else in the program's folder;
#   - starts the installed program on Qt's windows platform and compares its window with the
#     Linux program's window (LINUX_PROGRAM) on the same screen: the same size, and the same
#     pixels but for the edges of text (see TOLERANCE below);
#   - changes the zone from the keyboard and sees the diagram change, then copies it (Ctrl+C)
#     and reads the text, the HTML table and the picture on the clipboard through X;
#   - opens the window at 120 and 144 dpi (Wine's LogPixels: 125 % and 150 %) and finds it
#     scaled; its pictures are kept in build-windows/shots/ for a look;
#   - uninstalls silently and finds nothing left.
# Usage: scripts/check-windows.sh LINUX_PROGRAM    exit 77 (skipped) without root or sudo.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$(dirname "$0")/.."
# Wine reads the Greek of the paths it is given in the locale's encoding.
export LC_ALL=C.UTF-8
linux_program=$(realpath "$1")
if [ "$(id -u)" -ne 0 ] && ! sudo -n true 2>/dev/null; then
  echo "check-windows: needs root or sudo to install packages; skipped" >&2
  exit 77
fi

if [ -z "${EXISOSI_INSIDE_DISPLAY:-}" ]; then
  bash scripts/windows.sh --test
  export EXISOSI_INSIDE_DISPLAY=1
  exec bash scripts/with-display.sh --screen 1280x1024 -- \
    bash "$PWD/scripts/check-windows.sh" "$linux_program"
fi

version=$(sed -n 's/^project(exisosi VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
setup=$PWD/build-windows/exisosi-$version-setup.exe
shots=$PWD/build-windows/shots
mkdir -p "$shots"
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all
# Debian's wine64 itself: its `wine` wrapper asks for the 32-bit Wine on every start.
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine)
cleanup() {
  wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail_prefix="check-windows: FAILED: "
step() { echo "check-windows: $*"; }

# The top-level window titled as the program's, once it is mapped.
window_of() { xdotool search --onlyvisible --name "^$window_title\$" 2>/dev/null | head -n1; }
has_window() { [ -n "$(window_of)" ]; }
# Both programs' windows, the Windows one and the Linux one.
has_two_windows() { [ "$(xdotool search --onlyvisible --name "^$window_title\$" 2>/dev/null | wc -l)" -ge 2 ]; }
# A picture of the window, once two pictures in a row are alike (it has finished drawing).
shoot() {
  local window=$1 file=$2 previous=$work/previous.png
  rm -f "$previous"
  for _ in $(seq 100); do
    import -silent -window "$window" "$file" 2>/dev/null || true
    if [ -f "$previous" ] && [ -s "$file" ] &&
      [ "$(compare -metric AE "$file" "$previous" null: 2>&1 || true)" = 0 ]; then
      return 0
    fi
    cp "$file" "$previous" 2>/dev/null || true
    sleep 0.2
  done
  fail "the window of $file never stopped changing"
}
size_of() { identify -format '%wx%h' "$1"; }
# Pixels of two pictures of one size whose colours differ by more than a fuzz (in %).
differing() { compare -metric AE -fuzz "$3%" "$1" "$2" null: 2>&1 || true; }

step "a fresh Wine prefix, reporting Windows 10"
"$wine" wineboot -i >/dev/null 2>&1
"$wine" winecfg /v win10 >/dev/null 2>&1
wineserver -w

step "silent install of $(basename "$setup")"
"$wine" "$setup" /S
wineserver -w
folder="$WINEPREFIX/drive_c/Program Files/Η εξίσωση του χρόνου"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Η εξίσωση του χρόνου.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\exisosi'
[ "$(ls "$folder" | sort | tr '\n' ' ')" = "exisosi.exe uninstall.exe " ] ||
  fail "the program's folder holds: $(ls "$folder" | tr '\n' ' ')"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
"$wine" reg export "$key" "$work/key.reg" /reg:64 >/dev/null 2>&1 || fail "no uninstall entry"
entry=$(iconv -f UTF-16 -t UTF-8 "$work/key.reg")
for value in '"DisplayName"="Η εξίσωση του χρόνου"' "\"DisplayVersion\"=\"$version\"" \
  '"Publisher"="exisosi developers"' '"DisplayIcon"="C:\\Program Files\\Η εξίσωση του χρόνου\\exisosi.exe,0"'; do
  grep -qF "$value" <<<"$entry" || fail "the uninstall entry lacks $value"
done
exe="C:\\Program Files\\Η εξίσωση του χρόνου\\exisosi.exe"

# Starts the installed program, waits for its window and sets `window`.
start_windows_program() {
  # (Wine hands WINEQT_X to the program as QT_X.)
  WINEQT_FORCE_STDERR_LOGGING=1 "$wine" "$exe" 2>"$work/stderr" &
  disown # ended by wineserver -k, which the shell need not report
  wait_until 60 has_window || fail "no window of the installed program after 60 s"
  window=$(window_of)
}
stop_windows_program() {
  wineserver -k
  wineserver -w
}

step "the installed program beside the Linux one"
start_windows_program
shoot "$window" "$shots/windows.png"
# Nothing said on stderr (a missing Greek toolkit, say), but for the platform plugin's word on
# the two calls of Windows 10 that Wine 8 lacks: per-monitor DPI awareness V2, and the scaling of
# a window's frame.
said=$(grep -Ev '^qt\.qpa\.windows: SetProcessDpiAwarenessContext|^EnableNonClientDpiScaling\(\) failed' \
  "$work/stderr" || true)
[ -z "$said" ] || fail "the program said: $said"
"$linux_program" 2>/dev/null &
linux=$!
wait_until 30 has_two_windows || fail "no window of the Linux program after 30 s"
linux_window=$(xdotool search --onlyvisible --name "^$window_title\$" | grep -vx "$window" | head -n1 || true)
[ -n "$linux_window" ] || fail "no window of the Linux program"
shoot "$linux_window" "$shots/linux.png"
kill "$linux"
[ "$(size_of "$shots/windows.png")" = "$(size_of "$shots/linux.png")" ] ||
  fail "the window is $(size_of "$shots/windows.png") under Wine, $(size_of "$shots/linux.png") on Linux"
# TOLERANCE. Wine draws text with its own rasteriser (DirectWrite over FreeType), so the edges of
# the glyphs are shaded otherwise than Qt's own FreeType shades them on Linux: a trial measured
# 1.1 % of the pixels differing by more than a quarter of the range (64 levels) and 2.2 % by more
# than 16 levels, all of them at the edges of text. Twice that is allowed. A control out of place,
# a colour that differs or a missing dot or line differs in far more pixels than that (a month
# strip alone is 2 % of the window).
read -r width height < <(identify -format '%w %h\n' "$shots/linux.png")
total=$((width * height))
strong=$(differing "$shots/windows.png" "$shots/linux.png" 25)
faint=$(differing "$shots/windows.png" "$shots/linux.png" 6.3)
step "pixels that differ: $strong by more than 64 levels, $faint by more than 16, of $total"
[ $((strong * 1000)) -le $((total * 22)) ] || fail "$strong pixels differ by more than 64 levels"
[ $((faint * 1000)) -le $((total * 44)) ] || fail "$faint pixels differ by more than 16 levels"

step "the zone from the keyboard: the next item of the list, and the diagram moves"
# The zone list's field, 3937 x 1300 twips into the window, is 262 x 87 pixels in.
xdotool mousemove --window "$window" 300 100 click 1
xdotool key --window "$window" Down
shoot "$window" "$shots/windows-next-zone.png"
moved=$(differing "$shots/windows.png" "$shots/windows-next-zone.png" 25)
[ "$moved" -gt 1000 ] || fail "the view did not change with the zone ($moved pixels)"

step "Ctrl+C: the diagram on the Windows clipboard, as text, HTML and a picture"
# The pick left the focus on «Γράφημα», outside the text fields. Wine shares its clipboard with
# the X server's, where xclip reads it.
xdotool key --window "$window" ctrl+c
has_copy() { xclip -o -selection clipboard -t TARGETS 2>/dev/null | grep -q '^text/html$'; }
wait_until 30 has_copy || fail "no copy on the clipboard after 30 s"
targets=$(xclip -o -selection clipboard -t TARGETS)
grep -q '^image/png$' <<<"$targets" || fail "no picture on the clipboard: $targets"
copied=$(xclip -o -selection clipboard -t UTF8_STRING)
[ "$(head -n1 <<<"$copied")" = "Γεωγραφικό Μήκος: 23° 31΄ 43΄΄ Ανατολικά, Ζώνη ώρας: GMT +03:00" ] ||
  fail "the copied text begins: $(head -n1 <<<"$copied")"
# 1 January at 23° 31′ 43″ East in GMT +03:00: 5 355 seconds, with the year's hours shown.
grep -q $'^1\t+01 h  +29 min  +15 sec\t13:29:15$' <<<"$copied" || fail "no 1 January in the copy"
stop_windows_program

for dpi in 120 144; do
  step "at $dpi dpi"
  "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $dpi /f >/dev/null 2>&1
  wineserver -w
  start_windows_program
  shoot "$window" "$shots/windows-$dpi.png"
  read -r w h < <(identify -format '%w %h\n' "$shots/windows-$dpi.png")
  [ $((w * 96 - width * dpi)) -le $((2 * 96)) ] && [ $((width * dpi - w * 96)) -le $((2 * 96)) ] ||
    fail "at $dpi dpi the window is $w pixels wide, not $((width * dpi / 96))"
  stop_windows_program
done

step "silent uninstall"
"$wine" "C:\\Program Files\\Η εξίσωση του χρόνου\\uninstall.exe" /S
wineserver -w
wait_until 60 test ! -e "$folder" || fail "no removal of the program's folder after 60 s"
[ ! -e "$shortcut" ] || fail "the shortcut is left"
if "$wine" reg query "$key" /reg:64 >/dev/null 2>&1; then fail "the uninstall entry is left"; fi
step "passed: installed, compared, driven, scaled and removed; pictures in $shots"
