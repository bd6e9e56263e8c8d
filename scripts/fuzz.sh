#!/usr/bin/env bash
# Fuzzes the file readers with libFuzzer: fuzz.sh [SECONDS_PER_TARGET] (default 300). Builds the
# targets of fuzz/ with clang into build-fuzz, makes seed corpora from the demo data and from the
# stand-in model's reports (the main build in build/ provides ivorn and the stand-in), and runs
# each target for the time given. Any crash, leak, sanitizer report or hang fails the script;
# the input that caused it is left in build-fuzz/artifacts.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
root=$(pwd)
out=$root/build-fuzz
targets=(reference_files site_files main_report report_files)

# Without clang and its libFuzzer runtime there is nothing to build: say so and skip, so that a
# machine lacking them still runs the rest of CI.
skip() { echo "fuzz.sh: SKIPPED, no fuzzing done: $1 (bash scripts/install_deps.sh installs clang and libclang-rt)" >&2; exit 0; }
command -v clang++ >/dev/null || skip "clang++ is not installed"
probe=$(mktemp -d)
printf '#include <cstddef>\n#include <cstdint>\nextern "C" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }\n' \
  >"$probe/probe.cpp"
clang++ -fsanitize=fuzzer,address "$probe/probe.cpp" -o "$probe/probe" 2>/dev/null || { rm -rf "$probe"; skip "clang++ cannot build libFuzzer targets"; }
rm -rf "$probe"

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CXX=clang++ cmake -S fuzz -B "$out" -G Ninja -DCMAKE_BUILD_TYPE= "${launcher[@]}" >/dev/null
cmake --build "$out" -j"$(nproc)"

seeds=$out/seeds
rm -rf "$seeds"
mkdir -p "$seeds" "$out/artifacts"
for target in "${targets[@]}"; do mkdir -p "$seeds/$target" "$out/corpus/$target"; done

# A seed: one choice byte (which reader, which model version) and the file's bytes.
seed() { local dir=$1 name=$2 byte=$3; shift 3; { printf "\\x$byte"; cat "$@"; } >"$seeds/$dir/$name"; }
# The files of a multi-file seed, one after the other, separated by a line "@@@".
joined() { local first=1; for f in "$@"; do [ $first = 1 ] || printf '\n@@@\n'; first=0; [ -f "$f" ] && cat "$f"; done; }

common=data/demo/common
seed reference_files crops 00 $common/crops.dat
seed reference_files fertilizers 01 $common/fert.dat
seed reference_files pesticides 02 $common/pest.dat
seed reference_files tillage 03 $common/till.dat
seed reference_files tillage_806 13 $common/till.dat
seed reference_files parameters 04 $common/parm.dat
seed reference_files schedule 05 data/demo/run1/0001.ops
seed site_files soil 01 $common/soils/soil1.sol
seed site_files weather 02 $common/wthr3.wp1
seed site_files wind 03 $common/wind3.wnd

# The data sets with every file under the flat names the site target writes.
for run in run1 run2 run3; do
  flat=$(mktemp -d)
  cp data/demo/$run/* "$flat/"
  cp $common/wthr3.wp1 "$flat/wthr.wp1"
  cp $common/wind3.wnd "$flat/wind.wnd"
  cp $common/soils/ivSlList.dat $common/soils/soil1.sol "$flat/"
  sed -i -e 's|\.\./common/soils/||; s|\.\./common/wthr3\.wp1|wthr.wp1|; s|\.\./common/wind3\.wnd|wind.wnd|' "$flat"/*.dat
  { printf '\x00'; (cd "$flat" && joined vornfile.dat vornrun.dat vorncont.dat ivsitels.dat ivsite.dat ivsublist.dat \
      ivsub.dat ivOpList.dat 0001.ops 0002.ops ivwthlst.dat ivwindls.dat wthr.wp1 wind.wnd ivSlList.dat soil1.sol); } \
    >"$seeds/site_files/dataset_$run"
  rm -rf "$flat"
done

# The stand-in's reports for the demo's first run, every output file switched on.
if [ -x build/ivorn ] && [ -x build/tools/stand_in_model/vorn_stand_in ]; then
  work=$(mktemp -d)
  mkdir -p "$work/model"
  cp build/tools/stand_in_model/vorn_stand_in "$work/model/"
  cp "data/demo/model/output variables.csv" "$work/model/"
  ivorn() { "$root/build/ivorn" --settings "$work/settings.ini" "$@"; }
  ivorn config set Files/VORN2110 "$work/model/vorn_stand_in"
  ivorn variables switches 4,6,7,20,23,26,27 >/dev/null
  ivorn new "$work/p.mdb" >/dev/null
  ivorn import dataset "$work/p.mdb" "$root/data/demo/run1/vornfile.dat" >/dev/null 2>&1
  for version in 2110 806; do
    ivorn --model-version $version write-inputs "$work/p.mdb" --record 1 >/dev/null 2>&1 || continue
    (cd "$work/model" && ./vorn_stand_in >/dev/null 2>&1) || continue
    m=$work/model
    seed main_report "out_$version" $( [ $version = 2110 ] && echo 18 || echo 1a ) "$m/vorn.OUT"
    { printf "\\x$( [ $version = 2110 ] && echo 38 || echo 3a )"
      joined $m/vorn.OUT $m/vorn.ACY $m/vorn.AWP $m/vorn.MSA $m/vorn.ACN $m/vorn.SUS $m/vorn.APS $m/vorn.MSW $m/vorn.SWT
    } >"$seeds/report_files/reports_$version"
  done
  rm -rf "$work"
else
  echo "fuzz.sh: build/ivorn or the stand-in model is not built; the report targets start without report seeds" >&2
fi

# The targets' scratch directories go here and are removed afterwards.
export TMPDIR=$out/tmp
rm -rf "$TMPDIR"
mkdir -p "$TMPDIR"
failed=0
for target in "${targets[@]}"; do
  echo "--- fuzzing $target for ${seconds}s"
  if ! "$out/${target}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=0 \
      -artifact_prefix="$out/artifacts/${target}-" "$out/corpus/$target" "$seeds/$target" 2>"$out/$target.log"; then
    echo "fuzz.sh: $target failed; see $out/$target.log and $out/artifacts" >&2
    tail -n 40 "$out/$target.log" >&2
    failed=1
  else
    grep -E "^Done [0-9]+ runs" "$out/$target.log" | tail -n 1 || true
  fi
done
rm -rf "$TMPDIR"
exit $failed
