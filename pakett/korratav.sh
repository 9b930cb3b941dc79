#!/usr/bin/env bash
# Every download of one commit, built twice from two clones in folders of different names, at
# different times, in different time zones, locales and umasks, must be the same files byte for
# byte: the Debian package (and its debug symbols), the static archives for x86-64 and 64-bit
# ARM, the Windows zip, and the web zip (with the two pages in it). When two differ, says which
# of their files differ.
#
# pakett/korratav.sh [--commit REV] [KIND...]
#   KIND: deb, static, aarch64, windows, web (default: all; about five minutes);
#   REV: default HEAD (what is not committed does not count).
set -euo pipefail
cd "$(dirname "$0")/.."
versioon=HEAD
if [ "${1:-}" = --commit ]; then
  versioon=$2
  shift 2
fi
versioon=$(git rev-parse "$versioon")
liigid=("$@")
[ "${#liigid[@]}" -gt 0 ] || liigid=(deb static aarch64 windows web)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Builds the kind's download from a clone of the commit in the folder (what it prints going to
# standard error), and names its files.
ehita() {
  local liik=$1 kaust=$2 valikud=(-DZEMTAR_TESTS=OFF) seadista=(cmake)
  {
    git clone -q --no-checkout . "$kaust/zemtar"
    git -C "$kaust/zemtar" checkout -q --detach "$versioon"
    cd "$kaust/zemtar"
    case $liik in
      deb) DEB_BUILD_OPTIONS=nocheck dpkg-buildpackage -us -uc -b ;;
      static) valikud+=(-DZEMTAR_STATIC=ON) ;;
      aarch64) valikud+=(-DCMAKE_TOOLCHAIN_FILE=cmake/aarch64.cmake) ;;
      windows) valikud+=(-DCMAKE_TOOLCHAIN_FILE=cmake/mingw64.cmake) ;;
      web) seadista=(emcmake cmake) ;;
      *) echo "no such kind of download: $liik" && return 1 ;;
    esac
    if [ "$liik" != deb ]; then
      "${seadista[@]}" -S . -B ehitus "${valikud[@]}"
      cmake --build ehitus -j2
      cmake --build ehitus --target arhiiv
    fi
  } >&2
  ls "$kaust"/*.deb "$PWD"/ehitus/*.zip "$PWD"/ehitus/*.tar.gz 2>/dev/null || true
}

# Unpacks a download into a folder, with a listing of its entries beside it.
lahti() {
  mkdir -p "$2"
  case $1 in
    *.deb)
      dpkg-deb -R "$1" "$2"
      dpkg-deb -c "$1" >"$2.nimekiri"
      ;;
    *.zip) unzip -q "$1" -d "$2" && unzip -Zv "$1" | grep -v '^Archive:' >"$2.nimekiri" ;;
    *.tar.gz) tar -xzf "$1" -C "$2" && tar -tvzf "$1" --full-time >"$2.nimekiri" ;;
  esac
}

erinevad=0
for liik in "${liigid[@]}"; do
  echo "== $liik, built twice from ${versioon:0:7}"
  mkdir -p "$tmp/$liik/esimene" "$tmp/$liik/teine/kaust/pikema/nimega"
  (ehita "$liik" "$tmp/$liik/esimene") >"$tmp/$liik/a.failid" 2>"$tmp/$liik/a.log" ||
    { cat "$tmp/$liik/a.log" >&2; exit 1; }
  mapfile -t a <"$tmp/$liik/a.failid"
  sleep 1
  (umask 002 && export TZ=Pacific/Kiritimati LC_ALL=C.UTF-8 &&
    ehita "$liik" "$tmp/$liik/teine/kaust/pikema/nimega") >"$tmp/$liik/b.failid" \
    2>"$tmp/$liik/b.log" || { cat "$tmp/$liik/b.log" >&2; exit 1; }
  mapfile -t b <"$tmp/$liik/b.failid"
  [ "${#a[@]}" -gt 0 ] && [ "${#a[@]}" -eq "${#b[@]}" ] ||
    { echo "VIGA: $liik: the builds made ${a[*]:-nothing} and ${b[*]:-nothing}" >&2; exit 1; }
  for i in "${!a[@]}"; do
    [ "$(basename "${a[$i]}")" = "$(basename "${b[$i]}")" ] ||
      { echo "VIGA: $liik: the builds made ${a[*]} and ${b[*]}" >&2; exit 1; }
    if cmp -s "${a[$i]}" "${b[$i]}"; then
      echo "   $(basename "${a[$i]}"): identical, $(stat -c %s "${a[$i]}") bytes," \
        "sha256 $(sha256sum <"${a[$i]}" | cut -c1-16)"
      continue
    fi
    erinevad=1
    echo "VIGA: $(basename "${a[$i]}") differs between the builds:" >&2
    lahti "${a[$i]}" "$tmp/$liik/lahti.a.$i"
    lahti "${b[$i]}" "$tmp/$liik/lahti.b.$i"
    diff "$tmp/$liik/lahti.a.$i.nimekiri" "$tmp/$liik/lahti.b.$i.nimekiri" >&2 || true
    diff -r "$tmp/$liik/lahti.a.$i" "$tmp/$liik/lahti.b.$i" >&2 || true
  done
done
[ "$erinevad" -eq 0 ] || exit 1
echo "== every download built twice, identical"
