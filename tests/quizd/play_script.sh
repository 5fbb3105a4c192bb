# scripts/play's server half: run twice over the same build folder with a stand-in game that checks
# config.xml reaches a live quizd, and that quizd is gone after the game exits.
set -euo pipefail
source "$SATLINK_SOURCE_DIR/tests/support/quizd.bash"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir -p "$dir/repo/scripts" "$dir/repo/quizd" "$dir/repo/build"
cp "$SATLINK_SOURCE_DIR/scripts/play" "$dir/repo/scripts/play"
cp -r "$SATLINK_SOURCE_DIR/quizd/sample" "$dir/repo/quizd/"
printf '#!/bin/sh\n' > "$dir/repo/scripts/setup"
printf '#!/bin/sh\necho "$*" >> "%s/cmake-calls"\n' "$dir" > "$dir/bin-cmake"
chmod +x "$dir/repo/scripts/setup" "$dir/bin-cmake"
mkdir -p "$dir/bin" && mv "$dir/bin-cmake" "$dir/bin/cmake"
cp "$QUIZD" "$dir/repo/build/quizd"
printf '<config>\n  <screenresolution fullscreen="false" x="900" y="700"/>\n  <user username="x" password="y" server="z"/>\n</config>\n' \
  > "$dir/repo/build/config.xml"
# The stand-in game logs on with what config.xml says, fetches a question and reports it.
cat > "$dir/repo/build/satlink" <<'GAME'
#!/usr/bin/env bash
server=$(sed -n 's/.*server="\([^"]*\)".*/\1/p' "$(dirname "$0")/config.xml")
curl -s "http://$server/play.php?msg=p&username=demo&password=demo" > "$(dirname "$0")/question"
exit 7
GAME
chmod +x "$dir/repo/build/satlink"
for run in 1 2; do
  status=0
  PATH="$dir/bin:$PATH" "$dir/repo/scripts/play" > "$dir/play.out" || status=$?
  [ "$status" = 7 ] || fail "run $run: the game's exit status was not passed on ($status)"
  grep -q '^scripts/play: ready to play in [0-9]* s' "$dir/play.out" || fail "run $run: no start-up time"
  head -c 1 "$dir/repo/build/question" | grep -q '[1-4]' || fail "run $run: no question: $(cat "$dir/repo/build/question")"
done
# Playing builds the game, quizd and the media, never the tests.
grep -- '--build' "$dir/cmake-calls" | grep -v -- '--target satlink quizd media$' && fail "a build beyond what playing needs"
grep -q -- '--build' "$dir/cmake-calls" || fail "nothing built"
grep -q 'x="900"' "$dir/repo/build/config.xml" || fail "other settings lost"
[ "$(grep -c '<user ' "$dir/repo/build/config.xml")" = 1 ] || fail "user element"
[ "$("$QUIZD" results "$dir/repo/build/quizd.db" | grep -c demo)" = 1 ] || fail "demo user"
[ "$(sqlite3 "$dir/repo/build/quizd.db" "SELECT count(*) FROM questions")" -ge 30 ] || fail "bank imported twice"
no_quizd() { ! pgrep -f "$dir/repo/build/quizd serve" >/dev/null; }
wait_until 10 "quizd still running" no_quizd
echo "play script: ok"
