# The log-on window of the real game: shown alone with the configured names; the typed names go
# on with ok; cancelar ends with 0 before any frame; closing the window keeps the typed names. Against a
# real quizd, a wrong password brings it back at once with the server's refusal, the name kept, and the
# right one starts the mission.
source "$SATLINK_SOURCE_DIR/tests/support/quizd.bash"
source "$SATLINK_SOURCE_DIR/tests/support/window.bash"

window_800x600_config

is_number() { [[ "$(xdotool getwindowname "$1" 2>/dev/null)" =~ ^[0-9]+$ ]]; }

dialog_geometry 800 600

# type_in WINDOW Y TEXT: replaces the text of the log-on box on that row.
type_in() {
  xdotool mousemove --window "$1" "$BOX_X" "$2" click 1 key ctrl+a type "$3"
}

start_game
win=$(game_window)
# On a loaded machine the first frames come late: wait for the level to be drawn behind the dialog.
# The level is loaded before the log-on, so the scene behind the dialog is the level, not the grey.
drawn() { case "$(pixel logon 400 500)" in "gray(80)" | "srgb(0,0,0)") return 1 ;; esac; }
wait_log_line "logon dialog drawn"
shot_until logon drawn || fail "the level is not drawn behind the dialog"
[ "$(pixel logon 100 60)" != "gray(80)" ] || fail "no log-on window"
is_number "$win" && fail "a frame of the game ran during the log-on"
type_in "$win" "$LOGON_USER_Y" "bia"
type_in "$win" "$LOGON_PASSWORD_Y" "x y"
screenshot logon-typed
logon_click "$win" "$OK_X"
wait_caption_number "$win"
expect_log_line "logon as bia"
close_window "$win"
expect_status 154 "the game after the log-on"

start_game
win=$(game_window)
logon_click "$win" "$CANCEL_X"
expect_status 0 "cancelar"
expect_no_log_line "logon as ana"

start_game
win=$(game_window)
wait_log_line "logon dialog drawn"
shot_until logon-ana drawn || fail "the level is not drawn behind the dialog"
type_in "$win" "$LOGON_USER_Y" "carla"
typed() { [ "$(changed logon-ana logon-carla)" -gt 50 ]; }
shot_until logon-carla typed || fail "the typed name did not show"
close_window "$win"
expect_status 154 "the game closed during the log-on"
expect_log_line "logon as carla"

quizd_workdir
trap 'kill -9 ${QUIZD_PID:-} 2>/dev/null || true; rm -rf "$dir"; cleanup' EXIT
quizd_prepare "$dir"
quizd_start "$dir"
cat >"$GAME_DIR/config.xml" <<XML
<config>
  <user username="ana" password="errada" server="127.0.0.1:$QUIZD_PORT"/>
  <parameters music="false"/>
  <screenresolution fullscreen="false" x="800" y="600"/>
</config>
XML
: >"$GAME_DIR/log.txt"
start_game
win=$(game_window)
logon_click "$win" "$OK_X"
wait_log_line "Story: log-on refused"
expect_log_line "loginServer: log-on refused: HTTP/1.1 403 Forbidden / 0 Usuario ou senha invalidos"
# The log-on window is back in the frame that logged the refusal. Only the password is typed again: the
# name stayed in its box.
type_in "$win" "$LOGON_PASSWORD_Y" "s3 nh&a"
logon_click "$win" "$OK_X"
wait_log_line "Story: log-on accepted"
wait_log_line "Story::createMonster Ninja0 , 0 ,(-300,300"
[ "$(grep -cx "logon as ana" "$GAME_DIR/log.txt")" = 2 ] || fail "the name was not kept"
close_window "$win"
expect_status 154 "the game after the log-on"
echo "ok"
