#!/usr/bin/env bash
# Runs the end-to-end tests with both programs under valgrind's memcheck: a memory error or a
# leak fails the test that met it (memcheck's report on standard error, status 99).
#   tests/valgrind/kontrolli.sh [BUILD_DIR [GTEST_OPTION...]]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/../.."
eel=$(mktemp)
trap 'rm -f "$eel"' EXIT
printf '#!/bin/sh\nexec %s -q --error-exitcode=99 --leak-check=full --show-leak-kinds=all %s "$@"\n' \
  "$(command -v valgrind)" "--errors-for-leak-kinds=all --suppressions=$PWD/tests/valgrind/lubatud.supp" >"$eel"
chmod +x "$eel"
ZEMTAR_EEL=$eel "${1:-build}/tests/testid_otsast_otsani" "${@:2}"
