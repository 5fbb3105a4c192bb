# --help prints the flags and the keys; an unknown flag is refused with status 2.
set -euo pipefail
game="$SATLINK_BUILD_DIR/satlink"

help=$("$game" --help)
for word in --editor --test-mode --help "E  waypoint editor" "L  test mode" "O  " "P  "; do
  grep -qF -- "$word" <<<"$help" || { echo "FAIL: --help lacks '$word'" >&2; exit 1; }
done

status=0
"$game" --no-such-flag 2>/dev/null || status=$?
[ "$status" = 2 ] || { echo "FAIL: unknown flag gave status $status" >&2; exit 1; }
echo "ok"
