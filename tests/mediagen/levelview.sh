# The generated level drawn through OpenGL under Xvfb from the player's start and inside the lab:
# both pictures must show a lit, varied scene (not a blank or black frame).
set -euo pipefail
build="${SATLINK_BUILD_DIR:?}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

xvfb-run -a -s "-screen 0 1280x1024x24" "$build/tools/levelview/levelview" "$build/media" \
  "$work/start.png" 200 80 -650 -100 80 -150 \
  "$work/lab.png" -100 80 0 -300 60 650 >"$work/out.txt" 2>&1 || { cat "$work/out.txt"; exit 1; }

for shot in start lab; do
  [ -s "$work/$shot.png" ] || { echo "no $shot.png"; exit 1; }
  read -r mean spread < <(convert "$work/$shot.png" -colorspace Gray -format "%[fx:mean] %[fx:standard_deviation]\n" info:)
  echo "$shot: mean $mean, spread $spread"
  awk -v m="$mean" -v s="$spread" 'BEGIN { exit !(m > 0.3 && s > 0.05) }' || { echo "$shot.png looks blank"; exit 1; }
done
