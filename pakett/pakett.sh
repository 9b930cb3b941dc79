#!/usr/bin/env bash
# What a user installs, checked: the manual page passes the formatter's lint, `cmake --install`
# puts every file under a fresh prefix, and the Debian package that debian/ builds (with the
# tests) is clean for lintian with no overrides, holds exactly the expected files with sensible
# metadata, says what it owes (debian/copyright), loads the C library alone and opens libedit
# itself, its programs are hardened, and installed with dpkg -i they run, edit a line at a
# terminal, read it without the editor where libedit is missing, and go with dpkg -r. Installing
# needs root (or sudo).
#
# pakett/pakett.sh BUILD_DIR     (a configured and built tree)
set -euo pipefail
cd "$(dirname "$0")/.."
ehitus=$(cd "$1" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

viga() {
  echo "VIGA: $*" >&2
  exit 1
}

echo "== manual page: groff -man -ww, the sections in their order, the NIMI line for both names"
sektsioonid="NIMI,KOKKUVÕTE,KIRJELDUS,TÖÖVIISID,SÜNTAKS,OMISTAMINE,TULEMUSED,TEATED,KODEERING"
sektsioonid+=",VÄLJUMISKOOD,KESKKOND,FAILID,NÄITED,VAATA KA"
for leht in man/*.1; do
  hoiatused=$(groff -man -Tutf8 -ww -z -K utf8 "$leht" 2>&1)
  [ -z "$hoiatused" ] || viga "$leht:"$'\n'"$hoiatused"
  # Section headings are the only lines at the margin, besides the header and the footer.
  pealkirjad=$(LC_ALL=C.UTF-8 MANWIDTH=80 MANPAGER=cat man -l "$leht" | grep -v '^$' | sed '1d;$d' |
    grep -v '^ ' | paste -sd,)
  [ "$pealkirjad" = "$sektsioonid" ] || viga "$leht: the sections are $pealkirjad"
  # The NIMI line as whatis and apropos read it: both programs are named.
  for programm in zemtar zemtar-lihtne; do
    lexgrog "$leht" | grep -q ": \"$programm - " || viga "$leht: no NIMI line for $programm"
  done
done

echo "== cmake --install under a prefix"
cmake --install "$ehitus" --prefix "$tmp/prefix" >/dev/null
for f in bin/zemtar bin/zemtar-lihtne share/man/man1/zemtar.1 share/man/man1/zemtar-lihtne.1 \
  share/doc/zemtar/copyright; do
  [ -f "$tmp/prefix/$f" ] || viga "cmake --install left out $f"
done
[ "$(readlink "$tmp/prefix/share/man/man1/zemtar-lihtne.1")" = zemtar.1 ] ||
  viga "zemtar-lihtne.1 is not a link to zemtar.1"

echo "== Debian package: dpkg-buildpackage -us -uc -b, with the tests, from a copy of this tree"
allikas="$tmp/allikas/zemtar"
mkdir -p "$allikas"
git ls-files -z -co --exclude-standard | grep -zv '^build' | tar --null -T - -cf - | tar -xf - -C "$allikas"
(cd "$allikas" && dpkg-buildpackage -us -uc -b) >"$tmp/deb.log" 2>&1 ||
  viga "dpkg-buildpackage failed:"$'\n'"$(tail -n 40 "$tmp/deb.log")"
versioon=$(dpkg-parsechangelog -l debian/changelog -S Version)
projekt=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$ehitus/CMakeCache.txt")
[ "${versioon%-*}" = "$projekt" ] || viga "debian/changelog's $versioon is not of project() $projekt"
arhitektuur=$(dpkg --print-architecture)
deb="$tmp/allikas/zemtar_${versioon}_${arhitektuur}.deb"
[ -f "$deb" ] || viga "no $(basename "$deb") among: $(ls "$tmp/allikas")"
grep -q '100% tests passed' "$tmp/deb.log" || viga "the package's build ran no tests"

valja() { dpkg-deb -f "$deb" "$1"; }
[ "$(valja Package)" = zemtar ] || viga "Package: $(valja Package)"
[ "$(valja Version)" = "$versioon" ] || viga "Version: $(valja Version), changelog: $versioon"
[ "$(valja Architecture)" = "$arhitektuur" ] || viga "Architecture: $(valja Architecture)"
[ "$(valja Section)" = math ] || viga "Section: $(valja Section)"
[[ $(valja Maintainer) == "zemtar maintainers <"*@*">" ]] || viga "Maintainer: $(valja Maintainer)"
[ -n "$(valja Description)" ] || viga "no Description"
# The C library from dpkg-shlibdeps, and libedit, which the programs open themselves.
[[ $(valja Depends) =~ ^libedit2,\ libc6\ \(\>=\ [0-9][0-9.]*\)$ ]] || viga "Depends: $(valja Depends)"

echo "== Debian package: lintian, with no overrides"
lintian --pedantic --fail-on error,warning,pedantic "$tmp"/allikas/*.changes >"$tmp/lintian" 2>&1 &&
  ! grep -q '^[EWP]: ' "$tmp/lintian" || viga "lintian:"$'\n'"$(cat "$tmp/lintian")"
grep -q "^I: " "$tmp/lintian" && echo "   (its notes, Estonian words it takes for misspelt English:" \
  "$(grep -c "^I: " "$tmp/lintian"))"

echo "== Debian package: contents"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $1, $2, $6 }' | sort >"$tmp/sisu"
sort >"$tmp/oodatud" <<'LOPP'
-rwxr-xr-x root/root ./usr/bin/zemtar
-rwxr-xr-x root/root ./usr/bin/zemtar-lihtne
-rw-r--r-- root/root ./usr/share/doc/zemtar/changelog.Debian.gz
-rw-r--r-- root/root ./usr/share/doc/zemtar/copyright
-rw-r--r-- root/root ./usr/share/man/man1/zemtar.1.gz
lrwxrwxrwx root/root ./usr/share/man/man1/zemtar-lihtne.1.gz
LOPP
diff -u "$tmp/oodatud" "$tmp/sisu" || viga "the package holds other files than expected"

juur="$tmp/juur"
dpkg-deb -x "$deb" "$juur"
dokud="$juur/usr/share/doc/zemtar"
cmp "$dokud/copyright" debian/copyright || viga "the copyright file is not debian/copyright"
# debian/copyright is LICENSE in Debian's machine-readable form.
grep -qxF "Copyright: $(sed -n 's/^Copyright (c) //p' LICENSE)" "$dokud/copyright" ||
  viga "the copyright file lacks LICENSE's copyright line"
awk '/^$/ { t = 0 } t { sub(/^ /, ""); sub(/^\.$/, ""); print } /^License: / { t = !n++ }' \
  "$dokud/copyright" | cmp - <(tail -n +5 LICENSE) ||
  viga "the copyright file's licence is not LICENSE's text"
# What went into the programs besides their own code: the GCC runtime, which needs no notice
# (and the copyright file says so), and the C library's start files, part of the C library the
# package depends on.
kogud=$(sh pakett/litsentsid.sh --built-using "$allikas"/obj-*/zemtar*.map)
for kogu in $(echo "$kogud" | sed 's/ (=[^,]*)//g; s/,//g'); do
  case $kogu in
    gcc-[0-9]*) grep -q 'GCC Runtime Library Exception' "$dokud/copyright" ||
      viga "the copyright file does not say why the GCC runtime needs no notice" ;;
    glibc) ;;
    *) viga "the programs link $kogu in, which the copyright file does not name" ;;
  esac
