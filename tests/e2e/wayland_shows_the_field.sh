#!/usr/bin/env bash
# The game on weston's headless backend (pixman, no input device; the desktop pure green, no panel,
# no window decoration, so what is not green is the client area): the title picture fills the
# field, no pixel lets the desktop through, a game's frames keep coming, and no warning.
source "$(dirname "$0")/lib.sh"
make_game_copy
write_settings "[UserSet]" "MediaON=False" "MediaMax=60" "SoundON=False" "SoundMax=80" "GameMode=1" "GameMain=1" \
  "[GameMenu]" "Menu=1" "MenuName1=冬雪" 'MenuPath1=\pics\winter\'
printf '[shell]\nbackground-color=0xff00ff00\npanel-position=none\nlocking=false\nanimation=none\n' >"$WORK/weston.ini"
weston --backend=headless-backend.so --use-pixman --debug --idle-time=0 --socket=pelmora-test --config="$WORK/weston.ini" \
  --width=800 --height=700 >"$WORK/weston.log" 2>&1 &
XVFB_PID=$!  # the display server, stopped at the end
export WAYLAND_DISPLAY=pelmora-test QT_QPA_PLATFORM=wayland QT_WAYLAND_DISABLE_WINDOWDECORATION=1
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/pelmora-test" ] && break; sleep 0.1; done
shoot() { rm -f "$WORK"/wayland-screenshot*; (cd "$WORK" && weston-screenshooter) && mv "$WORK"/wayland-screenshot* "$1"; }
# Waits until a screenshot $1 shows the window (651 x 551) or, given "gone", shows it no more.
wait_shown() {
  for _ in $(seq 300); do
    shoot "$1" 2>/dev/null && read -r w h WX WY <<<"$(convert "$1" -trim -format '%w %h %X %Y' info: 2>/dev/null | tr -d +)"
    [ "$([ "${w:-}x${h:-}" = 651x551 ] && echo appear || echo go)" = "${2:-appear}" ] && return 0
    sleep 0.1
  done
  fail "the window did not ${2:-appear} on weston"
}
field() { convert "$1" -crop "376x480+$((WX + 36))+$((WY + 25))" +repage "$2"; }

start_game
wait_shown "$WORK/start.png"
holes=$(convert "$WORK/start.png" -crop "651x551+$WX+$WY" -fill black +opaque '#00FF00' -fill white -opaque '#00FF00' -format '%[fx:round(mean*w*h)]' info:)
[ "$holes" -eq 0 ] || fail "$holes pixels of the window let the desktop through"
field "$WORK/start.png" "$WORK/field.png"
mae=$(compare -metric MAE "$WORK/field.png" "$GAME/images/GameMap.JPG" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p' || true)
awk -v m="$mae" 'BEGIN { exit !(m < 0.03) }' || fail "the field is not the title picture (mean difference $mae)"
kill -9 "$LAST_PID" && wait_shown "$WORK/gone.png" go

"$GAME/pelmora" --new-game >>"$WORK/game.log" 2>&1 &
GAME_PIDS+=($!) && disown
wait_shown "$WORK/first.png"
field "$WORK/first.png" "$WORK/a.png"
for i in $(seq 300); do  # the snow falls, the arrow blinks
  shoot "$WORK/later.png" && field "$WORK/later.png" "$WORK/b.png" &&
    [ "$(compare -metric AE "$WORK/a.png" "$WORK/b.png" null: 2>&1 | cut -d' ' -f1 || true)" -gt 50 ] && break
  [ "$i" -lt 300 ] || fail "the field does not change after the first frame of a game"
  sleep 0.1
done
if grep -i -e opacity -e 'qt\.qpa' "$WORK/game.log"; then fail "the game warns on Wayland"; fi
mkdir -p "$OUT_DIR" && cp "$WORK/later.png" "$OUT_DIR/game-on-wayland.png"
echo "ok: on weston the window is opaque, the field shows the title picture, frames run, no warning"
