# config.xml asking for 800 x 600 gives that window; its cheating="true" alone leaves test mode
# off: with no quiz server at the address the log-on window comes back, and cancelar ends with status 0.
source "$SATLINK_SOURCE_DIR/tests/support/window.bash"

cat >"$GAME_DIR/config.xml" <<'XML'
<?xml version="1.0"?>
<config>
  <proxy active="false" ip="127.0.0.1" port="3128"/>
  <user username="aluno" password="senha" server="127.0.0.1"/>
  <parameters wireframe="false" killall="false" music="false" cheating="true"/>
  <screenresolution fullscreen="false" x="800" y="600"/>
</config>
XML
start_game
win=$(game_window)
[ "$(window_shape "$win")" = "800x600 no" ] || fail "window is $(window_shape "$win"), not 800x600 windowed"
pass_logon "$win"
wait_caption_number "$win"
expect_no_log_line "test mode on"

wait_log_line "Story: no answer to the log-on"
logon_click "$win" "$CANCEL_X"
expect_status 0 "cancelar on the log-on window come back"
echo "ok"
