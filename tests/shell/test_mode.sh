# Test mode comes from --test-mode; L held while the game starts and P in play turn it on only where
# config.xml says cheating="true". Elsewhere they do nothing at all: no message, no log line.
source "$SATLINK_SOURCE_DIR/tests/support/quizd.bash"
source "$SATLINK_SOURCE_DIR/tests/support/window.bash"

start_game --test-mode
win=$(game_window)
pass_logon "$win"
wait_caption_number "$win"
expect_log_line "test mode on"
close_window "$win"
expect_status 154 "the --test-mode run"

# Play starts once a quiz server accepted the log-on.
quizd_workdir
trap 'kill -9 ${QUIZD_PID:-} 2>/dev/null || true; rm -rf "$dir"; cleanup' EXIT
quizd_prepare "$dir"
quizd_start "$dir"
config() {
  cat >"$GAME_DIR/config.xml" <<XML
<config>
  <parameters cheating="$1"/>
  <user username="ana" password="s3 nh&amp;a" server="127.0.0.1:$QUIZD_PORT"/>
</config>
XML
}

# start_holding_l: starts the game with L held until the keys held at start were read, once, before
# the loop starts; then passes the log-on.
start_holding_l() {
  hold_key l
  start_game
  win=$(game_window)
  wait_log_line "gameLoop"
  release_key l
  pass_logon "$win"
}

# The default config: L held at start and P in play change nothing. P stays down until A, pressed
# after it, has switched the weapon: a frame has seen P too.
config false
start_holding_l
wait_log_line "Story: log-on accepted"
focus_game "$win"
hold_key p
press_logged a "Camera::switchArma"
release_key p
expect_no_log_line "test mode on"
close_window "$win"
expect_status 154 "the run with L and P in the default config"

config true
start_holding_l
wait_caption_number "$win"
expect_log_line "test mode on"
close_window "$win"
expect_status 154 "the run with L held where cheating is allowed"

start_game
win=$(game_window)
pass_logon "$win"
wait_log_line "Story: log-on accepted"
expect_no_log_line "test mode on"
focus_game "$win"
press_logged p "test mode on"
close_window "$win"
expect_status 154 "the run with P where cheating is allowed"
echo "ok"
