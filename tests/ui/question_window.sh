# The question windows in a real window: the texts with their accents, ticked boxes read back as
# digits joined by a tab, typed accented text read back as Latin-1 bytes.
source "$SATLINK_SOURCE_DIR/tests/support/window.bash"

start_question() {
  "$SATLINK_BUILD_DIR/tests/question_window" "$1" >"$GAME_DIR/stdout.txt" 2>"$GAME_DIR/stderr.txt" &
  GAME_PID=$!
}

dialog_geometry 800 600

# tick WINDOW K: ticks the box of alternative K.
tick() {
  xdotool mousemove --window "$1" "$BOX_X" "${CHOICE_Y[$2]}" click 1
}

start_question choice
win=$(game_window)
tick "$win" 1
tick "$win" 3
sleep 0.5
screenshot question-choice
xdotool mousemove --window "$win" "$OK_X" "$QUESTION_BUTTONS_Y" click 1
expect_status 0 "the choice question"
grep -qxF 'answer 666: 1\t3' "$GAME_DIR/stdout.txt" || fail "boxes 1 and 3 read back as $(cat "$GAME_DIR/stdout.txt")"

# The bare server has no keys for accented letters, and xdotool's own stand-in key reaches the
# engine as Backspace; give them keys of their own, as a Portuguese keyboard has.
xmodmap -e "keycode 94 = ccedilla Ccedilla" -e "keycode 97 = atilde Atilde"
start_question text
win=$(game_window)
xdotool mousemove --window "$win" "$BOX_X" "$ANSWER_Y" click 1 type "ação"
sleep 0.5
screenshot question-text
xdotool mousemove --window "$win" "$CANCEL_X" "$QUESTION_BUTTONS_Y" click 1
expect_status 0 "the free-text question"
grep -qxF 'answer 777: a\xe7\xe3o' "$GAME_DIR/stdout.txt" || fail "typed text read back as $(cat "$GAME_DIR/stdout.txt")"
echo "ok"
