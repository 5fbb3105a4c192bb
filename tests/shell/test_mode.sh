# Test mode comes from --test-mode or from L held while the game starts, and P turns it on in play.
source "$SATLINK_SOURCE_DIR/tests/support/quizd.bash"
source "$SATLINK_SOURCE_DIR/tests/support/window.bash"

start_game --test-mode
win=$(game_window)
pass_logon "$win"
wait_caption_number "$win"
expect_log_line "test mode on"
close_window "$win"
expect_status 154 "the --test-mode run"

hold_key l
start_game
win=$(game_window)
# The keys are read once, before the loop starts.
wait_log_line "gameLoop"
release_key l
pass_logon "$win"
wait_caption_number "$win"
expect_log_line "test mode on"
close_window "$win"
expect_status 154 "the run with L held"

# Play starts once a quiz server accepted the log-on.
quizd_workdir
trap 'kill -9 ${QUIZD_PID:-} 2>/dev/null || true; rm -rf "$dir"; cleanup' EXIT
quizd_prepare "$dir"
quizd_start "$dir"
cat >"$GAME_DIR/config.xml" <<XML
<config>
  <user username="ana" password="s3 nh&amp;a" server="127.0.0.1:$QUIZD_PORT"/>
</config>
XML
start_game
win=$(game_window)
pass_logon "$win"
wait_log_line "Story: log-on accepted"
expect_no_log_line "test mode on"
focus_game "$win"
hold_key p
wait_log_line "test mode on"
release_key p
close_window "$win"
expect_status 154 "the run with P"
echo "ok"
