# Helpers of the end-to-end runs of the automatic player: a config for it, a wait as long as a mission
# takes, screenshots at chosen stages, and the checks on the mission's state banners.
# Source it after tests/support/window.bash.

ARTIFACTS="$SATLINK_BUILD_DIR/artifacts/demo"
mkdir -p "$ARTIFACTS"

# demo_config SERVER: the game's config.xml for the sample bank's user, in a small window (the frames
# come faster so).
demo_config() {
  cat >"$GAME_DIR/config.xml" <<XML
<config>
  <user username="ana" password="s3 nh&amp;a" server="$1"/>
  <parameters wireframe="false" killall="false" music="false" cheating="false"/>
  <screenresolution fullscreen="false" x="700" y="500"/>
</config>
XML
}

# play_demo PREFIX STATE...: waits (up to ten minutes) for the game to end, taking the screenshot
# PREFIX-STATE.png in the artifacts when the demo reaches each of the states; sets GAME_STATUS.
play_demo() {
  DEMO_PREFIX=$1
  shift
  DEMO_WANTED=("$@")
  DEMO_SEEN=0
  DEMO_SHOT_DUE=
  wait_until 600 "the demo did not end the mission within ten minutes" demo_progress
  GAME_STATUS=0
  wait "$GAME_PID" || GAME_STATUS=$?
  GAME_PID=
  cp "$GAME_DIR/log.txt" "$ARTIFACTS/$DEMO_PREFIX-log.txt"
}

# demo_progress: whether the game has ended; on the way, the screenshot of a wanted state the demo has
# reached. It is taken one round after the state's line, when the frame with the state's message is out.
demo_progress() {
  process_gone "$GAME_PID" && return
  local state=${DEMO_WANTED[$DEMO_SEEN]:-}
  [ -n "$state" ] && has_line "$GAME_DIR/log.txt" "^demo: state $state at " || return 1
  if [ "${DEMO_SHOT_DUE:-}" = "$state" ]; then
    import -window root "$ARTIFACTS/$DEMO_PREFIX-$state.png" 2>/dev/null || true
    DEMO_SEEN=$((DEMO_SEEN + 1))
  fi
  DEMO_SHOT_DUE=$state
  return 1
}

# demo_wins PREFIX STATE...: the automatic player, started, plays the whole story in order and wins.
demo_wins() {
  game_window >/dev/null
  play_demo "$@"
  [ "$GAME_STATUS" = 0 ] || fail "the demo ended with status $GAME_STATUS, not 0"
  expect_story
  expect_report "mission accomplished"
}

# demo_quizd: a quizd with the sample bank in $dir, as the automatic player's server.
demo_quizd() {
  quizd_workdir
  quizd_prepare "$dir"
  quizd_start "$dir"
}

# expect_planned_answers: the demo answered wrong on purpose once in states 4, 21, 53 and 140 and three
# times in 71, where the third passes anyway; the server's verdicts made it enter each state so often.
expect_planned_answers() {
  local pair
  for pair in 4:2 21:2 53:2 71:3 140:2 105:1 190:1; do
    [ "$(count_banners ${pair%:*})" = "${pair#*:}" ] ||
      fail "state ${pair%:*} entered $(count_banners ${pair%:*}) times, not ${pair#*:}"
  done
  [ "$(count_banners 80)" = 1 ] || fail "the third answer in 71 did not pass"
}

# answers_given: how many answers the demo gave in the game that ran last.
answers_given() {
  grep -c '^demo: answer ' "$GAME_DIR/log.txt" || true
}

# The mission states of the banners, in order, one per line.
banners() {
  grep -A1 -x '==================================================' "$GAME_DIR/log.txt" |
    sed -n 's/^Story::state = \([0-9]*\)$/\1/p'
}

# Every state of the story, in order; states asked again after a wrong answer may repeat in between.
STORY="2 3 4 10 11 20 21 22 30 31 40 41 42 43 50 51 52 53 60 61 70 71 80 81 90 91 92 100 101 102 103 104 105 120 121 130 140 150 160 170 180 190 200 210"
RETRIES=" 3 4 20 21 50 51 52 53 70 71 104 105 110 130 140 180 190 "

# expect_story: the banners tell the whole story in order, any other state being a question asked
# again.
expect_story() {
  local expected=($STORY) k=0 state
  for state in $(banners); do
    if [ $k -lt ${#expected[@]} ] && [ "$state" = "${expected[$k]}" ]; then
      k=$((k + 1))
    elif [[ "$RETRIES" != *" $state "* ]]; then
      fail "state $state out of turn after ${expected[$((k - 1))]} (banners: $(banners | tr '\n' ' '))"
    fi
  done
  [ $k = ${#expected[@]} ] || fail "the story stopped before state ${expected[$k]} (banners: $(banners | tr '\n' ' '))"
}

# count_banners STATE: how many times the mission entered the state.
count_banners() {
  banners | grep -cx "$1" || true
}

# expect_report: the demo's closing line on the console and in the log.
expect_report() {
  grep -Eq "^demo: $1 [0-9.]+ s after log-on, [0-9]+ frames$" "$GAME_DIR/stdout.txt" ||
    fail "no line 'demo: $1 ...' on the console"
  grep -Eq "^demo: $1 [0-9.]+ s after log-on, [0-9]+ frames$" "$GAME_DIR/log.txt" ||
    fail "no line 'demo: $1 ...' in the log"
  grep -E "^demo: $1 " "$GAME_DIR/stdout.txt"
}
