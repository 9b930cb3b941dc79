#!/usr/bin/env bash
# The benchmark, in one go on this machine: script throughput of zemtar-lihtne -f, zemtar -f
# and bc -l on equivalent generated scripts of two mixes (typical lines, with a third of the
# whole numbers Roman numerals in zemtar's script, and numeral-heavy lines, with every whole
# number one), start-up of zemtar -k against /bin/true, and whether peak memory stays low
# however long the script. Builds what it needs (Release, in build-bench/), and prints every
# figure and the targets. It installs nothing: a missing package is named, and it stops.
#
#   bench/vordle.sh              everything (about a minute)
#   bench/vordle.sh --malu       only the checks that time nothing: the three programs agree on
#                                the generated lines of both mixes, and memory stays low and
#                                flat (CI runs this)
#   bench/vordle.sh --mikro      everything, then the Google Benchmark microbenchmarks
#   bench/vordle.sh --staatiline everything, and the start-up of the static build
#                                (-DZEMTAR_STATIC=ON, in build-bench-static/) beside it
#
# The targets are guards, which a regression trips and a quiet machine does not: both programs
# at least 6 times as fast as bc on both mixes, a start at most 1.2 times /bin/true (the static
# build's at most 1.0), and at most 2 MiB at the peak, however long the script.
#
# Settings from the environment: RIDU (lines, 1000000), SEEME (generator seed, 1), RINGE
# (throughput rounds, 5), KAIVITUSI (start-up runs of each program, 2000).
# Exits 1 when a target is missed, 2 when a package is missing.
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
  --staatiline) osad=staatiline ;;
  *)
    echo "usage: bench/vordle.sh [--malu | --mikro | --staatiline]" >&2
    exit 2
    ;;
esac

# Beyond the project's own build (libedit opened at a terminal, as the Debian package has it)
# the benchmark needs bc, to compare with; its timing and memory helper is built here, and
# awk, sort and bash come with every Debian.
paketid=(cmake make g++ libedit-dev bc)
[ "$osad" = mikro ] && paketid+=(libbenchmark-dev)
. .ci/paketid.sh
read -r -a puudu <<<"$(puuduvad "${paketid[@]}")"
if [ "${#puudu[@]}" -gt 0 ]; then
  echo "bench/vordle.sh needs these packages, which are missing: ${puudu[*]}" >&2
  echo "(apt-get install ${puudu[*]}; CI installs them)" >&2
  exit 2
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
staatiline=()
if [ "$osad" = staatiline ]; then
  echo "== building the static build (Release, build-bench-static/)"
  cmake -S . -B build-bench-static -DCMAKE_BUILD_TYPE=Release -DZEMTAR_TESTS=OFF \
    -DZEMTAR_STATIC=ON >/dev/null
  cmake --build build-bench-static -j2 --target zemtar >/dev/null
  staatiline=(--- "$PWD/build-bench-static/zemtar" -k 2+3)
fi

kaust=$(mktemp -d)
trap 'rm -rf "$kaust"' EXIT
# Each mix as a large and a small script: "suur" and "vaike" typical, "rsuur" and "rvaike"
# numeral-heavy.
for segu in "" r; do
  "$B/bench/koosta-skriptid" "$SEEME" "$RIDU" "$kaust/${segu}suur" ${segu:+rooma}
  "$B/bench/koosta-skriptid" "$SEEME" "$VAIKE" "$kaust/${segu}vaike" ${segu:+rooma}
done
# And lines whose results are the longest numeral zemtar writes, over two million letters.
awk -v n="$VAIKE" 'BEGIN { for (i = 0; i < n; i++) print "2147483520" }' >"$kaust/pikad.rooma"
# bc wraps long numbers at 70 columns unless told not to.
export BC_LINE_LENGTH=0

