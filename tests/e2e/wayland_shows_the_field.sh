#!/usr/bin/env bash
# The game on a Wayland compositor (weston, headless): the window shows the field's title picture
# and the score box with no pixel of the desktop showing through, a game's frames keep coming,
# and the game asks nothing of the compositor that it cannot do (no opacity warning).
# The window has no decoration here (QT_WAYLAND_DISABLE_WINDOWDECORATION), so the part of the
# screenshot that is not the green desktop is the window's client area.
source "$(dirname "$0")/lib.sh"
make_game_copy
write_settings "[UserSet]" "MediaON=False" "MediaMax=60" "SoundON=False" "SoundMax=80" "GameMode=1" "GameMain=1" \
  "[GameMenu]" "Menu=1" "MenuName1=冬雪" 'MenuPath1=\pics\winter\'
start_weston
export QT_QPA_PLATFORM=wayland QT_WAYLAND_DISABLE_WINDOWDECORATION=1

# "W H X Y" of what is not the desktop in a screenshot (an empty desktop gives "1 1 ...").
trimmed() { convert "$1" -trim -format '%w %h %X %Y' info: 2>/dev/null | tr -d '+' || true; }

# Waits until a screenshot shows the main window and sets WX, WY to its origin in it.
wait_wayland_window() {
  for _ in $(seq 300); do
    if wayland_shot "$1"; then
      read -r w h WX WY <<<"$(trimmed "$1")"
      [ "${w}x$h" = 651x551 ] && return 0
    fi
    sleep 0.1
  done
  fail "no main window of 651 x 551 appeared on weston"
}
field() { convert "$1" -crop "376x480+$((WX + 36))+$((WY + 25))" +repage "$2"; }

start_game
wait_wayland_window "$WORK/start.png"
holes=$(convert "$WORK/start.png" -crop "651x551+$WX+$WY" -fill black +opaque '#00FF00' -fill white -opaque '#00FF00' \
  -format '%[fx:round(mean*w*h)]' info:)
[ "$holes" -eq 0 ] || fail "$holes pixels of the window let the desktop through"
field "$WORK/start.png" "$WORK/field.png"
mae=$(compare -metric MAE "$WORK/field.png" "$GAME/images/GameMap.JPG" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p' || true)
awk -v m="$mae" 'BEGIN { exit !(m < 0.03) }' || fail "the field is not the title picture (mean difference $mae)"
# The score box: eight digits of its strip, not the plain panel around it.
convert "$WORK/start.png" -crop "122x27+$((WX + 473))+$((WY + 75))" +repage "$WORK/score.png"
spread=$(convert "$WORK/score.png" -colorspace gray -format '%[fx:standard_deviation]' info:)
awk -v s="$spread" 'BEGIN { exit !(s > 0.05) }' || fail "the score box is blank"
kill -9 "$LAST_PID"
for _ in $(seq 300); do  # gone from the screen, and so gone for good
  wayland_shot "$WORK/gone.png" && [ "$(trimmed "$WORK/gone.png" | cut -d' ' -f1-2)" != "651 551" ] && break
  sleep 0.1
done

# A game started at once: its frames must change the field (the snow falls, the arrow blinks).
"$GAME/pelmora" --new-game >>"$WORK/game.log" 2>&1 &
LAST_PID=$!
GAME_PIDS+=("$LAST_PID")
wait_wayland_window "$WORK/first.png"
field "$WORK/first.png" "$WORK/a.png"
moved=0
for _ in $(seq 300); do
  wayland_shot "$WORK/later.png" && field "$WORK/later.png" "$WORK/b.png" &&
    moved=$(compare -metric AE "$WORK/a.png" "$WORK/b.png" null: 2>&1 | cut -d' ' -f1 || true)
  [ "${moved%.*}" -gt 50 ] && break
  sleep 0.1
done
[ "${moved%.*}" -gt 50 ] || fail "the field does not change after the first frame of a game"

if grep -i -e opacity -e 'qt\.qpa' "$WORK/game.log"; then fail "the game warns on Wayland"; fi
mkdir -p "$OUT_DIR"
cp "$WORK/later.png" "$OUT_DIR/game-on-wayland.png"
echo "ok: field and score shown on weston, frames run, no warning; screenshot in $OUT_DIR/game-on-wayland.png"
