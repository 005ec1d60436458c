#!/usr/bin/env bash
# Takes the README's screenshot from the real program: a display of its own (1024x768, 24 bits)
# with openbox, so that the window manager's frame shows as on a desktop (scripts/with-display.sh
# starts them and runs the rest of this script there); the program as it opens; a grab of the
# screen cropped to the framed window.
# Usage: scripts/screenshot.sh [OUTPUT.png]        (default: docs/exisosi.png)
# EXISOSI_PROGRAM names the program to run (default: build/app/exisosi).
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
top=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$top/docs/exisosi.png}
program=${EXISOSI_PROGRAM:-$top/build/app/exisosi}
screen_width=1024
screen_height=768

if [ -z "${EXISOSI_SCREENSHOT_DISPLAY:-}" ]; then
  [ -x "$program" ] || fail "no program at $program (build it first, or set EXISOSI_PROGRAM)"
  for tool in Xvfb openbox xdotool xwininfo xprop import convert compare; do
    command -v "$tool" >/dev/null || fail "$tool is missing (bash scripts/deps.sh test installs it)"
  done
  # Nothing from the user's own configuration reaches openbox or the program.
  export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb
  unset WAYLAND_DISPLAY SESSION_MANAGER
  EXISOSI_SCREENSHOT_DISPLAY=1 exec bash "$top/scripts/with-display.sh" \
    --screen "${screen_width}x${screen_height}" --window-manager openbox -- bash "$0" "$out"
fi

clean_up_on_exit
# The end of what the program said, for a failure.
logs() { tail -n 5 "$work"/*.log; }

# The program reads no configuration of the user's, and the pointer stands off the window, so
# that no hover or tooltip shows.
export XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_CONFIG_HOME"
xdotool mousemove $((screen_width - 1)) $((screen_height - 1))

"$program" >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")
window=$(timeout 60 xdotool search --sync --onlyvisible --limit 1 --name "^$window_title\$") ||
  fail "the window did not appear; the program said: $(cat "$work/program.log")"

# The framed window: the client area from xwininfo and the frame openbox reports around it.
left='' top_='' width='' height=''
frame_known() {
  local info extents
  kill -0 "$program_pid" 2>/dev/null || fail "the program ended: $(cat "$work/program.log")"
  extents=$(xprop -id "$window" _NET_FRAME_EXTENTS 2>/dev/null) || return 1
  [[ $extents == *=* ]] || return 1
  IFS=', ' read -r fl fr ft fb <<<"${extents#*= }"
  info=$(xwininfo -id "$window")
  local x y w h
  x=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
  y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
  w=$(sed -n 's/^ *Width: *//p' <<<"$info")
  h=$(sed -n 's/^ *Height: *//p' <<<"$info")
  left=$((x - fl)) top_=$((y - ft)) width=$((w + fl + fr)) height=$((h + ft + fb))
}
wait_until 30 frame_known || fail "no frame from openbox within 30s; logs: $(logs)"
active() { xprop -root _NET_ACTIVE_WINDOW 2>/dev/null | grep -qiE "# $(printf '0x%x' "$window")\$"; }
wait_until 30 active || fail "no focus on the window within 30s; logs: $(logs)"

# The program is idle once its picture and its place no longer change (it centres its outer frame
# again once the window manager has reported it), but for the blinking text caret of the focused
# field. Grabs are taken until they cover more than one blink period (the toolkit's cursor
# flash time, 1 s) and show either one picture, or two that alternate (the first comes back after
# the second): the caret on and off. Of two, the lighter one, with the caret off, is kept, so
# that every run gives the same picture.
grab() { # OUTPUT
  import -window root "$work/root.png" &&
    convert "$work/root.png" -crop "${width}x${height}+${left}+${top_}" +repage \
      -strip -define png:exclude-chunks=date,time "$1"
}
now_ms() { echo $(($(date +%s%N) / 1000000)); }
# The mean brightness, within the box where they differ, of the first picture minus the second's.
lighter() { # A B: true when A is the lighter
  local box
  box=$(convert "$1" "$2" -compose difference -composite -threshold 0 -format '%@' info:)
  awk -v a="$(convert "$1" -crop "$box" -colorspace gray -format '%[fx:mean]' info:)" \
    -v b="$(convert "$2" -crop "$box" -colorspace gray -format '%[fx:mean]' info:)" \
    'BEGIN { exit !(a > b) }'
}
files=() times=() sums=()
picture=
settled() {
  frame_known || return 1
  local n=${#files[@]} i first=-1 second=-1 back=0
  grab "$work/grab-$n.png" || return 1
  files+=("$work/grab-$n.png") times+=("$(now_ms)")
  sums+=("${width}x${height}+${left}+${top_}:$(md5sum <"$work/grab-$n.png" | cut -d' ' -f1)")
  # The latest grabs that span more than 1.2 s.
  for ((i = n; i >= 0; i--)); do
    [ $((times[n] - times[i])) -gt 1200 ] && break
  done
  [ "$i" -ge 0 ] || return 1
  for ((; i <= n; i++)); do
    if [ "$first" -lt 0 ] || [ "${sums[i]}" = "${sums[first]}" ]; then
      [ "$first" -lt 0 ] && first=$i
      [ "$second" -ge 0 ] && back=1
    elif [ "$second" -lt 0 ] || [ "${sums[i]}" = "${sums[second]}" ]; then
      [ "$second" -lt 0 ] && second=$i
    else
      return 1
    fi
  done
  if [ "$second" -lt 0 ]; then
    picture=${files[first]}
  elif [ "$back" = 1 ]; then
    if lighter "${files[first]}" "${files[second]}"; then picture=${files[first]}; else picture=${files[second]}; fi
  else
    return 1
  fi
}
wait_until 60 settled || fail "no settled picture of the window within 60s; logs: $(logs)"

mkdir -p "$(dirname "$out")"
# The grabs carry no date or other metadata, so that the same pixels make the same bytes.
cp "$picture" "$out"
echo "screenshot: ${width}x${height} framed window at +${left}+${top_} saved to $out"
