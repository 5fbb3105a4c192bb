# A ninja in the real game: the mission's first one waits in the lab; once the player steps towards it, it
# walks up to him and strikes, and the red bar shortens. At the start nothing dark hangs in the upper half
# of the view (the empty hand sits low on the right). Shooting it dead is the automatic player's part.
source "$SATLINK_SOURCE_DIR/tests/support/window.bash"

window_800x600_config

start_game --test-mode
win=$(game_window)
pass_logon "$win"
wait_caption_number "$win"
focus_game "$win"
xdotool mousemove --window "$win" 400 300
# Pixels darker than a quarter grey in the middle of the upper half, over the white ceiling and walls
# (below it the lab's monitor and the ninja stand in view), once the player has come down to the floor.
UPPER=200x200+300+0
wait_still ninja-far $UPPER "the view did not settle at the start"
dark=$(convert "$SHOT_DIR/ninja-far.png[$UPPER]" -colorspace Gray -threshold 25% -negate \
  -format "%[fx:round(mean*w*h)]" info:)
[ "$dark" -lt 20 ] || fail "$dark dark pixels hang in the upper half of the view at the start"
# The length of the red bar along its middle row.
bar() {
  convert "$SHOT_DIR/$1.png[240x1+0+595]" -fuzz 20% -fill black +opaque "rgb(255,0,0)" -fill white \
    -opaque "rgb(255,0,0)" -format "%[fx:round(mean*w)]" info:
}
full=$(bar ninja-far)
[ "$full" -ge 195 ] || fail "the red bar is $full pixels long at full life"
# Facing the lab's doorway, a few steps towards it bring the player into the ninja's sight.
xdotool mousemove --window "$win" 340 300
turned() { [ "$(changed ninja-far ninja-turned)" -gt 5000 ]; }
shot_until ninja-turned turned || fail "the mouse did not turn the view"
hold_until Up "the ninja never attacked" has_line "$GAME_DIR/log.txt" "^Ninja::attack$"
screenshot ninja-near
wait_log_start "Camera::shoot "
struck() { [ "$(bar ninja-struck)" -lt "$full" ]; }
shot_until ninja-struck struck || fail "the red bar kept its length after the ninja's strikes"

close_window "$win"
expect_status 154 "the game"
echo "ok"
