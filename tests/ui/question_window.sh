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

# shown NAME: whether the dialog is drawn in the screenshot (many colours, not a bare background).
shown() { [ "$(convert "$SHOT_DIR/$1.png[800x600+0+0]" -format %k info:)" -gt 20 ]; }

# answer_shown BEFORE AFTER: takes the screenshot AFTER until it differs from BEFORE.
answer_shown() {
  shot_until "$2" differ "$1" "$2" || fail "the answer did not show on screen"
}

differ() { [ "$(changed "$1" "$2")" -gt 20 ]; }

start_question choice
win=$(game_window)
shot_until question-choice-blank shown question-choice-blank || fail "no dialog"
tick "$win" 1
tick "$win" 3
answer_shown question-choice-blank question-choice
xdotool mousemove --window "$win" "$OK_X" "$QUESTION_BUTTONS_Y" click 1
expect_status 0 "the choice question"
grep -qxF 'answer 666: 1\t3' "$GAME_DIR/stdout.txt" || fail "boxes 1 and 3 read back as $(cat "$GAME_DIR/stdout.txt")"

# The bare server has no keys for accented letters, and xdotool's own stand-in key reaches the
# engine as Backspace; give them keys of their own, as a Portuguese keyboard has.
xmodmap -e "keycode 94 = ccedilla Ccedilla" -e "keycode 97 = atilde Atilde"
start_question text
win=$(game_window)
shot_until question-text-blank shown question-text-blank || fail "no dialog"
xdotool mousemove --window "$win" "$BOX_X" "$ANSWER_Y" click 1 type "ação"
answer_shown question-text-blank question-text
xdotool mousemove --window "$win" "$CANCEL_X" "$QUESTION_BUTTONS_Y" click 1
expect_status 0 "the free-text question"
grep -qxF 'answer 777: a\xe7\xe3o' "$GAME_DIR/stdout.txt" || fail "typed text read back as $(cat "$GAME_DIR/stdout.txt")"
echo "ok"
