# A ninja in the real game: the mission's first one waits in the lab; once the player steps towards it, it
# walks up to him and strikes. Shooting it dead in the window is the automatic player's part.
source "$SATLINK_SOURCE_DIR/tests/support/window.bash"

window_800x600_config

start_game --test-mode
win=$(game_window)
pass_logon "$win"
wait_caption_number "$win"
focus_game "$win"
xdotool mousemove --window "$win" 400 300
sleep 1
screenshot ninja-far
# Facing the lab's doorway, a few steps towards it bring the player into the ninja's sight.
xdotool mousemove --window "$win" 340 300
sleep 0.5
hold_key Up
sleep 1
release_key Up
wait_log_line "Ninja::attack"
sleep 0.5
screenshot ninja-near
wait_log_start "Camera::shoot "

close_window "$win"
expect_status 154 "the game"
echo "ok"
