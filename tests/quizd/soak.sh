# The soak's short form: 20 s of good requests among garbage and slow clients, none failing, the
# database whole and holding every acknowledged answer afterwards.
set -euo pipefail
source "$SATLINK_SOURCE_DIR/tests/support/quizd.bash"
out=$(mktemp)
trap 'rm -f "$out"' EXIT
QUIZD="$QUIZD" SOAK_SAMPLE_SECONDS=5 "$SATLINK_SOURCE_DIR/scripts/soak-quizd" 20 >"$out" 2>&1 || { cat "$out"; fail "soak"; }
grep -q "^soak: integrity check: ok; answers stored \([0-9]*\), acknowledged \1$" "$out" || { cat "$out"; fail "summary"; }
[ "$(awk '$1 == 20 { print $6 }' "$out")" = 0 ] || { cat "$out"; fail "failed requests"; }
awk '$1 == 20 && $3 > 100 && $4 > 20 { ok = 1 } END { exit !ok }' "$out" || { cat "$out"; fail "too little load"; }
echo "soak: ok"
