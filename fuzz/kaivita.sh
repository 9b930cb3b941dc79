#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each for a bounded time. Any finding, leak, time-out or memory blow-up fails the run;
# the input that caused it is left in build-fuzz/artefaktid/ (keep it in fuzz/regressions/<target>/
# once it is fixed). The kept findings and the seed corpus are replayed first.
#   fuzz/kaivita.sh [SECONDS_PER_TARGET] [TARGET...]    (default 60; rida_zemtar rida_lihtne rooma)
set -euo pipefail
cd "$(dirname "$0")/.."

aeg="${1:-60}"
shift || true
sihid=("$@")
[ "${#sihid[@]}" -gt 0 ] || sihid=(rida_zemtar rida_lihtne rooma)

CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEMTAR_FUZZ=ON \
  -DZEMTAR_TESTS=OFF -DZEMTAR_WERROR=ON >/dev/null
cmake --build build-fuzz -j2

artefaktid="$PWD/build-fuzz/artefaktid"
mkdir -p "$artefaktid"
for siht in "${sihid[@]}"; do
  programm="build-fuzz/fuzz/fuzz_$siht"
  valikud=(-timeout=10 -rss_limit_mb=2048 -artifact_prefix="$artefaktid/$siht-")
  # A script's lines are read in 16 KiB blocks: inputs reach past the first block's edge.
  case "$siht" in
    rida_*) valikud+=(-max_len=24576 -dict=fuzz/rida.dict) ;;
    *) valikud+=(-max_len=8192) ;;
  esac
  kaustad=(fuzz/corpus/"$siht")
  [ -d fuzz/regressions/"$siht" ] && kaustad+=(fuzz/regressions/"$siht")

  echo "== fuzz $siht: replaying ${kaustad[*]}"
  "$programm" "${valikud[@]}" -runs=0 "${kaustad[@]}" 2>&1 | tail -n 3

  # New inputs go to a scratch folder, never into the repository's corpus.
  uus=$(mktemp -d)
  echo "== fuzz $siht: ${aeg}s"
  if ! "$programm" "${valikud[@]}" -max_total_time="$aeg" -print_final_stats=1 \
    "$uus" "${kaustad[@]}" >"$artefaktid/$siht.log" 2>&1; then
    tail -n 60 "$artefaktid/$siht.log"
    rm -rf "$uus"
    echo "== fuzz $siht: FINDING (see $artefaktid)"
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$artefaktid/$siht.log"
  rm -rf "$uus"
done
echo "== fuzz: no findings"
