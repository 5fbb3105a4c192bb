# A config.xml that is not XML or is empty starts the default window; a window wider than the screen is
# cut to it, which the log says; a size no window can have ends the game with one clear line on the
# console and in the log, and status 1.
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
win=$(game_window)
[ "$(window_shape "$win")" = "1280x500 no" ] || fail "x=999999 gave $(window_shape "$win")"
expect_log_line "window 999999 x 500 is larger than the screen (1280 x 1024): cut to 1280 x 500"
close_window "$win"
expect_status 154 "the game asked for x=999999"

echo '<config><screenresolution x="800" y="0"/></config>' >"$GAME_DIR/config.xml"
start_game
expect_status 1 "the game asked for y=0"
line="could not open a 800 x 0 window: size out of range (1 to 16384 pixels a side)"
grep -qxF "$line" "$GAME_DIR/stdout.txt" || fail "no clear line on the console"
expect_log_line "$line"
echo "ok"
