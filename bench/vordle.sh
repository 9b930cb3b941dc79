#!/usr/bin/env bash
# The benchmark, in one go on this machine: script throughput of zemtar-lihtne -f, zemtar -f
# and bc -l on equivalent generated scripts, start-up of zemtar -k against /bin/true, and
# whether peak memory stays flat however long the script. Builds what it needs (Release, in
# build-bench/), installs bc if it is missing, and prints every figure and the targets.
#
#   bench/vordle.sh           everything (about half a minute)
#   bench/vordle.sh --malu    only the checks that time nothing: the three programs agree on
#                             the generated lines, and memory stays flat (CI runs this)
#   bench/vordle.sh --mikro   everything, then the Google Benchmark microbenchmarks
#
# Settings from the environment: RIDU (lines, 1000000), SEEME (generator seed, 1), RINGE
# (throughput rounds, 5), KAIVITUSI (start-up runs of each program, 2000).
# Exits 1 when a target is missed.
set -euo pipefail
cd "$(dirname "$0")/.."

RIDU=${RIDU:-1000000}
SEEME=${SEEME:-1}
RINGE=${RINGE:-5}
KAIVITUSI=${KAIVITUSI:-2000}
VAIKE=1000
case "${1:-}" in
  "") osad=koik ;;
  --malu) osad=malu ;;
  --mikro) osad=mikro ;;
  *)
    echo "usage: bench/vordle.sh [--malu | --mikro]" >&2
    exit 2
    ;;
esac

# Beyond the project's own build the benchmark needs bc, to compare with; its timing and
# memory helper is built here, and awk, sort and bash come with every Debian.
paketid=(cmake make g++ bc)
[ "$osad" = mikro ] && paketid+=(libbenchmark-dev)
puudu=()
for p in "${paketid[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || puudu+=("$p")
done
if [ "${#puudu[@]}" -gt 0 ]; then
  echo "== installing: ${puudu[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${puudu[@]}"
fi
BC=$(command -v bc)

echo "== building (Release, build-bench/)"
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DZEMTAR_TESTS=OFF -DZEMTAR_BENCH=ON \
  >/dev/null
sihid=(zemtar zemtar-lihtne koosta-skriptid mooda)
[ "$osad" = mikro ] && sihid+=(mikro mikro-lihtne)
cmake --build build-bench -j2 --target "${sihid[@]}" >/dev/null
B=$PWD/build-bench
MOODA=$B/bench/mooda

kaust=$(mktemp -d)
trap 'rm -rf "$kaust"' EXIT
"$B/bench/koosta-skriptid" "$SEEME" "$RIDU" "$kaust/suur"
"$B/bench/koosta-skriptid" "$SEEME" "$VAIKE" "$kaust/vaike"
# And lines whose results are the longest numeral zemtar writes, over two million letters.
awk -v n="$VAIKE" 'BEGIN { for (i = 0; i < n; i++) print "2147483520" }' >"$kaust/pikad.rooma"
# bc wraps long numbers at 70 columns unless told not to.
export BC_LINE_LENGTH=0

# The small scripts once with their output kept: every line must give a result, and the
# three programs the same values (zemtar's cut to whole numbers).
"$B/zemtar-lihtne" -f "$kaust/vaike.lihtne" >"$kaust/lihtne.valja" || true
"$B/zemtar" -f "$kaust/vaike.rooma" >"$kaust/rooma.valja" || true
"$BC" -l "$kaust/vaike.bc" </dev/null >"$kaust/bc.valja" 2>"$kaust/bc.vead"
if [ -s "$kaust/bc.vead" ]; then
  echo "bc reported errors on the generated script:" >&2
  head -5 "$kaust/bc.vead" >&2
  exit 1