done
zcat "$dokud/changelog.Debian.gz" >"$tmp/changelog"
cmp "$tmp/changelog" debian/changelog || viga "changelog.Debian.gz is not debian/changelog"
leht="$juur/usr/share/man/man1/zemtar.1.gz"
zcat "$leht" | cmp - man/zemtar.1
# gzip -9n: no file name (flags 00), no time stamp (0), best compression (extra flags 02).
paised=$(od -An -tx1 -N9 "$leht" | tr -d ' \n')
[ "$paised" = 1f8b08000000000002 ] || viga "$leht is not gzip -9n: header $paised"
[ "$(readlink "$juur/usr/share/man/man1/zemtar-lihtne.1.gz")" = zemtar.1.gz ] ||
  viga "zemtar-lihtne.1.gz is not a link to zemtar.1.gz"
for programm in zemtar zemtar-lihtne; do
  file -b "$juur/usr/bin/$programm" | grep -q ', stripped' || viga "$programm is not stripped"
done

echo "== Debian package: the programs are hardened and load the C library alone"
for programm in zemtar zemtar-lihtne; do
  readelf -W -h -l -d --dyn-syms "$juur/usr/bin/$programm" >"$tmp/elf"
  on() { grep -q "$1" "$tmp/elf" || viga "$programm: $2"; }
  on '(FLAGS) *BIND_NOW' "not linked with BIND_NOW"
  on '(FLAGS_1) *Flags:.* NOW' "not linked with BIND_NOW"
  on 'Type: *DYN' "not a position-independent executable"
  on '(FLAGS_1) *Flags:.* PIE' "not a position-independent executable"
  on GNU_RELRO "no read-only relocations (RELRO)"
  on ' __stack_chk_fail@' "no stack protector"
  on ' __[a-z]*_chk@' "calls no fortified functions"
  on ' dlopen@' "does not open libedit itself"
  # The C library, and its dynamic loader, which is the programs' interpreter: the linked-in
  # C++ runtime takes __tls_get_addr and _dl_find_object from it.
  laadija=$(sed -n 's/.*program interpreter: \(.*\)\]$/\1/p' "$tmp/elf")
  vajab=$(sed -n 's/.*(NEEDED).*\[\(.*\)\]$/\1/p' "$tmp/elf" | grep -vxF "${laadija##*/}" || true)
  [ "$vajab" = libc.so.6 ] || viga "$programm needs" $vajab
