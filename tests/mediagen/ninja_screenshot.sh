#!/usr/bin/env bash
# Draws the ninja's four poses with OpenGL under Xvfb; the picture lands in build/screenshots/.
set -euo pipefail
xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$SATLINK_BUILD_DIR/tests/mediagen_tests" --gtest_filter='NinjaScreenshot.*'