fi
awk -v ridu="$VAIKE" '
  BEGIN {
    split("I 1 V 5 X 10 L 50 C 100 D 500 M 1000", a, " ")
    for (i = 1; i < 14; i += 2) arv[a[i]] = a[i + 1] + 0
  }
  function rooma(s,   n, i, v) {
    for (i = 1; i <= length(s); i++) {
      v = arv[substr(s, i, 1)]
      n += arv[substr(s, i + 1, 1)] > v ? -v : v
    }
    return n
  }
  function tulemus(rida) { sub(/^[^=]*=/, "", rida); return rida }
  FILENAME == ARGV[1] && /rtus=/ { l[++nl] = tulemus($0) + 0 }
  FILENAME == ARGV[2] && /rtus=/ {
    r = tulemus($0); m = substr(r, 1, 1) == "-"; if (m) r = substr(r, 2)
    z[++nz] = r == "O" ? 0 : (m ? -rooma(r) : rooma(r))
  }
  FILENAME == ARGV[3] { b[++nb] = $0 + 0 }
  END {
    if (nl != ridu || nz != ridu || nb != ridu) {
      printf "results: zemtar-lihtne %d, zemtar %d, bc %d of %d lines\n", nl, nz, nb, ridu
      exit 1
    }
    for (i = 1; i <= ridu; i++) {
      d = l[i] - b[i]; if (d < 0) d = -d
      s = b[i] < 0 ? -b[i] : b[i]; if (s < 1) s = 1
      if (d / s > 1e-3) { printf "line %d: zemtar-lihtne %s, bc %s\n", i, l[i], b[i]; exit 1 }
      t = l[i] < 0 ? -int(-l[i]) : int(l[i])
      if (z[i] != t) { printf "line %d: zemtar %s, zemtar-lihtne %s\n", i, z[i], l[i]; exit 1 }
    }
  }' "$kaust/lihtne.valja" "$kaust/rooma.valja" "$kaust/bc.valja" || {
  echo "the generated scripts do not give the same results in all three programs" >&2
  exit 1
}
echo "== the three programs agree on the first $VAIKE generated lines"

mudel=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)
echo "== $(nproc) cores, ${mudel:-unknown CPU}; $("$BC" --version | head -1)"

mapfile -t malu < <("$MOODA" -n 3 \
  "$B/zemtar-lihtne" -f "$kaust/vaike.lihtne" --- "$B/zemtar-lihtne" -f "$kaust/suur.lihtne" --- \
  "$B/zemtar" -f "$kaust/vaike.rooma" --- "$B/zemtar" -f "$kaust/suur.rooma" --- /bin/true --- \
  "$B/zemtar" -f "$kaust/pikad.rooma")
[ "${#malu[@]}" -eq 6 ] || exit 1
kiirus=()
kaivitus=()
if [ "$osad" != malu ]; then
  echo "== $RIDU generated lines (seed $SEEME), output to /dev/null, $RINGE rounds interleaved"
  mapfile -t kiirus < <("$MOODA" -n "$RINGE" \
    "$B/zemtar-lihtne" -f "$kaust/suur.lihtne" --- \
    "$B/zemtar" -f "$kaust/suur.rooma" --- \
    "$BC" -l "$kaust/suur.bc")
  mapfile -t kaivitus < <("$MOODA" -s -n "$KAIVITUSI" /bin/true --- "$B/zemtar" -k 2+3)
  [ "${#kiirus[@]}" -eq 3 ] && [ "${#kaivitus[@]}" -eq 2 ] || exit 1
fi

