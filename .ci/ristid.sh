#!/usr/bin/env bash
# The same answers on other machines and from another compiler. Cross-built with Debian's
# cross compilers and linked statically (cmake/linux-rist.cmake): 32-bit x86, run here as it
# is; 64-bit ARM and s390x (big-endian), run under qemu's user-mode emulator, called directly.
# For each, with warnings as errors: the tests in memory through ctest (GoogleTest built from
# its sources), and the end-to-end tables run from this machine against its programs, a NaN's
# sign apart (the hardware's; a terminal's tables are this machine's). For 32-bit x86 also its
# answers to the benchmark's generated scripts against this machine's, byte for byte. The
# archive for 64-bit ARM, checked as the x86-64 one is (its programs in an empty chroot, which
# needs root). Then both programs and their tests built with clang, warnings as errors.
#   bash .ci/ristid.sh [BUILD_DIR]     (default: build, a build with tests, made here if missing)
set -euo pipefail
cd "$(dirname "$0")/.."
linux=${1:-build}

. .ci/paketid.sh
noua g++-i686-linux-gnu g++-aarch64-linux-gnu g++-s390x-linux-gnu qemu-user-static googletest \
  libedit-dev:arm64 clang
if [ ! -x "$linux/tests/testid_otsast_otsani" ]; then
  cmake -S . -B "$linux"
  cmake --build "$linux" -j2
fi

kell() {
  echo "   ($(($(date +%s) - algus)) s)"
}

# ctest's last lines, or all it said when a test failed, so that the log keeps the reason.
ctest_kokku() {
  local logi
  logi=$(mktemp)
  if ! ctest "$@" >"$logi" 2>&1; then
    cat "$logi"
    rm -f "$logi"
    return 1
  fi
  tail -n 3 "$logi"
  rm -f "$logi"
}

for masin in i686 aarch64 s390x; do
  algus=$(date +%s)
  b=build-$masin
  # Debian has the static archives of libedit and what it needs for 64-bit ARM as multiarch
  # packages (libedit-dev:arm64); not for the others.
  toimetaja=none
  [ "$masin" = aarch64 ] && toimetaja=static
  echo "== $masin: both programs and the tests cross-built, warnings as errors"
  cmake -S . -B "$b" -DCMAKE_TOOLCHAIN_FILE="cmake/$masin.cmake" -DZEMTAR_LIBEDIT=$toimetaja \
    -DZEMTAR_WERROR=ON >/dev/null
  # (The linker's warnings of getaddrinfo in a static program are GoogleTest's, unused here.)
  cmake --build "$b" -j2 >/dev/null
  echo "== $masin: the tests in memory"
  ctest_kokku --test-dir "$b" --output-on-failure --no-tests=error -j2
  echo "== $masin: the end-to-end tables against its programs"
  eel=()
  [ "$masin" = i686 ] || eel=(env "ZEMTAR_EEL=/usr/bin/qemu-$masin-static")
  ZEMTAR_KAUST=$PWD/$b "${eel[@]}" "$linux/tests/testid_otsast_otsani" \
    --gtest_filter=-Terminalis.* --gtest_brief=1
  kell
done

echo "== i686: the benchmark's generated scripts answered as on this machine, byte for byte"
algus=$(date +%s)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
g++ -O2 -std=c++17 bench/koosta_skriptid.cpp -o "$tmp/koosta-skriptid"
for segu in "" r; do
  "$tmp/koosta-skriptid" 1 1000000 "$tmp/${segu}suur" ${segu:+rooma}
  for paar in zemtar:rooma zemtar-lihtne:lihtne; do
    programm=${paar%:*}
    skript=$tmp/${segu}suur.${paar#*:}
    "$linux/$programm" -f "$skript" >"$tmp/oodatud" || true
    build-i686/$programm -f "$skript" >"$tmp/saadud" || true
    cmp "$tmp/oodatud" "$tmp/saadud"
    echo "$(basename "$skript"): the same $(wc -c <"$tmp/saadud") bytes"
  done
done
kell

echo "== aarch64: the archive"
algus=$(date +%s)
bash pakett/staatiline.sh build-aarch64 "$linux"
kell

echo "== clang: both programs and the tests, warnings as errors"
algus=$(date +%s)
CXX=clang++ cmake -S . -B build-clang -DZEMTAR_WERROR=ON >/dev/null
cmake --build build-clang -j2 >/dev/null
ctest_kokku --test-dir build-clang --output-on-failure --no-tests=error -j2
kell
