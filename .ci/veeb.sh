#!/usr/bin/env bash
# Both programs for node and both pages, built with emscripten by pakett/README.md's command
# (with warnings as errors): the end-to-end tests against the node programs, the pages in headless
# Chromium (with a screenshot of each kept in the build folder), and the pages' zip. A Linux
# build with tests (made here if missing) runs the end-to-end tests and gives the help text.
#   bash .ci/veeb.sh [LINUX_BUILD_DIR]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
linux=${1:-build}
algus=$SECONDS

. .ci/paketid.sh
noua emscripten chromium chromium-driver python3-selenium

echo "== web: the pages and the node programs (the packaging page's command), warnings as errors"
lehed='emcmake cmake -S . -B build-web && cmake --build build-web -j2'
grep -qxF -- "$lehed" <(sed 's/^ *//' pakett/README.md) ||
  { echo "pakett/README.md's command for the pages is not: $lehed" >&2; exit 1; }
emcmake cmake -S . -B build-web -DZEMTAR_WERROR=ON >/dev/null  # kept in the cache for the command
eval "$lehed"
if [ ! -x "$linux/tests/testid_otsast_otsani" ]; then
  cmake -S . -B "$linux"
  cmake --build "$linux" -j2
fi

# Not the terminal's tests (no terminal there); the coprocess's rows that end the program with
# a signal skip themselves, as node waits in a read that it does not leave for one.
echo "== web: the end-to-end tests against the node programs (a terminal and a signal aside)"
ZEMTAR_VEEB=$PWD/build-web ZEMTAR_EEL=$PWD/tests/web/node.sh "$linux/tests/testid_otsast_otsani" \
  --gtest_filter=-Terminalis.*

echo "== web: the pages in headless Chromium"
/usr/bin/python3 tests/web/lehed.py build-web "$linux"

echo "== web: the zip"
cmake --build build-web --target veebi_zip
zip=build-web/zemtar-$(sed -n 's/^project(zemtar VERSION \([^ ]*\).*/\1/p' CMakeLists.txt)-web.zip
sisu=$(unzip -Z1 "$zip" | sort | xargs)
[ "$sisu" = "zemtar-lihtne.html zemtar.html" ] || { echo "$zip holds $sisu" >&2; exit 1; }
echo "$zip: $sisu"
echo "== web: $((SECONDS - algus)) s"
