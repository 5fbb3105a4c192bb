# The status in a real window: the red bar with life and ammunition and the rifle's crosshair, which stay in view under a hint
# line shown at the top with how to close it, and under a message box's grey band 200 pixels high across
# the middle of the screen.
source "$SATLINK_SOURCE_DIR/tests/support/window.bash"

# How many pixels of an area of a screenshot are near a colour.
count() {
  convert "$SHOT_DIR/$1.png[$2]" -fuzz 20% -fill black +opaque "$3" -fill white -opaque "$3" \
    -format "%[fx:round(mean*w*h)]" info:
}

# One pixel as "red,green,blue", whatever colour space ImageMagick picked for the file.
rgb() {
  convert "$SHOT_DIR/$1.png[1x1+$2+$3]" -format "%[fx:round(255*r)],%[fx:round(255*g)],%[fx:round(255*b)]" info:
}

FIGURES=800x40+0+545
GREEN="rgb(128,255,0)"
YELLOW="rgb(250,250,0)"

show() {
  "$SATLINK_BUILD_DIR/tests/status_window" "$1" >"$GAME_DIR/stdout.txt" 2>"$GAME_DIR/stderr.txt" &
  GAME_PID=$!
  win=$(game_window)
  wait_for_line "$GAME_DIR/stdout.txt" "^drawn$" 30
  shot_until "status-$1" corner_grey "status-$1" || fail "the window's corner never had the scene's grey"
}

corner_grey() { [ "$(rgb "$1" 5 5)" = "80,80,80" ]; }

show none
[ "$(rgb status-none 100 595)" = "255,0,0" ] || fail "no red bar"
[ "$(count status-none $FIGURES $GREEN)" -gt 150 ] || fail "no life and ammunition figures"
[ "$(rgb status-none 400 294)" = "240,240,240" ] || fail "no crosshair with the rifle in hand"
close_window "$win"
expect_status 0 "the status window"

show hint
[ "$(rgb status-hint 100 595)" = "255,0,0" ] || fail "the bar is hidden under a hint"
[ "$(count status-hint $FIGURES $GREEN)" -gt 150 ] || fail "the figures are hidden under a hint"
[ "$(count status-hint 800x30+0+5 $YELLOW)" -gt 50 ] || fail "no hint text at the top"
[ "$(count status-hint 800x30+0+30 "rgb(230,230,230)")" -gt 50 ] || fail "no line telling how to close the hint"
[ "$(rgb status-hint 700 390)" = "80,80,80" ] || fail "a hint has a band"
close_window "$win"
expect_status 0 "the hint window"

show box
[ "$(rgb status-box 100 595)" = "255,0,0" ] || fail "the bar is hidden under a message box"
[ "$(count status-box $FIGURES $GREEN)" -gt 150 ] || fail "the figures are hidden under a message box"
band=$(rgb status-box 700 390)
[ "$band" != "80,80,80" ] || fail "no grey band across the middle"
[ "$(rgb status-box 700 205)" = "$band" ] || fail "the band does not reach up to 100 pixels over the middle"
[ "$(rgb status-box 700 195)" = "80,80,80" ] || fail "the band reaches too high"
[ "$(rgb status-box 700 405)" = "80,80,80" ] || fail "the band reaches too low"
[ "$(count status-box 800x40+0+270 $YELLOW)" -gt 50 ] || fail "no message text in the band"
close_window "$win"
expect_status 0 "the message box window"
echo "ok"
