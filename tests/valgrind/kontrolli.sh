#!/usr/bin/env bash
# Runs both programs of a normal build under valgrind's memcheck on a generated script of a few
# thousand hostile lines (tests/valgrind/vaenulik_skript.cpp): as a script file, as keyboard
# input, and with a 120 KiB line on the command line. Any memory error or leak, an exit status
# other than expected, or an output other than the same run's without valgrind fails.
#   tests/valgrind/kontrolli.sh [BUILD_DIR]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/../.."
ehitus="${1:-build}"
ajutine=$(mktemp -d)
trap 'rm -rf "$ajutine"' EXIT

"$ehitus/tests/vaenulik_skript" >"$ajutine/skript"
echo "== valgrind: script of $(wc -l <"$ajutine/skript") lines, $(wc -c <"$ajutine/skript") bytes"
# 7 and 61439 ones: 61446, 6 in the low eight bits.
pikk="7$(printf '+1%.0s' $(seq 61439))"

memcheck=(valgrind -q --tool=memcheck --error-exitcode=99 --leak-check=full
  --suppressions=tests/valgrind/staatiline_libstdcxx.supp
  --show-leak-kinds=all --errors-for-leak-kinds=all)
vigu=0

# kontrolli NAME STATUS STDIN PROGRAM ARGS...
kontrolli() {
  local nimi="$1" oodatud="$2" sisse="$3"
  shift 3
  local staatus=0
  "${memcheck[@]}" --log-file="$ajutine/$nimi.log" "$@" <"$sisse" >"$ajutine/$nimi.valja" ||
    staatus=$?
  "$@" <"$sisse" >"$ajutine/$nimi.ilma" || true
  if [ -s "$ajutine/$nimi.log" ] || [ "$staatus" -ne "$oodatud" ] ||
    ! cmp -s "$ajutine/$nimi.valja" "$ajutine/$nimi.ilma"; then
    echo "FAIL $nimi: status $staatus (expected $oodatud)"
    head -n 60 "$ajutine/$nimi.log"
    cmp "$ajutine/$nimi.valja" "$ajutine/$nimi.ilma" || true
    vigu=$((vigu + 1))
  else
    echo "ok   $nimi"
  fi
}

for programm in zemtar zemtar-lihtne; do
  p="$ehitus/$programm"
  kontrolli "$programm-failist" 2 /dev/null "$p" -f "$ajutine/skript"
  kontrolli "$programm-klaviatuurilt" 1 "$ajutine/skript" "$p"
  kontrolli "$programm-kasurealt" 6 /dev/null "$p" -k "$pikk"
  kontrolli "$programm-kaust" 2 /dev/null "$p" -f /
done

[ "$vigu" -eq 0 ] || {
  echo "== valgrind: $vigu failed"
  exit 1
}
echo "== valgrind: no errors, no leaks"
