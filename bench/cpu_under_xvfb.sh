#!/usr/bin/env bash
# CPU used by the real game under Xvfb at the device scales 1, 1.5 and 2, each with music (and
# sound effects) on and off: for each, a new game, then a press on a random column every second
# for some seconds of play (60 unless given), the same board and presses each time. What counts
# is the game's own CPU time, user and system, read from /proc/<pid>/stat before and after the
# play, as a share of one core: other load on the machine does not count (it only stretches the
# wall time a little).
# Figures of one run vary by a few tenths from run to run: with a number of rounds, each
# measurement is taken that many times and the median is shown, with every round's figure.
# Beside each scale it measures pelmora_repaint_floor (built beside the game folder, in bench/),
# a bare Qt window repainting as much as the field does ten times a second, for as long, once:
# what the machine, Qt and the X server ask of any program that repaints like the game.
# Usage: bench/cpu_under_xvfb.sh <game folder> [seconds] [rounds]
GAME_DIR=$(cd "$1" && pwd)
FLOOR="$GAME_DIR/../bench/pelmora_repaint_floor"
OUT_DIR=$(mktemp -d)
source "$(dirname "$0")/../tests/e2e/lib.sh"
PLAY_SECONDS=${2:-60}
ROUNDS=${3:-1}
make_game_copy
start_x 1600x1300
hz=$(getconf CLK_TCK)
# The CPU ticks (user + system) of process $1 so far.
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# The ticks $1 spent over the play's seconds as a share of one core, in percent.
share() { awk -v t="$1" -v hz="$hz" -v s="$PLAY_SECONDS" 'BEGIN { printf "%.2f", t * 100 / hz / s }'; }

# A click at a point of the window's client area given in its logical pixels, at any scale.
click_scaled() {
  xdotool mousemove "$(awk -v o="$WX" -v p="$1" -v s="$UI_SCALE" 'BEGIN { print int(o + p * s) }')" \
    "$(awk -v o="$WY" -v p="$2" -v s="$UI_SCALE" 'BEGIN { print int(o + p * s) }')"
  sleep 0.1
  xdotool click "${3:-1}"
}

# Plays at scale $1 with music True or False ($2); prints the game's share of a core in percent.
measure() {
  write_settings "[UserSet]" "MediaON=$2" "MediaMax=60" "SoundON=$2" "SoundMax=80" "GameMode=2" "GameMain=1" \
    "[GameMenu]" "Menu=3" "MenuName1=宝石" 'MenuPath1=\pics\gems\' "MenuName2=花园" 'MenuPath2=\pics\garden\' \
    "MenuName3=冬雪" 'MenuPath3=\pics\winter\'
  UI_SCALE=$1
  # The same board and the same presses in every measurement, so that they differ by the scale
  # and the music alone, not by how much a random game happened to move.
  RANDOM=42
  PELMORA_SEED=7 QT_SCALE_FACTOR=$1 start_game
  wait_main_window
  click_scaled 535 150  # new game
  sleep 1
  local before after
  before=$(ticks "$LAST_PID")
  for _ in $(seq "$PLAY_SECONDS"); do
    click_scaled "$(column_x $((RANDOM % 10)))" 300 $((RANDOM % 2 == 0 ? 1 : 3))
    sleep 0.9
  done
  after=$(ticks "$LAST_PID")
  kill -9 "$LAST_PID"
  wait_gone '^Pelmora2\.0\.0$'
  share $((after - before))
}

# The bare window at scale $1 for as long as a play; prints its share of a core in percent.
measure_floor() {
  QT_SCALE_FACTOR=$1 "$FLOOR" >/dev/null 2>&1 &
  local pid=$! before after
  sleep 2
  before=$(ticks "$pid")
  sleep "$PLAY_SECONDS"
  after=$(ticks "$pid")
  kill -9 "$pid"
  wait "$pid" 2>/dev/null || true
  share $((after - before))
}

# The median of the figures given as arguments, and the figures in brackets.
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1; all = all (NR > 1 ? " " : "") $1 } END { printf "%s  (%s)", v[int((NR + 1) / 2)], all }'; }

echo "game CPU over $PLAY_SECONDS s of play, % of one core, median of $ROUNDS round(s)"
printf '%-6s %-6s %s\n' scale music CPU
for scale in 1 1.5 2; do
  for music in True False; do
    figures=()
    for _ in $(seq "$ROUNDS"); do figures+=("$(measure "$scale" "$music")"); done
    printf '%-6s %-6s %s\n' "$scale" "$([ $music = True ] && echo on || echo off)" "$(median "${figures[@]}")"
  done
  if [ -x "$FLOOR" ]; then printf '%-6s %-6s %s\n' "$scale" floor "$(measure_floor "$scale")"; fi
done
