# Shared steps of the window tests: each runs the real game from a copy of the built game
# folder on its own X server, and drives it with xdotool.
# Needs: GAME_DIR (the built game folder), OUT_DIR (where screenshots go).
set -euo pipefail

fail() {
  echo "FAIL: $*" >&2
  if [ -n "${WORK:-}" ] && [ -s "$WORK/game.log" ]; then
    echo "--- the game's output:" >&2
    grep -v -e 'audio device' -e PulseAudio -e 'Failed to connect' "$WORK/game.log" | tail -n 20 >&2
  fi
  exit 1
}

# A private copy of the game folder, so that settings and scores of the build stay untouched.
make_game_copy() {
  WORK=$(mktemp -d)
  trap 'stop_all; rm -rf "$WORK"' EXIT
  cp -r "$GAME_DIR" "$WORK/game"
  rm -f "$WORK/game/data.dat"
  GAME="$WORK/game"
  export XDG_RUNTIME_DIR="$WORK/run"  # a lock of its own: other tests may run a game meanwhile
  mkdir -m 700 "$XDG_RUNTIME_DIR"
}

# The settings file, GBK with CR LF, from lines given as arguments.
write_settings() {
  printf '%s\r\n' "$@" | iconv -f UTF-8 -t GBK > "$GAME/VornPGame.ini"
}

# A quiet game (no music, no sound) in difficulty mode $1, with the three shipped picture sets.
write_quiet_settings() {
  write_settings "[UserSet]" "MediaON=False" "MediaMax=60" "SoundON=False" "SoundMax=80" "GameMode=$1" "GameMain=1" \
    "[GameMenu]" "Menu=3" "MenuName1=宝石" 'MenuPath1=\pics\gems\' "MenuName2=花园" 'MenuPath2=\pics\garden\' \
    "MenuName3=冬雪" 'MenuPath3=\pics\winter\'
}

# An X server of the test's own on a display it picks itself (-displayfd), so that tests
# never meet a display that another one is still shutting down. Its screen is 1024x768 unless
# a size is given: start_x 1600x1300. It never resets: a server resets when its last client
# leaves, and a game started again at that moment finds no display to connect to.
start_x() {
  Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset 3>"$WORK/display" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do
    if [ -s "$WORK/display" ]; then
      export DISPLAY=":$(head -n 1 "$WORK/display")"
      return 0
    fi
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  fail "no X server could be started"
}

GAME_PIDS=()
start_game() {
  "$GAME/pelmora" >>"$WORK/game.log" 2>&1 &
  LAST_PID=$!
  disown "$LAST_PID"
  GAME_PIDS+=("$LAST_PID")
}

stop_all() {
  for p in "${GAME_PIDS[@]:-}"; do [ -n "$p" ] && kill -9 "$p" 2>/dev/null || true; done
  if [ -n "${XVFB_PID:-}" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
  fi
}

# Waits for the main window (after the splash) and sets WX, WY to its client area's origin.
# Given a process id and an x, the window of that process, first moved to (x, 0).
wait_main_window() {
  local id=""
  for _ in $(seq 300); do
    id=$(xdotool search --all --onlyvisible ${1:+--pid "$1"} --name '^Pelmora2\.0\.0$' 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || fail "the main window did not appear"
  WID=$id
  [ -z "${2:-}" ] || xdotool windowmove --sync "$id" "$2" 0
  eval "$(xdotool getwindowgeometry --shell "$id")"
  WX=$X
  WY=$Y
  sleep 0.3
}

# Waits for a visible window whose name matches, then sets WIN to it.
wait_window() {
  WIN=""
  for _ in $(seq 300); do
    WIN=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$WIN" ] && return 0
    sleep 0.1
  done
  fail "no window named $1 appeared"
}

# Waits until no visible window with that name is left, or, given a window, until that one
# has gone (another of the same name may follow it).
wait_gone() {
  for _ in $(seq 300); do
    local left
    left=$(xdotool search --onlyvisible --name "$1" 2>/dev/null || true)
    if [ -n "${2:-}" ]; then grep -qx "$2" <<<"$left" || return 0; else [ -z "$left" ] && return 0; fi
    sleep 0.1
  done
  fail "the window $1 did not close"
}

# Gives a window the keyboard (there is no window manager to do it) and types keys into it.
keys_to() {
  local win=$1
  shift
  xdotool windowfocus --sync "$win" 2>/dev/null || xdotool windowfocus "$win"
  sleep 0.2
  xdotool "$@"
}

visible_windows() { xdotool search --onlyvisible --name 'Pelmora|Lumo' 2>/dev/null | wc -l; }

# Clicks at a point of the main window's client area: click X Y [button]. X and Y are the
# window's own pixels; a game run with QT_SCALE_FACTOR=2 is clicked with UI_SCALE=2, which makes
# each of them two pixels of the screen.
click() {
  xdotool mousemove $((WX + $1 * ${UI_SCALE:-1})) $((WY + $2 * ${UI_SCALE:-1}))
  sleep 0.1
  xdotool click "${3:-1}"
}

# The centre of a column of the play field, in client coordinates.
column_x() { echo $((35 + 1 + 8 + 36 * $1 + 18)); }

# Plays the presses of a plan (lines "L|R column", ending at "score N"), each given time to land.
play_plan() {
  while read -r button column; do
    [ "$button" = score ] && break
    click "$(column_x "$column")" 300 "$([ "$button" = L ] && echo 1 || echo 3)"
    sleep 1.8
  done <<<"$1"
}

# Starts a game in the main window (WX, WY), loses it by the plan $1 with a record, accepts the
# place, enters the name $2 and waits for the leaderboard window.
lose_with_a_record() {
  click 535 150  # new game
  sleep 1
  play_plan "$1"
  wait_window '^新的记录$'  # "store it in the leaderboard?"
  keys_to "$WIN" key Return
  wait_gone '^新的记录$' "$WIN"
  wait_window '^新的记录$'  # the name
  keys_to "$WIN" type --delay 50 "$2"
  keys_to "$WIN" key Return
  wait_window '^Lumo排行榜$'
}

shot() { import -window root "$1"; }

# How many pixels differ between two pictures in a region WxH+X+Y of the client area.
differing_pixels() {
  local region="$3"
  local w=${region%%x*} rest=${region#*x}
  local h=${rest%%+*} xy=${rest#*+}
  local x=${xy%%+*} y=${xy#*+}
  local crop="${w}x${h}+$((WX + x))+$((WY + y))"
  convert "$1" -crop "$crop" +repage "$WORK/a.png"
  convert "$2" -crop "$crop" +repage "$WORK/b.png"
  compare -metric AE "$WORK/a.png" "$WORK/b.png" null: 2>&1 | cut -d' ' -f1 || true
}
