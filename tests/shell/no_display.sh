# With no X display the game cannot open its window: it says so in one line, on the console and in
# the log, and ends with status 1.
set -euo pipefail
dir=$(mktemp -d "${TMPDIR:-/tmp}/satlink-nodisplay-XXXXXX")
trap 'rm -rf "$dir"' EXIT
cp "$SATLINK_BUILD_DIR/satlink" "$dir/"

status=0
(cd "$dir" && env -u DISPLAY ./satlink >"$dir/out.txt" 2>&1) || status=$?
[ "$status" = 1 ] || { echo "FAIL: status $status without a display, not 1" >&2; exit 1; }
line="could not open a 700 x 500 window: no OpenGL display"
grep -qxF "$line" "$dir/out.txt" || { echo "FAIL: no clear line on the console" >&2; cat "$dir/out.txt" >&2; exit 1; }
grep -qxF "$line" "$dir/log.txt" || { echo "FAIL: no clear line in the log" >&2; exit 1; }
echo "ok"
