#!/usr/bin/env bash
# Runs sets side by side against one at a time, on the demo run definitions repeated to RECORDS
# (default 40) with the stand-in computing CPU seconds per run (default 0.5):
#   bench/run_set_benchmark.sh [BUILD_DIR] [JOBS ...]      (default: build, 2)
# Every set starts from the same database and a fresh copy of the model directory; each one's
# exported output tables and closing counts must equal the one-at-a-time set's, and the model
# directory's files must be unchanged by a side-by-side set. Prints the seconds of each set, the
# ratio to one job, and the time per record of a model that computes nothing (the program's own
# share of a run: inputs written, process started, outputs loaded). Exit status 1 on a difference.
# EXECUTORS="slurm" adds a set through the Slurm executor (a running cluster is needed).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
shift || true
jobs_list=("${@:-2}")
records=${RECORDS:-40}
cpu=${CPU:-0.5}
work=$(mktemp -d "${BENCH_DIR:-${TMPDIR:-/tmp}}/ivorn-run-set-XXXXXX")
[ -n "${KEEP:-}" ] || trap 'rm -rf "$work"' EXIT
settings=$work/settings.ini
ivorn() { "$build/ivorn" --settings "$settings" "$@"; }

# The model directory as a user has it: the executable and what lies beside it.
make_model() {
  mkdir -p "$1"
  cp "$build/tools/stand_in_model/vorn_stand_in" "$1/vorn_stand_in"
  cp "$root/data/demo/model/output variables.csv" "$1/"
}
make_model "$work/model"
ivorn new "$work/base.mdb" >/dev/null
runs=(run1 run2 run3)
for ((i = 0; i < records; ++i)); do
  ivorn import dataset "$work/base.mdb" "$root/data/demo/${runs[i % 3]}/vornfile.dat" >/dev/null 2>&1
done

tables() { ivorn info "$1" | cut -f1; }
# One set: NAME EXECUTOR-OPTIONS...; leaves NAME.mdb, NAME.tables (every table exported) and
# NAME.closing, and prints the seconds it took.
run_set() {
  local name=$1; shift
  rm -rf "$work/model-$name"
  make_model "$work/model-$name"
  (cd "$work/model-$name" && find . -type f -print0 | sort -z | tee "$work/$name.names" | xargs -0 sha256sum) \
    >"$work/$name.before"
  cp "$work/base.mdb" "$work/$name.mdb"
  # Settings of its own: a set clears the selection-changed setting once it stored the names.
  if [ -f "$work/settings.ini" ]; then cp "$work/settings.ini" "$work/$name.ini"; else rm -f "$work/$name.ini"; fi
  local settings=$work/$name.ini
  # Wall seconds, then the CPU seconds (user, system) of ivorn and the models it waited for; a
  # Slurm set's models run under slurmd and are not in them.
  local TIMEFORMAT='%R %U %S'
  { time (IVORN_STAND_IN_CPU_SECONDS=$cpu ivorn --model "$work/model-$name/vorn_stand_in" run "$work/$name.mdb" \
      --all --yearly --watershed --residue "$@" 2>"$work/$name.err" | head -1 >"$work/$name.closing" || true); } \
    2>"$work/$name.time"
  (cd "$work/model-$name" && xargs -0 sha256sum <"$work/$name.names") >"$work/$name.after" 2>&1 || true
  : >"$work/$name.tables"
  while read -r table; do
    printf '== %s\n' "$table" >>"$work/$name.tables"
    ivorn export "$work/$name.mdb" "$table" >>"$work/$name.tables"
  done < <(tables "$work/$name.mdb")
  awk '{ printf "%s %.2f\n", $1, $2 + $3 }' "$work/$name.time"
}

div() { awk -v a="$1" -v b="$2" 'BEGIN { print a / b }'; }
status=0
same_as_one() {
  local name=$1
  if ! cmp -s "$work/one.tables" "$work/$name.tables"; then
    echo "DIFFERENT: the exported tables of $name differ from one job's"; status=1
  fi
  if ! cmp -s "$work/one.closing" "$work/$name.closing"; then
    echo "DIFFERENT: $name closed with '$(cat "$work/$name.closing")'"; status=1
  fi
  if ! cmp -s "$work/$name.before" "$work/$name.after"; then
    echo "CHANGED: $name changed files of the model directory"; status=1
  fi
}

[ -n "${KEEP:-}" ] && echo "work directory: $work"
# The machine may be shared: its load says how far the wall times can be trusted.
echo "$records records, $cpu s of CPU per run, $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
read -r one one_cpu < <(run_set one)
printf '  --jobs 1: %7.2f s wall, %7.2f s CPU  (%s)\n' "$one" "$one_cpu" "$(cat "$work/one.closing")"
for jobs in "${jobs_list[@]}"; do
  read -r t t_cpu < <(run_set "jobs$jobs" --jobs "$jobs")
  printf '  --jobs %s: %7.2f s wall, %7.2f s CPU  ratio %.3f\n' "$jobs" "$t" "$t_cpu" "$(div "$t" "$one")"
  same_as_one "jobs$jobs"
done
for executor in ${EXECUTORS:-}; do
  read -r t t_cpu < <(run_set "$executor" --executor "$executor" ${EXECUTOR_ARGS:-})
  printf '  --executor %s: %7.2f s wall, %7.2f s CPU of ivorn  %.3f s per record  ratio %.3f\n' "$executor" "$t" \
    "$t_cpu" "$(div "$t" "$records")" "$(div "$t" "$one")"
  same_as_one "$executor"
done
cpu=0
read -r idle idle_cpu < <(run_set idle)
printf '  a model computing nothing, --jobs 1: %.3f s wall, %.3f s CPU per record\n' "$(div "$idle" "$records")" \
  "$(div "$idle_cpu" "$records")"
echo "load average at the end $(cut -d' ' -f1-3 /proc/loadavg)"
exit $status
