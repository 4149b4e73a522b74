#!/usr/bin/env bash
# The game on a screen of twice the pixels (QT_SCALE_FACTOR=2): the main window is 1302 x 1102
# screen pixels, and the field (during a game) and the new-game button are drawn from the 2x
# pictures rather than magnified from the 1x ones; and a click on a column border at scale 2 goes
# to the column under the cursor's tip.
#
# The detail of a region is what halving and doubling it smoothly loses, D = the mean absolute
# difference; the 2x screenshot must keep at least 1.6 times the detail of the 1x screenshot
# magnified smoothly to the same size. A 1x picture magnified by repeating its pixels also scores
# well there (the measure takes its blocks' edges for detail), so the 2x screenshot must also not
# be such a repeat: what taking every other pixel and repeating it loses (R) must be at least
# half of what it loses from the smoothly magnified 1x screenshot (a repeat loses nothing).
source "$(dirname "$0")/lib.sh"
make_game_copy
write_settings "[UserSet]" "MediaON=False" "MediaMax=60" "SoundON=False" "SoundMax=80" "GameMode=2" "GameMain=1" \
  "[GameMenu]" "Menu=1" "MenuName1=宝石" 'MenuPath1=\pics\gems\'
export PELMORA_SEED=7  # the same board at both scales
start_x 1600x1300

# Plays a moment at a scale and leaves the screenshot in $WORK/at<scale>.png.
shoot_a_game_at() {
  UI_SCALE=$1
  QT_SCALE_FACTOR=$1 start_game
  wait_main_window
  [ "$WIDTH"x"$HEIGHT" = "$((651 * $1))x$((551 * $1))" ] || fail "at scale $1 the window is ${WIDTH}x$HEIGHT"
  click 535 150  # new game
  sleep 0.3
  xdotool mousemove $((WX + 645 * $1)) $((WY + 10 * $1))  # onto the bare background: no button lit
  sleep 1
  shot "$WORK/at$1.png"
  [ "$1" = 1 ] || { click_on_border 447 3 4; click_on_border 449 1 5; }
  kill -9 "$LAST_PID"
  wait_gone '^Pelmora2\.0\.0$'
}

# At scale 2 a click goes to the column under the cursor's tip, the screen pixel of its hot spot:
# columns 4 and 5 meet between screen x 447 and 448. A click at x $1 with button $2 changes the
# top of column $3 alone (a right click grabs, a left one throws).
click_on_border() {
  xdotool mousemove $((WX + $1)) $((WY + 600)) && sleep 0.5 && shot "$WORK/before.png"
  xdotool click "$2" && sleep 1.5 && shot "$WORK/after.png"
  for c in 4 5; do
    local n && n=$(differing_pixels "$WORK/before.png" "$WORK/after.png" "72x800+$((88 + 72 * c))+50")
    if [ "$c" = "$3" ]; then [ "$n" -gt 4000 ]; else [ "$n" -lt 1200 ]; fi || fail "a click at x $1 changed column $c by $n pixels"
  done
}

# D and R of a picture file.
detail() {
  convert "$1" -resize 50% -resize 200% "$WORK/halved-doubled.png"
  compare -metric MAE "$1" "$WORK/halved-doubled.png" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p'
}
repeat_loss() {
  convert "$1" -sample 50% -sample 200% "$WORK/repeated.png"
  compare -metric MAE "$1" "$WORK/repeated.png" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p'
}

# "D-ratio R-ratio" of a region WxH+X+Y of the client area (in the window's own pixels): the 2x
# screenshot's against the 1x screenshot's magnified smoothly.
ratios() {
  local w=${1%%x*} rest=${1#*x}
  local h=${rest%%+*} xy=${rest#*+}
  local x=${xy%%+*} y=${xy#*+}
  convert "$WORK/at1.png" -crop "${w}x${h}+$((WX + x))+$((WY + y))" +repage -resize 200% "$WORK/magnified.png"
  convert "$WORK/at2.png" -crop "$((2 * w))x$((2 * h))+$((WX + 2 * x))+$((WY + 2 * y))" +repage "$WORK/sharp.png"
  awk -v ds="$(detail "$WORK/sharp.png")" -v db="$(detail "$WORK/magnified.png")" \
      -v rs="$(repeat_loss "$WORK/sharp.png")" -v rb="$(repeat_loss "$WORK/magnified.png")" \
      'BEGIN { printf "%.2f %.2f", ds / db, rs / rb }'
}

# check NAME REGION
check() {
  local d r
  read -r d r <<<"$(ratios "$2")"
  echo "$1: detail $d times the 1x magnified, repeat loss $r times"
  awk -v d="$d" 'BEGIN { exit !(d >= 1.6) }' || fail "$1 at scale 2 keeps only $d times the detail of 1x magnified"
  awk -v r="$r" 'BEGIN { exit !(r >= 0.5) }' || fail "$1 at scale 2 is the 1x picture with its pixels repeated"
}

shoot_a_game_at 1
shoot_a_game_at 2
mkdir -p "$OUT_DIR"
convert "$WORK/at2.png" -crop "1302x1102+$WX+$WY" +repage "$OUT_DIR/game-at-scale-2.png"
check "the field" 376x480+36+25
check "the new-game button" 159x47+456+128
echo "ok: drawn for every pixel at scale 2, clicks go to the column under the tip; screenshot in $OUT_DIR/game-at-scale-2.png"
