#!/usr/bin/env bash
# Installs what is missing, builds polvane and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

polvane_install_missing
build="$POLVANE_ROOT/build/release"
polvane_build "$build" -DCMAKE_BUILD_TYPE=Release -DPOLVANE_BUILD_TESTS=OFF -DPOLVANE_BUILD_BENCH=OFF

# The program keeps "settings.ini" (window geometry) in its working directory.
cd "$build"
# Without a display Qt aborts with a message about reinstalling the application.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display: polvane is built but needs a desktop session; start it from one, or run: cd $build && xvfb-run -a app/polvane" >&2
  exit 1
fi
exec "$build/app/polvane"
