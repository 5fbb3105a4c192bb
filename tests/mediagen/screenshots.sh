#!/usr/bin/env bash
# Draws the generated models with OpenGL under Xvfb; the pictures land in build/screenshots/. Then the
# level drawn room by room against the level drawn whole, from every place the player reaches.
set -euo pipefail
xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$SATLINK_BUILD_DIR/tests/mediagen_tests" --gtest_filter='Screenshot.*:*CullingLeavesThePicture*'