status=0
awk -v ridu="$RIDU" -v vaike="$VAIKE" -v kaivitusi="$KAIVITUSI" \
  -v m1="${malu[0]}" -v m2="${malu[1]}" -v m3="${malu[2]}" -v m4="${malu[3]}" \
  -v m5="${malu[4]}" -v m6="${malu[5]}" -v k1="${kiirus[0]:-}" -v k2="${kiirus[1]:-}" -v k3="${kiirus[2]:-}" \
  -v s1="${kaivitus[0]:-}" -v s2="${kaivitus[1]:-}" '
  function tulp(rida, i,   a) { split(rida, a, " "); return a[i] }
  function siht(nimi, tulemus, ok) {
    printf "  %-50s %-12s %s\n", nimi, tulemus, ok ? "PASS" : "FAIL"
    if (!ok) puudu++
  }
  BEGIN {
    split("zemtar-lihtne -f|zemtar -f|bc -l", nimi, "|")
    ajad = k1 != ""
    if (ajad) {
      k[1] = k1; k[2] = k2; k[3] = k3
      bc_sein = tulp(k3, 1); bc_cpu = tulp(k3, 3)
      printf "\nScript throughput, %d lines\n", ridu
      printf "  %-18s %9s %9s %11s %9s %9s %9s\n", "", "median s", "cpu s", "lines/s", \
        "peak KiB", "bc/this", "(cpu)"
      for (i = 1; i <= 3; i++) {
        sein = tulp(k[i], 1); cpu = tulp(k[i], 3)
        suhe[i] = bc_sein / sein
        printf "  %-18s %9.3f %9.3f %11.0f %9d %8.1fx %8.1fx\n", nimi[i], sein, cpu, \
          ridu / sein, tulp(k[i], 4), suhe[i], bc_cpu / cpu
      }
      true_s = tulp(s1, 1); zemtar_s = tulp(s2, 1); kaivitus = zemtar_s / true_s
      printf "\nStart-up, median of %d runs each, interleaved\n", kaivitusi
      printf "  %-18s %9.1f us\n", "/bin/true", true_s * 1e6
      printf "  %-18s %9.1f us   %.2f times /bin/true\n", "zemtar -k 2+3", zemtar_s * 1e6, \
        kaivitus
    }

    printf "\nPeak resident memory, KiB (/bin/true: %d)\n", tulp(m5, 4)
    printf "  %-18s %12s %14s %8s\n", "", vaike " lines", ridu " lines", "ratio"
    m[1, 1] = m1; m[1, 2] = m2; m[2, 1] = m3; m[2, 2] = m4
    for (i = 1; i <= 2; i++) {
      v = tulp(m[i, 1], 4); s = tulp(m[i, 2], 4)
      tasane[i] = v > s ? v / s : s / v
      suurim[i] = v > s ? v : s
      printf "  %-18s %12d %14d %8.3f %s\n", nimi[i], v, s, s / v, \
        tasane[i] <= 1.10 ? "PASS" : "FAIL"
    }
    pikad = tulp(m6, 4)
    printf "  zemtar -f, %d lines whose results have 2,147,483 M each: %d\n", vaike, pikad

    printf "\nTargets\n"
    if (ajad) {
      siht("zemtar-lihtne -f at least 8 times as fast as bc", sprintf("%.1fx", suhe[1]), \
        suhe[1] >= 8)
      siht("zemtar -f at least 6 times as fast as bc", sprintf("%.1fx", suhe[2]), suhe[2] >= 6)
      siht("zemtar -k 2+3 start-up within 1.3 times /bin/true", sprintf("%.2fx", kaivitus), \
        kaivitus <= 1.3)
    }
    for (i = 1; i <= 2; i++) {
      siht(nimi[i] " peak memory at most 4 MiB", suurim[i] " KiB", suurim[i] <= 4096)
      siht(nimi[i] " memory flat within 10%", sprintf("%.3f", tasane[i]), tasane[i] <= 1.10)
    }
    siht("zemtar -f peak memory, longest numerals, <= 4 MiB", pikad " KiB", pikad <= 4096)
    exit puudu > 0
  }' || status=$?

if [ "$osad" = mikro ]; then
  for mikro in mikro mikro-lihtne; do
    echo
    echo "== microbenchmarks: $mikro"
    if [ -x "$B/bench/$mikro" ]; then
      "$B/bench/$mikro"
    else
      echo "not built: Google Benchmark (libbenchmark-dev) was not found"
    fi
  done
fi
exit "$status"
