#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job on the bundled demo data: a fresh
# project database, the three demo run definitions imported, the stand-in model configured,
# every record run, and a summary of what landed in the output tables.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install_deps.sh
bash scripts/build.sh build
root=$(pwd)
work=${IVORN_DEMO_DIR:-$(mktemp -d)}
mkdir -p "$work/model"
# The stand-in is a test double of the outside model; a real installation configures its own
# model executable instead (ivorn config set Files/VORN2110 PATH).
cp build/tools/stand_in_model/vorn_stand_in "$work/model/vorn_stand_in"
cp "data/demo/model/output variables.csv" "$work/model/"
ivorn() { "$root/build/ivorn" --settings "$work/settings.ini" "$@"; }
db="$work/demo.mdb"
ivorn config set Files/VORN2110 "$work/model/vorn_stand_in"
ivorn new --force "$db" >/dev/null
for run in run1 run2 run3; do
  id=$(ivorn import dataset "$db" "data/demo/$run/vornfile.dat" 2>/dev/null)
  echo "Imported data/demo/$run as control record $id"
done
echo
ivorn records "$db"
echo
ivorn run "$db" --all --yearly --watershed --residue 2>/dev/null
echo
echo "Rows per table:"
ivorn info "$db" | awk -F'\t' '$2 > 0 { printf "  %-28s %s\n", $1, $2 }'
echo
echo "Project database: $db"
