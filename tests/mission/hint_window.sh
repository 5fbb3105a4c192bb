# The mission in the real window, in test mode: the first hint comes (9 seconds after the log-on, as the
# story's unit test counts on its own clock), Space takes it away, and O ends the game.
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
screenshot mission-before-hint
wait_log_line "Story::showHint"
hint_shown() { [ "$(hint_change mission-before-hint mission-hint)" -gt 300 ]; }
shot_until mission-hint hint_shown || fail "no hint on screen"

focus_game "$win"
press_logged space "MessageBox::close"
hint_closed() { [ "$(hint_change mission-hint mission-hint-closed)" -gt 300 ]; }
shot_until mission-hint-closed hint_closed || fail "Space left the hint on screen"

hold_key o
expect_status 0 "O"
grep -qx "bye" "$GAME_DIR/stdout.txt" || fail "no bye"
echo "ok"
