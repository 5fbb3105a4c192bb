# The automatic player plays the whole mission in test mode, with no quiz server: the fixed test
# question, every answer right, no question asked twice.
source "$SATLINK_SOURCE_DIR/tests/support/window.bash"
source "$SATLINK_SOURCE_DIR/tests/demo/demo.bash"

demo_config "127.0.0.1:9"
start_game --test-mode --demo
demo_wins test-mode 30 92 150 210
for state in 4 21 53 71 140 190; do
  [ "$(count_banners $state)" = 1 ] || fail "in test mode state $state came $(count_banners $state) times"
done
echo "ok"
