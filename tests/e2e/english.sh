#!/usr/bin/env bash
# The game in English on an English desktop, and the menu's switch between the languages: the
# switched window is pixel for pixel the one a desktop of that language starts with, the choice
# lands in VornPGame.ini and outlasts a restart, and merely starting changes no settings file.
source "$(dirname "$0")/lib.sh"
make_game_copy
write_quiet_settings 1
cp "$GAME/VornPGame.ini" "$WORK/original.ini"
start_x

# The whole client area, with the pointer resting on the bare background (no button lit).
window_shot() {
  xdotool mousemove $((WX + 630)) $((WY + 20))
  sleep 0.4
  shot "$1"
}
# Two shots of the client area alike in every pixel, the vertical mode caption's box aside: its
# characters come out a shade heavier or lighter depending on how often the box was painted.
same_window() {
  local box="rectangle $((WX + 464)),$((WY + 392)) $((WX + 480)),$((WY + 464))"
  convert "$1" -fill black -draw "$box" "$WORK/masked1.png"
  convert "$2" -fill black -draw "$box" "$WORK/masked2.png"
  [ "$(differing_pixels "$WORK/masked1.png" "$WORK/masked2.png" 650x551+0+0)" = 0 ]
}
menu_language() {  # $1: Down presses inside the language submenu (0: 中文, 1: English)
  click 535 327
  sleep 0.6
  local menu
  menu=$(xdotool search --onlyvisible --class pelmora 2>/dev/null | tail -n 1)
  keys_to "$menu" key Down Down Down Down Down Down Right
  sleep 0.4
  for _ in $(seq "$1"); do xdotool key Down; done
  xdotool key Return
  sleep 0.8
}
stop_game() {
  kill -9 "$LAST_PID"
  wait_gone '^Pelmora2\.0\.0$'
}

LANGUAGE=zh_CN LC_ALL= LANG=C start_game
wait_main_window
window_shot "$WORK/zh.png"
stop_game
LANGUAGE= LC_ALL= LC_MESSAGES= LANG=en_US.UTF-8 start_game
wait_main_window
window_shot "$WORK/en.png"
mkdir -p "$OUT_DIR"
cp "$WORK/en.png" "$OUT_DIR/english-window.png"
cmp -s "$GAME/VornPGame.ini" "$WORK/original.ini" || fail "starting changed the settings file"
panel=$(differing_pixels "$WORK/zh.png" "$WORK/en.png" 194x460+456+40)
[ "$panel" -gt 300 ] || fail "the English control panel looks like the Chinese one ($panel pixels differ)"

click 535 210  # exit: the question is asked in English, under an English caption
wait_window '^Question$'
shot "$OUT_DIR/english-exit-question.png"
keys_to "$WIN" key Escape
wait_gone '^Question$'
kill -0 "$LAST_PID" 2>/dev/null || fail "Cancel ended the game"

menu_language 0
window_shot "$WORK/switched-zh.png"
same_window "$WORK/zh.png" "$WORK/switched-zh.png" || fail "中文 from the menu is not the Chinese window"
grep -q $'^Language=zh\r$' "$GAME/VornPGame.ini" || fail "Language=zh was not stored"
menu_language 1
window_shot "$WORK/switched-en.png"
same_window "$WORK/en.png" "$WORK/switched-en.png" || fail "English from the menu is not the English window"
grep -q $'^Language=en\r$' "$GAME/VornPGame.ini" || fail "Language=en was not stored"
[ "$(grep -c '^Language=' "$GAME/VornPGame.ini")" = 1 ] || fail "the key was written twice"

stop_game
LANGUAGE=zh_CN LANG=zh_CN.UTF-8 start_game  # the player's choice outweighs the desktop's
wait_main_window
window_shot "$WORK/restarted.png"
same_window "$WORK/en.png" "$WORK/restarted.png" || fail "the choice of English did not outlast a restart"
echo "ok: English window and question, the menu switches both ways, the choice is kept"
