# A ninja in the real game: it stands ahead of the player in the lobby, walks up to him, strikes, and
# dies when he shoots it, hidden two seconds later.
source "$SATLINK_SOURCE_DIR/tests/support/window.bash"

cat >"$GAME_DIR/config.xml" <<'XML'
<config>
  <user username="ana" password="segredo" server="127.0.0.1:9"/>
  <screenresolution fullscreen="false" x="800" y="600"/>
</config>
XML

# How many pixels of two screenshots differ, within an area "WxH+X+Y".
changed() {
  compare -metric AE -fuzz 8% "$SHOT_DIR/$1.png[$3]" "$SHOT_DIR/$2.png[$3]" null: 2>&1 | cut -d' ' -f1
}

VIEW=800x520+0+0

start_game --one-ninja
win=$(game_window)
pass_logon "$win"
wait_caption_number "$win"
focus_game "$win"
xdotool mousemove --window "$win" 400 300
sleep 1
screenshot ninja-far
wait_log_line "Ninja::attack"
sleep 0.5
screenshot ninja-near
[ "$(changed ninja-far ninja-near $VIEW)" -gt 5000 ] || fail "the ninja did not come closer"
grep -q "^Camera::shoot " "$GAME_DIR/log.txt" || sleep 2
grep -q "^Camera::shoot " "$GAME_DIR/log.txt" || fail "the ninja never struck the player"

# The sniper; then shots until the ninja dies.
hold_key a
sleep 0.3
release_key a
wait_log_line "Camera::switchArma"
for _ in $(seq 8); do
  grep -qxF "Ninja::die" "$GAME_DIR/log.txt" && break
  xdotool mousedown 1
  sleep 0.2
  xdotool mouseup 1
  sleep 0.8
done
wait_log_line "Ninja::die"
grep -q "^NPC::shoot Ninja0, life= " "$GAME_DIR/log.txt" || fail "no hit logged"
wait_log_line "Ninja received 54321"
sleep 0.5
screenshot ninja-gone
[ "$(changed ninja-near ninja-gone $VIEW)" -gt 5000 ] || fail "the dead ninja is still shown"

close_window "$win"
expect_status 154 "the game"
echo "ok"
