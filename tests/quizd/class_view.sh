# The class watched live in headless Chromium: a player reports one student's mission to quizd while the
# class page, refreshing by itself, shows the stage advancing and "concluiu" at the end; a student long
# in one stage stands out; the student's page lists the stages with the answers and the captures in each.
# Screenshots go to build/screenshots/classview/.
set -euo pipefail
source "$SATLINK_SOURCE_DIR/tests/support/quizd.bash"
quizd_workdir
quizd_prepare "$dir"
"$QUIZD" addteacher "$dir/quiz.db" prof segredo >/dev/null
printf 'bia,um\ncaio,dois\ndani,tres\n' > "$dir/turma.csv"
"$QUIZD" addusers "$dir/quiz.db" "$dir/turma.csv" >/dev/null
# bia has been in one stage for seven minutes (her last blow was just now); caio finished a while ago.
sqlite3 "$dir/quiz.db" <<'SQL'
INSERT INTO events(user_id, kind, stage, title, life, game_seconds, game, received_at)
SELECT id, kind, stage, title, life, game_seconds, 1, strftime('%Y-%m-%dT%H:%M:%fZ', 'now', ago)
FROM users, (SELECT 'stage' AS kind, 100 AS stage, 'ajustando a antena' AS title, 70 AS life,
                    610 AS game_seconds, '-420 seconds' AS ago
             UNION ALL SELECT 'life', 100, 'ajustando a antena', 35, 1020, '-10 seconds')
WHERE username = 'bia';
INSERT INTO events(user_id, kind, stage, title, life, game_seconds, game, received_at)
SELECT id, kind, 200, 'missão cumprida', 90, game_seconds, 1, strftime('%Y-%m-%dT%H:%M:%fZ', 'now', ago)
FROM users, (SELECT 'stage' AS kind, 820 AS game_seconds, '-300 seconds' AS ago
             UNION ALL SELECT 'victory', 872, '-248 seconds')
WHERE username = 'caio';
SQL
quizd_start "$dir"

shots="$SATLINK_BUILD_DIR/screenshots/classview"
rm -rf "$shots"
mkdir -p "$shots"
/usr/bin/python3 "$SATLINK_SOURCE_DIR/tests/quizd/class_view.py" "$QUIZD_PORT" "$dir" "$shots" scripted \
  /usr/bin/python3 "$SATLINK_SOURCE_DIR/tests/quizd/mission_player.py" "$QUIZD_PORT" ana 's3 nh&a' "$dir/seen-stages"
echo "class view: ok"
