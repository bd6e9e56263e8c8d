#!/usr/bin/env bash
# Renders the desktop app's windows and dialogs into build/screenshots/*.png (offscreen), over the
# demo's project database: the demo is run first when it has not left one in $IVORN_DEMO_DIR.
set -euo pipefail
cd "$(dirname "$0")/.."
work=${IVORN_DEMO_DIR:-build/demo}
if [ ! -f "$work/demo.mdb" ]; then
  mkdir -p "$work"
  IVORN_DEMO_DIR=$(cd "$work" && pwd) bash scripts/demo.sh >/dev/null
fi
bash scripts/build.sh build
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
# A copy, so that looking never changes the demo's settings or database.
shots=$(mktemp -d)
cp "$work/settings.ini" "$shots/settings.ini"
cp "$work/demo.mdb" "$shots/demo.mdb"
# The field help beside the database, when the demo left one, for the help boxes.
[ -f "$work/iVornHelp.csv" ] && cp "$work/iVornHelp.csv" "$shots/iVornHelp.csv"
build/i_vorn_screenshots "$shots/settings.ini" "$shots/demo.mdb" build/screenshots
rm -rf "$shots"
