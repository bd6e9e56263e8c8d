#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job on the bundled demo data.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install_deps.sh
bash scripts/build.sh build
work=$(mktemp -d)
settings="$work/settings.ini"
db="$work/demo.mdb"
./build/ivorn --settings "$settings" new "$db"
./build/ivorn --settings "$settings" info "$db"
echo "Project database: $db"
