# The mission in the real window, in test mode: the first hint comes 9 seconds after the log-on, Space
# takes it away, and O ends the game.
source "$SATLINK_SOURCE_DIR/tests/support/window.bash"

window_800x600_config

# How many pixels of the hint's corner, at the top left, differ between two screenshots.
hint_change() {
  compare -metric AE -fuzz 8% "$SHOT_DIR/$1.png[500x80+0+0]" "$SHOT_DIR/$2.png[500x80+0+0]" null: 2>&1 |
    cut -d' ' -f1
}

start_game --test-mode
win=$(game_window)
pass_logon "$win"
wait_caption_number "$win"
started=$SECONDS
screenshot mission-before-hint
wait_log_line "Story::showHint"
[ $((SECONDS - started)) -ge 8 ] || fail "the hint came after $((SECONDS - started)) s, not 9"
hint_shown() { [ "$(hint_change mission-before-hint mission-hint)" -gt 300 ]; }
shot_until mission-hint hint_shown || fail "no hint on screen"

focus_game "$win"
hold_key space
sleep 0.3
release_key space
hint_closed() { [ "$(hint_change mission-hint mission-hint-closed)" -gt 300 ]; }
shot_until mission-hint-closed hint_closed || fail "Space left the hint on screen"

hold_key o
expect_status 0 "O"
grep -qx "bye" "$GAME_DIR/stdout.txt" || fail "no bye"
echo "ok"