done

echo "== Debian package: installed (dpkg -i), run, and removed (dpkg -r)"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo dpkg -i "$deb" >/dev/null
trap '$sudo dpkg -r zemtar >/dev/null 2>&1 || true; $sudo rm -rf "$tmp"' EXIT
# Runs an installed program with -k 2+3 and compares every byte it prints and its status.
kontrolli() {
  local programm=$1 oodatud=$2 staatus=0
  "/usr/bin/$programm" -k 2+3 >"$tmp/valjund" || staatus=$?
  printf "$oodatud" | cmp - "$tmp/valjund" || viga "$programm -k 2+3 printed: $(od -c "$tmp/valjund")"
  [ "$staatus" -eq 5 ] || viga "$programm -k 2+3 ended with $staatus, not 5"
}
kontrolli zemtar 'Infiksavaldiste kalkulaator\nAutor: Karask\n:2+3 \nAvaldise v\344\344rtus=V\n'
kontrolli zemtar-lihtne \
  'Infiksavaldiste kalkulaator\nAutor: Karask\n:2+3 \nAvaldise v\344\344rtus=5.000000\n'
for programm in zemtar zemtar-lihtne; do
  LC_ALL=C.UTF-8 MANWIDTH=80 MANPAGER=cat man "$programm" 2>/dev/null | grep -qx NIMI ||
    viga "man $programm shows no page"
done
# At a terminal, typed: with libedit the line is edited (Ctrl-A goes to its start), and where
# the library is missing (a chroot that holds the program and the C library alone) the lines
# are read as they are, answered all the same.
trukib() {  # KEYS COMMAND...: whether the command answers 2+3 at a terminal typed into
  local klahvid=$1 oota
  shift
  # The keys once the program waits at its prompt (it may be slow to come on a busy machine).
  for oota in 1 3 9; do
    (sleep "$oota"; printf '%s' "$klahvid"; sleep 0.5; printf 'valju\r'; sleep 0.5) |
      env -i LANG=C.UTF-8 TERM=xterm HOME="$tmp" ZEMTAR_AJALUGU= script -qec "$*" /dev/null |
      tr -d '\r' >"$tmp/ekraan"
    ! grep -qx 'Avaldise väärtus=V' "$tmp/ekraan" || return 0
  done
  return 1
}
trukib $'+3\x012\r' /usr/bin/zemtar ||
  viga "zemtar at a terminal does not edit the line: $(od -c "$tmp/ekraan")"
kinni="$tmp/kinni"
for f in /usr/bin/zemtar $(ldd /usr/bin/zemtar | grep -o '/[^ ]*'); do
  mkdir -p "$kinni$(dirname "$f")"
  cp "$f" "$kinni$f"
done
trukib $'2+3\r' $sudo chroot "$kinni" /usr/bin/zemtar ||
  viga "without libedit, zemtar at a terminal does not read: $(od -c "$tmp/ekraan")"
$sudo dpkg -r zemtar >/dev/null
[ ! -e /usr/bin/zemtar ] && [ ! -e /usr/share/doc/zemtar ] || viga "dpkg -r left files behind"

echo "== package $(basename "$deb") checked: $(stat -c %s "$deb") bytes"
