# The player in the real level, driven with real keys and mouse: he stands on the floor at the start,
# Up walks him up to a wall, the status shows life and ammunition, A switches the weapon and
# the left button sends a projectile.
source "$SATLINK_SOURCE_DIR/tests/support/window.bash"

window_800x600_config

# How many pixels of two screenshots differ, within an area "WxH+X+Y" (the whole window by default).
changed() {
  local area=${3:-800x600+0+0}
  compare -metric AE -fuzz 8% "$SHOT_DIR/$1.png[$area]" "$SHOT_DIR/$2.png[$area]" null: 2>&1 | cut -d' ' -f1
}

# How many pixels of an area of a screenshot have the status figures' green.
green() {
  convert "$SHOT_DIR/$1.png" -crop "$2" +repage -fuzz 20% -fill black +opaque "rgb(128,255,0)" \
    -fill white -opaque "rgb(128,255,0)" -format "%[fx:round(mean*w*h)]" info:
}

LIFE=120x40+20+545
AMMO=100x40+695+545
CENTRE=240x200+280+150

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
xdotool mousemove --window "$win" 700 300
sleep 0.5
xdotool mousemove --window "$win" 400 300
# He falls from the start height onto the floor; then nothing moves without input.
standing() { [ "$(changed walk-start walk-still)" -lt 50 ]; }
for _ in $(seq 30); do
  screenshot walk-start
  sleep 0.5
  screenshot walk-still
  standing && break
done
standing || fail "the view moves without input: the player is not standing"
[ "$(pixel walk-start 100 595)" = "srgb(255,0,0)" ] || fail "no red status bar"
[ "$(green walk-start $LIFE)" -gt 100 ] || fail "no life figure"
hand=$(green walk-start $AMMO)
[ "$hand" -gt 5 ] || fail "no ammunition figure for the hand"

hold_key a
sleep 0.3
release_key a
wait_log_line "Camera::switchArma"
sniper_shown() { [ "$(green walk-sniper $AMMO)" -gt $((hand * 3)) ]; }
shot_until walk-sniper sniper_shown || fail "the ammunition shown did not change from '-' to 109"

# The shot flies 662 ms: one of the first pictures after it is fired shows it on its way.
xdotool mousedown 1
wait_log_line "ArmaDelay::shoot"
seen=0
for _ in 1 2 3 4; do
  screenshot walk-shot
  [ "$(changed walk-sniper walk-shot $CENTRE)" -gt 80 ] && { seen=1; break; }
done
xdotool mouseup 1
[ $seen = 1 ] || fail "no projectile in flight"
shot_gone() {
  [ "$(changed walk-sniper walk-after-shot $CENTRE)" -lt 50 ] && [ "$(changed walk-sniper walk-after-shot $AMMO)" -gt 20 ]
}
shot_until walk-after-shot shot_gone || fail "the projectile did not go or the ammunition shown did not go down"

walked() { [ "$(changed walk-after-shot walk-moved)" -gt 5000 ]; }
hold_key Up
shot_until walk-moved walked || fail "Up did not walk the player"
release_key Up

# Turned right, he heads for the lobby's corner: held there, Up moves him no more.
hold_key Up
blocked() {
  screenshot walk-wall-before
  sleep 0.5
  screenshot walk-wall
  [ "$(changed walk-wall-before walk-wall)" -lt 50 ]
}
for _ in $(seq 30); do blocked && break; done
blocked || fail "no wall stopped him"
release_key Up

close_window "$win"
expect_status 154 "the game"
echo "ok"
