# The player in the real level, driven with real keys and mouse: he stands on the floor at the start,
# Up walks him up to a wall, the status shows life and ammunition, A switches the weapon and
# the left button fires it. (The projectile's flight is the weapons' unit test's: a picture of a 0.66 s
# flight depends on how soon the next frame comes.)
source "$SATLINK_SOURCE_DIR/tests/support/window.bash"

window_800x600_config

# How many pixels of an area of a screenshot have the status figures' green.
green() {
  convert "$SHOT_DIR/$1.png" -crop "$2" +repage -fuzz 20% -fill black +opaque "rgb(128,255,0)" \
    -fill white -opaque "rgb(128,255,0)" -format "%[fx:round(mean*w*h)]" info:
}

LIFE=120x40+20+545
AMMO=100x40+695+545
# The view above the status band: the ninja's strikes may change the figures while he stands.
VIEW=800x520+0+0

# In test mode: the mission starts without a quiz server.
start_game --test-mode
win=$(game_window)
pass_logon "$win"
wait_caption_number "$win"
focus_game "$win"
# The mission's first hint hides the status: it is closed, and the later ones as they come.
wait_log_line "Story::showHint"
press_escape
dismiss_hints
# Turned to the right, the lab's doorway (and the ninja moving in the lab) leaves the view; the pointer
# in the middle of the window then turns the view no further.
screenshot walk-facing-lab
xdotool mousemove --window "$win" 700 300
turned() { [ "$(changed walk-facing-lab walk-turned $VIEW)" -gt 5000 ]; }
shot_until walk-turned turned || fail "the mouse did not turn the view"
xdotool mousemove --window "$win" 400 300
# He falls from the start height onto the floor; then nothing moves without input.
wait_still walk-start $VIEW "the view moves without input: the player is not standing"
[ "$(pixel walk-start 100 595)" = "srgb(255,0,0)" ] || fail "no red status bar"
[ "$(green walk-start $LIFE)" -gt 100 ] || fail "no life figure"
hand=$(green walk-start $AMMO)
[ "$hand" -gt 5 ] || fail "no ammunition figure for the hand"

press_logged a "Camera::switchArma"
sniper_shown() { [ "$(green walk-sniper $AMMO)" -gt $((hand * 3)) ]; }
shot_until walk-sniper sniper_shown || fail "the ammunition shown did not change from '-' to 109"

# The button is held until a frame has fired; the figure then goes down from 109.
xdotool mousedown 1
wait_log_line "ArmaDelay::shoot"
xdotool mouseup 1
shot_taken() { [ "$(changed walk-sniper walk-after-shot $AMMO)" -gt 20 ]; }
shot_until walk-after-shot shot_taken || fail "the ammunition shown did not go down"

walked() { [ "$(changed walk-after-shot walk-moved)" -gt 5000 ]; }
hold_key Up
shot_until walk-moved walked || fail "Up did not walk the player"
release_key Up

# Turned right, he heads for the lobby's corner: held there, Up moves him no more.
hold_key Up
wait_still walk-wall $VIEW "no wall stopped him"
release_key Up

close_window "$win"
expect_status 154 "the game"
echo "ok"
