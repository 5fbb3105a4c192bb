# Without config.xml: a 700 x 500 window that is not full screen, an emptied log, the frame rate as
# caption, and status 154 (666) after the window is closed as a window manager closes it.
source "$SATLINK_SOURCE_DIR/tests/support/window.bash"

echo "line of an earlier run" >"$GAME_DIR/log.txt"
start_game
win=$(game_window)
[ "$(window_shape "$win")" = "700x500 no" ] || fail "window is $(window_shape "$win"), not 700x500 windowed"
pass_logon "$win"
wait_caption_number "$win"
screenshot window_default
# Frames are drawn: the player's red status bar lies along the bottom of the 500 pixels.
[ "$(pixel window_default 100 495)" = "srgb(255,0,0)" ] || fail "no status bar: $(pixel window_default 100 495)"
expect_no_log_line "line of an earlier run"
expect_log_line "main"
expect_no_log_line "test mode on"

close_window "$win"
expect_status 154 "the closed game"
expect_log_line "drop"
echo "ok"
