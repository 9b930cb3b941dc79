#!/usr/bin/env bash
# Both programs for 64-bit Windows, cross-built on Debian with mingw-w64 and tried under wine:
# the build with warnings as errors, the DLLs each .exe imports, the tests in memory as .exe
# files through ctest, the programs in a console on a virtual display too, the end-to-end tests
# run from Linux against the .exe files, the README's examples and the 32-bit exit status as
# cmd shows it, and the zip, whose COPYRIGHT.txt names everything the link maps name. A Linux
# build with tests (made here if missing) runs the end-to-end
# tests and prints what the .exe files must print.
#   bash .ci/windows.sh [LINUX_BUILD_DIR]      (default: build)
# WINEPREFIX, if set, is a wine prefix to use (and keep); otherwise one is made and removed.
set -euo pipefail
cd "$(dirname "$0")/.."
linux=${1:-build}
win=$PWD/build-win

. .ci/paketid.sh
noua g++-mingw-w64-x86-64 mingw-w64-tools wine googletest unzip xvfb xauth
# wine's console is a window: the whole run on a virtual display of its own, where the server
# and the desktop that the prefix starts below serve every step, the console's too.
[ -n "${ZEMTAR_XVFB:-}" ] || exec env ZEMTAR_XVFB=1 xvfb-run -a bash "$0" "$@"

echo "== Windows: both programs and the tests cross-built, warnings as errors"
cmake -S . -B "$win" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw64.cmake -DZEMTAR_WERROR=ON
cmake --build "$win" -j2
if [ ! -x "$linux/tests/testid_otsast_otsani" ]; then
  cmake -S . -B "$linux"
  cmake --build "$linux" -j2
fi

echo "== Windows: each .exe imports only the C library, the kernel and ADVAPI32 (libssp's guard)"
for exe in "$win/zemtar.exe" "$win/zemtar-lihtne.exe"; do
  dll=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\tDLL Name: //p' | sort | xargs)
  [ "$dll" = "ADVAPI32.dll KERNEL32.dll msvcrt.dll" ] || { echo "$exe imports $dll" >&2; exit 1; }
  echo "$(basename "$exe"): $(stat -c %s "$exe") bytes, imports $dll"
done

# No debugging lines on standard error, no crash dialog, no .NET or browser engine offered.
export WINEDEBUG=-all WINEDLLOVERRIDES="winedbg.exe,mscoree,mshtml=d"
unset WAYLAND_DISPLAY
wine=/usr/lib/wine/wine64  # Debian's wine script first looks for a 32-bit wine
[ -x "$wine" ] || wine=wine
if [ -z "${WINEPREFIX:-}" ]; then
  WINEPREFIX=$(mktemp -d)  # the user's own, as wine wants it; about 700 MB
  trap 'wineserver -k || true; wineserver -w || true; rm -rf "$WINEPREFIX"' EXIT
fi
export WINEPREFIX
# The server and the prefix's services start here, away from any pipe of ctest's: started by
# a test, they would hold its output open and ctest would wait for them for ever. A prefix made
# now also spares the first test the tens of seconds that takes.
echo "== Windows: the wine prefix"
wineserver -p </dev/null >/dev/null 2>&1
"$wine" cmd /c exit </dev/null >/dev/null 2>&1

echo "== Windows: the tests under wine, one at a time (std::tmpfile races under wine): in memory,"
echo "   and both programs in a console of their own, typed into and read back (label konsool)"
ctest --test-dir "$win" --output-on-failure --no-tests=error

echo "== Windows: the end-to-end tests against the .exe files (a Linux terminal's aside)"
ZEMTAR_WINDOWS=$win ZEMTAR_EEL=$wine "$linux/tests/testid_otsast_otsani" \
  --gtest_filter=-Terminalis.*

echo "== Windows: the README's examples as on Linux with CR LF, and the status as cmd sees it"
valjund=$(mktemp)
for naide in "zemtar -k (1+2)*XIV" "zemtar-lihtne -f naited/lihtne.txt"; do
  read -r programm valik argument <<<"$naide"
  oodatud=0 saadud=0
  "$linux/$programm" "$valik" "$argument" >"$valjund" || oodatud=$?
  "$wine" "$win/$programm.exe" "$valik" "$argument" >"$valjund.exe" || saadud=$?
  sed 's/$/\r/' "$valjund" | cmp - "$valjund.exe"
  [ "$saadud" = "$oodatud" ] || { echo "$naide: status $saadud, not $oodatud" >&2; exit 1; }
  echo "$naide: the same bytes, status $saadud"
done
rm -f "$valjund" "$valjund.exe"
tase=$("$wine" cmd /v:on /c 'build-win\zemtar.exe -k -5 >NUL & echo !ERRORLEVEL!') || true
[ "$tase" = $'-5\r' ] || { echo "zemtar -k -5: %ERRORLEVEL% $tase" >&2; exit 1; }
echo "zemtar -k -5: %ERRORLEVEL% -5"

echo "== Windows: the zip, and the notices of what the programs link in"
cmake --build "$win" --target arhiiv >/dev/null
zip=$win/zemtar-$(sed -n 's/^project(zemtar VERSION \([^ ]*\).*/\1/p' CMakeLists.txt)-win64.zip
sisu=$(unzip -Z1 "$zip" | sed 's|^[^/]*/||' | sort | xargs)
[ "$sisu" = "COPYRIGHT.txt LICENSE.txt LOEMIND.txt zemtar-lihtne.exe zemtar.exe" ] ||
  { echo "$zip holds $sisu" >&2; exit 1; }
if unzip -p "$zip" '*.txt' | grep -qv $'\r$'; then
  echo "$zip: a line of a text without CR LF" >&2
  exit 1
fi
# The notes in ASCII, which type shows the same at every code page; the notices as their
# Debian packages give them (in UTF-8).
if unzip -p "$zip" '*/LICENSE.txt' '*/LOEMIND.txt' | LC_ALL=C grep -q $'[^\t\r -~]'; then
  echo "$zip: a note with a byte outside ASCII, which type shows by the code page" >&2
  exit 1
fi
unzip -p "$zip" '*/COPYRIGHT.txt' | tr -d '\r' >"$win/zip/COPYRIGHT.zipist"
sh pakett/litsentsid.sh --kontrolli "$win/zip/COPYRIGHT.zipist" "$win"/zemtar*.map
echo "$zip: $sisu, the notes in ASCII, the texts with CR LF, every archive linked in named"