# The small scripts of a mix once with their output kept: every line must give a result, and
# the three programs the same values (zemtar's cut to whole numbers).
kontrolli() {
  local vaike=$kaust/$1
  "$B/zemtar-lihtne" -f "$vaike.lihtne" >"$vaike.lihtne.valja" || true
  "$B/zemtar" -f "$vaike.rooma" >"$vaike.rooma.valja" || true
  "$BC" -l "$vaike.bc" </dev/null >"$vaike.bc.valja" 2>"$vaike.bc.vead"
  if [ -s "$vaike.bc.vead" ]; then
    echo "bc reported errors on the generated script $1:" >&2
    head -5 "$vaike.bc.vead" >&2
    return 1
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
    }' "$vaike.lihtne.valja" "$vaike.rooma.valja" "$vaike.bc.valja" || {
    echo "the generated scripts $1 do not give the same results in all three programs" >&2
    return 1
  }
}
kontrolli vaike && kontrolli rvaike || exit 1
echo "== the three programs agree on the first $VAIKE generated lines of both mixes"

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
  echo "== $RIDU generated lines of each mix (seed $SEEME), output to /dev/null, $RINGE rounds" \
    "interleaved"
  mapfile -t kiirus < <("$MOODA" -n "$RINGE" \
    "$B/zemtar-lihtne" -f "$kaust/suur.lihtne" --- \
    "$B/zemtar" -f "$kaust/suur.rooma" --- \
    "$BC" -l "$kaust/suur.bc" --- \
    "$B/zemtar-lihtne" -f "$kaust/rsuur.lihtne" --- \
    "$B/zemtar" -f "$kaust/rsuur.rooma" --- \
    "$BC" -l "$kaust/rsuur.bc")
  mapfile -t kaivitus < <("$MOODA" -s -n "$KAIVITUSI" /bin/true --- "$B/zemtar" -k 2+3 \
    "${staatiline[@]}")
  [ "${#kiirus[@]}" -eq 6 ] && [ "${#kaivitus[@]}" -eq $((${#staatiline[@]} ? 3 : 2)) ] || exit 1
fi

status=0
kiirus_rida=$(IFS='|'; echo "${kiirus[*]}")
awk -v ridu="$RIDU" -v vaike="$VAIKE" -v kaivitusi="$KAIVITUSI" \
  -v m1="${malu[0]}" -v m2="${malu[1]}" -v m3="${malu[2]}" -v m4="${malu[3]}" \
  -v m5="${malu[4]}" -v m6="${malu[5]}" -v kiirus="$kiirus_rida" \
  -v s1="${kaivitus[0]:-}" -v s2="${kaivitus[1]:-}" -v s3="${kaivitus[2]:-}" '
  function tulp(rida, i,   a) { split(rida, a, " "); return a[i] }
  function siht(nimi, tulemus, ok) {
    printf "  %-64s %-10s %s\n", nimi, tulemus, ok ? "PASS" : "FAIL"
    if (!ok) puudu++
  }
  # One mix: its three programs k[algus + 1 .. algus + 3]; their ratios to bc into suhe[],
  # their lines per second into kiirused[].
  function segu(pealkiri, algus,   i, sein, cpu, bc_sein, bc_cpu) {
    bc_sein = tulp(k[algus + 3], 1); bc_cpu = tulp(k[algus + 3], 3)
    printf "  %s\n", pealkiri
    for (i = 1; i <= 3; i++) {
      sein = tulp(k[algus + i], 1); cpu = tulp(k[algus + i], 3)
      suhe[algus + i] = bc_sein / sein
      kiirused[algus + i] = ridu / sein
      printf "    %-18s %9.3f %9.3f %11.0f %9d %8.1fx %8.1fx\n", nimi[i], sein, cpu, \
        ridu / sein, tulp(k[algus + i], 4), suhe[algus + i], bc_cpu / cpu
    }
  }
  BEGIN {
    split("zemtar-lihtne -f|zemtar -f|bc -l", nimi, "|")
    ajad = kiirus != ""
    if (ajad) {
      split(kiirus, k, "|")
      printf "\nScript throughput, %d lines of each mix\n", ridu
      printf "    %-18s %9s %9s %11s %9s %9s %9s\n", "", "median s", "cpu s", "lines/s", \
        "peak KiB", "bc/this", "(cpu)"
      segu("typical lines (a third of the whole numbers Roman numerals for zemtar)", 0)
      segu("numeral-heavy lines (every whole number a Roman numeral for zemtar)", 3)
      roomlane = kiirused[5] / kiirused[4]
      printf "    zemtar -f lines/s on the numeral-heavy lines: %.2f times zemtar-lihtne -f on their" \
        " decimal twins\n", roomlane
      true_s = tulp(s1, 1); zemtar_s = tulp(s2, 1); kaivitus = zemtar_s / true_s
      printf "\nStart-up, median of %d runs each, interleaved\n", kaivitusi
      printf "  %-18s %9.1f us\n", "/bin/true", true_s * 1e6
      printf "  %-18s %9.1f us   %.2f times /bin/true\n", "zemtar -k 2+3", zemtar_s * 1e6, \
        kaivitus
      if (s3 != "") {
        staatiline = tulp(s3, 1) / true_s
        printf "  %-18s %9.1f us   %.2f times /bin/true (the static build)\n", "zemtar -k 2+3", \
          tulp(s3, 1) * 1e6, staatiline
      }
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
      tavaline = suhe[1] < suhe[2] ? suhe[1] : suhe[2]
      rooma = suhe[4] < suhe[5] ? suhe[4] : suhe[5]
      siht("both programs at least 6 times as fast as bc, typical lines", \
        sprintf("%.1fx", tavaline), tavaline >= 6)
      siht("both programs at least 6 times as fast as bc, numeral-heavy", \
        sprintf("%.1fx", rooma), rooma >= 6)
      siht("zemtar -k 2+3 start-up within 1.2 times /bin/true", sprintf("%.2fx", kaivitus), \
        kaivitus <= 1.2)
      if (s3 != "")
        siht("static build: zemtar -k 2+3 start-up within 1.0 times /bin/true", \
          sprintf("%.2fx", staatiline), staatiline <= 1.0)
    }
    for (i = 1; i <= 2; i++) {
      siht(nimi[i] " peak memory at most 2 MiB", suurim[i] " KiB", suurim[i] <= 2048)
      siht(nimi[i] " memory flat within 10%", sprintf("%.3f", tasane[i]), tasane[i] <= 1.10)
    }
    siht("zemtar -f peak memory, longest numerals, at most 2 MiB", pikad " KiB", pikad <= 2048)
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
