#!/usr/bin/env bash
# Both programs for node and both pages, built with emscripten by pakett/README.md's command
# (with warnings as errors): the end-to-end tests against the node programs, the pages in headless
# Chromium (with a screenshot of each kept in the build folder), the notices in the pages, and
# the pages' zip. A Linux build with tests (made here if missing) runs the end-to-end tests and
# gives the help text.
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

echo "== web: the pages' notices and the zip"
# Each page names every archive that went into it, as its link map names them.
for programm in zemtar zemtar-lihtne; do
  sh pakett/litsentsid.sh --kontrolli "build-web/$programm.html" "build-web/$programm-leht.map"
done
cmake --build build-web --target arhiiv >/dev/null
zip=build-web/zemtar-$(sed -n 's/^project(zemtar VERSION \([^ ]*\).*/\1/p' CMakeLists.txt)-web.zip
sisu=$(unzip -Z1 "$zip" | sort | xargs)
[ "$sisu" = "COPYRIGHT.txt LICENSE.txt LOEMIND.txt zemtar-lihtne.html zemtar.html" ] ||
  { echo "$zip holds $sisu" >&2; exit 1; }
unzip -p "$zip" COPYRIGHT.txt >build-web/veeb/COPYRIGHT.zipist
sh pakett/litsentsid.sh --kontrolli build-web/veeb/COPYRIGHT.zipist build-web/zemtar*-leht.map
echo "$zip: $sisu; the pages and COPYRIGHT.txt name every archive linked in"
echo "== web: $((SECONDS - algus)) s"
