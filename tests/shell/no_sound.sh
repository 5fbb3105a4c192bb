# With no sound device the game starts silent and runs.
source "$SATLINK_SOURCE_DIR/tests/support/window.bash"

ALSOFT_DRIVERS=none-such start_game
win=$(game_window)
pass_logon "$win"
wait_caption_number "$win"
expect_log_line "no sound device: the game runs silent"
close_window "$win"
expect_status 154 "the silent game"
echo "ok"
