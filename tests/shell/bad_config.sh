# A config.xml that is not XML or is empty starts the default window; a size no window can have
# ends the game with one clear line on the console and in the log, and status 0.
source "$SATLINK_SOURCE_DIR/tests/support/window.bash"

for text in "this is not <xml" ""; do
  printf '%s' "$text" >"$GAME_DIR/config.xml"
  start_game
  win=$(game_window)
  [ "$(window_shape "$win")" = "700x500 no" ] || fail "config '$text' gave $(window_shape "$win")"
  close_window "$win"
  expect_status 154 "the game with config '$text'"
done

echo '<config><screenresolution x="999999" y="500"/></config>' >"$GAME_DIR/config.xml"
start_game
expect_status 0 "the game asked for x=999999"
line="could not open a 999999 x 500 window: size out of range (1 to 16384 pixels a side)"
grep -qxF "$line" "$GAME_DIR/stdout.txt" || fail "no clear line on the console"
expect_log_line "$line"
echo "ok"
