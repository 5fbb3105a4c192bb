# The automatic player lets the monsters win: the mission goes to the capture, shows "Voce foi
# capturado! Fim da linha.", and closing it ends the game with status 0.
source "$SATLINK_SOURCE_DIR/tests/support/window.bash"
source "$SATLINK_SOURCE_DIR/tests/demo/demo.bash"

demo_config "127.0.0.1:9"
start_game --test-mode --demo-die
game_window >/dev/null
play_demo capture 210
[ "$GAME_STATUS" = 0 ] || fail "the captured demo ended with status $GAME_STATUS, not 0"
[ "$(banners | tail -n 2 | tr '\n' ' ')" = "999 210 " ] ||
  fail "the mission did not end through the capture (banners: $(banners | tr '\n' ' '))"
grep -qx 'demo: message "Voce foi capturado! Fim da linha."' "$GAME_DIR/log.txt" ||
  fail "no capture message on screen"
grep -qx "Camera::die" "$GAME_DIR/log.txt" || fail "the player did not die"
expect_report "captured"
echo "ok"
