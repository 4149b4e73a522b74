#!/usr/bin/env bash
# The game as a package installs it: extracted into a read-only folder and run by an ordinary
# player. A chosen mode lands in the player's ~/.config/pelmora/VornPGame.ini, a lost game in
# ~/.local/share/pelmora/data.dat, and the installed tree is left exactly as it was.
# Needs DEB (the built package) besides what lib.sh needs. As root the game runs as nobody.
source "$(dirname "$0")/lib.sh"

skip() {
  echo "SKIP: $*"
  exit 77
}

[ -f "${DEB:-}" ] || fail "no package at ${DEB:-(DEB not set)}"
if [ "$(id -u)" -eq 0 ]; then
  id nobody >/dev/null 2>&1 || skip "there is no user nobody to play as"
  command -v setpriv >/dev/null || skip "setpriv is missing, so the game cannot run as nobody"
  AS_PLAYER=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups)
  PLAYER=nobody
else
  AS_PLAYER=()
  PLAYER=$(id -un)
fi

WORK=$(mktemp -d)
trap 'stop_all; chmod -R u+w "$WORK"; rm -rf "$WORK"' EXIT
chmod 755 "$WORK"  # the player must reach the tree inside
dpkg-deb -x "$DEB" "$WORK/tree"
chmod -R a-w "$WORK/tree"
PLAYER_HOME="$WORK/home"
export XDG_RUNTIME_DIR="$WORK/run"
mkdir -m 700 "$PLAYER_HOME" "$XDG_RUNTIME_DIR"
[ "$PLAYER" = nobody ] && chown nobody "$PLAYER_HOME" "$XDG_RUNTIME_DIR"
SETTINGS="$PLAYER_HOME/.config/pelmora/VornPGame.ini"
SCORES="$PLAYER_HOME/.local/share/pelmora/data.dat"

# Every entry of the tree with its mode, and every file's checksum.
tree_state() {
  (cd "$WORK/tree" && find . -printf '%M %u %p\n' | LC_ALL=C sort && find . -type f -print0 | LC_ALL=C sort -z | xargs -0 sha256sum)
}
tree_state >"$WORK/before"

start_installed_game() {
  env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$PLAYER_HOME" "${AS_PLAYER[@]}" "$WORK/tree/usr/games/pelmora" \
    >>"$WORK/game.log" 2>&1 &
  LAST_PID=$!
  disown "$LAST_PID"
  GAME_PIDS+=("$LAST_PID")
}

# The main window, not a message box with the same caption.
wait_game_window() {
  wait_main_window
  eval "$(xdotool getwindowgeometry --shell "$WID")"
  if [ "$WIDTH" -lt 600 ]; then
    mkdir -p "$OUT_DIR"
    shot "$OUT_DIR/installed-start.png"
    fail "the game showed a message box instead of its window (see installed-start.png): it did not find its installed data"
  fi
}

wait_ended() {
  for _ in $(seq 50); do kill -0 "$LAST_PID" 2>/dev/null || return 0; sleep 0.1; done
  fail "the game did not end"
}

start_x

# 1. The first start: choose mode 3 and leave through the exit button.
start_installed_game
wait_game_window
click 570 440  # mode 3
click 535 210  # exit
wait_window '^提示$'
keys_to "$WIN" key Return
wait_ended
[ -f "$SETTINGS" ] || fail "no settings in the player's folder: $(find "$PLAYER_HOME" 2>/dev/null | tr '\n' ' ')"
[ "$(stat -c %U "$SETTINGS")" = "$PLAYER" ] || fail "the settings file does not belong to $PLAYER"
settings=$(iconv -f GBK -t UTF-8 "$SETTINGS")
grep -q $'^GameMode=3\r$' <<<"$settings" || fail "GameMode was not saved: $settings"
grep -qF $'MenuPath1=\\pics\\gems\\\r' <<<"$settings" || fail "the settings are not a copy of the shipped ones: $settings"
echo "ok: mode 3 saved in $SETTINGS"

# 2. A lost game, planned on the seed as in lose_into_the_leaderboard.sh.
GAME=$(dirname "$SETTINGS") write_quiet_settings 4
[ "$PLAYER" = nobody ] && chown nobody "$SETTINGS"
export PELMORA_SEED=10
plan=$("$PLAN" "$PELMORA_SEED" 4) || fail "no plan for seed $PELMORA_SEED"
score=$(echo "$plan" | sed -n 's/^score //p')
start_installed_game
wait_game_window
lose_with_a_record "$plan" Tester
[ -f "$SCORES" ] || fail "no data.dat in the player's folder: $(find "$PLAYER_HOME" 2>/dev/null | tr '\n' ' ')"
[ "$(stat -c %s "$SCORES")" -eq 540 ] || fail "data.dat is not 540 bytes"
name=$(dd if="$SCORES" bs=1 skip=2 count=6 2>/dev/null)
[ "$name" = Tester ] || fail "row 1 holds the name '$name'"
stored=$(od -An -tu4 -j18 -N4 "$SCORES" | tr -d ' ')
[ "$stored" = "$score" ] || fail "row 1 holds the score $stored, the game made $score"
echo "ok: lost with $score points; Tester is in row 1 of $SCORES"
kill -9 "$LAST_PID"
wait_ended

# 3. The installed tree is as it was.
tree_state >"$WORK/after"
diff "$WORK/before" "$WORK/after" >&2 || fail "the installed tree changed"
echo "ok: the installed tree is unchanged"
