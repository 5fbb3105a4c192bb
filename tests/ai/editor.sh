# The waypoint editor in the real game, driven with real keys: the graph shows through the walls, G marks
# the nearest waypoint, a waypoint added, connected and saved is there after a restart, and a read-only
# or broken file is refused with a message on screen and in the log, the file left as it was.
source "$SATLINK_SOURCE_DIR/tests/support/window.bash"

window_800x600_config

WPN="$GAME_DIR/wp.wpn"
cp "$SATLINK_SOURCE_DIR/tools/mediagen/level/wayPoint.wpn" "$WPN"
cp "$WPN" "$GAME_DIR/original.wpn"
count=$(od -An -tu4 -N4 "$WPN" | tr -d ' ')

# How many pixels of an area "WxH+X+Y" of a screenshot pass a test on their colour (r, g, b from 0 to 1).
count() {
  convert "$SHOT_DIR/$1.png" -crop "$2" +repage -fx "$3 ? 1 : 0" -format "%[fx:round(mean*w*h)]" info:
}
WINDOW=800x600+0+0
FLOOR=800x200+0+330
STATUS_AREA=800x140+0+0
BLUE="b > r + 0.12"
GREEN="g > r + 0.08 && g > b + 0.04"  # the marker's green added over the floor
RED="r > g + 0.4 && r > b + 0.4"

# In test mode: the mission, and with it the hints, starts without a quiz server.
start_editor() {
  start_game --test-mode "$@"
  win=$(game_window)
  pass_logon "$win"
  wait_caption_number "$win"
  focus_game "$win"
  xdotool mousemove --window "$win" 400 300
  # The mission's hints would hide the status between two pictures.
  wait_log_line "Story::showHint"
  press_escape
  dismiss_hints
}

start_editor --waypoints "$WPN"
wait_log_line "$count waypoints de $WPN"
# The lobby's floor is beige: blue on it is the graph's beams. (From the lobby most rooms are behind
# walls; their beams and waypoints are drawn over them, as the screenshot shows.)
beams_shown() { [ "$(count editor-graph $FLOOR "$BLUE")" -gt 500 ]; }
shot_until editor-graph beams_shown || fail "only $(count editor-graph $FLOOR "$BLUE") pixels of beams on screen"
green_before=$(count editor-graph $WINDOW "$GREEN")

press_logged g "GraphEditor::askSelectWayPoint"
marked() { [ "$(count editor-selected $WINDOW "$GREEN")" -gt $((green_before + 100)) ]; }
shot_until editor-selected marked ||
  fail "G showed no selection marker ($green_before -> $(count editor-selected $WINDOW "$GREEN"))"

press_logged n "GraphEditor::newPoint"
# G selects the new waypoint: the nearest, not yet selected.
press_logged g "GraphEditor::askSelectWayPoint"
press_logged c "GraphEditor::newEdge"
press_logged s "GraphEditor::save"
wait_log_line "$((count + 1)) waypoints gravados em $WPN (o antigo em .bak)"
cmp -s "$WPN.bak" "$GAME_DIR/original.wpn" || fail "the backup is not the old file"
# The new record with its edge, and the edge back in the waypoint it joins.
[ $(stat -c %s "$WPN") = $(($(stat -c %s "$GAME_DIR/original.wpn") + 17 + 8 + 8)) ] || fail "saved file has the wrong size"
saved_shown() { [ "$(count editor-saved $STATUS_AREA "$RED")" -lt 100 ] && [ "$(changed editor-selected editor-saved $STATUS_AREA)" -gt 100 ]; }
shot_until editor-saved saved_shown || fail "the saving's report is not on screen"
close_window "$win"
expect_status 154 "the editor"

start_editor --waypoints "$WPN"
wait_log_line "$((count + 1)) waypoints de $WPN"
cp "$WPN" "$GAME_DIR/saved.wpn"

chmod 444 "$WPN"
press_logged s "GraphEditor::save"
wait_log_line "waypoints NAO gravados: $WPN e somente leitura; o arquivo antigo ficou como estava"
red_message() { [ "$(count editor-read-only $STATUS_AREA "$RED")" -gt 100 ]; }
shot_until editor-read-only red_message || fail "no red message on screen for a read-only file"
cmp -s "$WPN" "$GAME_DIR/saved.wpn" || fail "a read-only file was changed"

chmod 644 "$WPN"
printf '\003\000\000\000' >"$WPN"
press_logged s "GraphEditor::save"
wait_log_line "waypoints NAO gravados: $WPN esta corrompido (Arquivo de WayPoints corrompido!!!); o arquivo antigo ficou como estava"
[ "$(od -An -tx1 "$WPN" | tr -d ' \n')" = 03000000 ] || fail "a broken file was changed"
close_window "$win"
expect_status 154 "the editor"
echo "ok"
