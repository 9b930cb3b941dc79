#!/usr/bin/env bash
# What a user installs, checked: the manual page passes the formatter's lint, `cmake --install`
# puts every file under a fresh prefix, and the Debian package that cpack makes is clean for
# lintian, holds exactly the expected files with sensible metadata, owes nothing to the
# libraries linked into it (their notices in the copyright file, their sources in Built-Using),
# depends on the C library alone, and its programs are hardened and run from where dpkg-deb
# unpacks them.
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

echo "== Debian package: cpack -G DEB"
(cd "$ehitus" && cpack -G DEB -B "$tmp/pakett") >"$tmp/cpack.log" 2>&1 ||
  viga "cpack failed:"$'\n'"$(cat "$tmp/cpack.log")"
versioon=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$ehitus/CMakeCache.txt")-$(
  sed -n 's/^set(CPACK_DEBIAN_PACKAGE_RELEASE "\(.*\)")$/\1/p' "$ehitus/CPackConfig.cmake")
arhitektuur=$(dpkg --print-architecture)
deb="$tmp/pakett/zemtar_${versioon}_${arhitektuur}.deb"
[ -f "$deb" ] || viga "no $(basename "$deb") among: $(ls "$tmp/pakett")"

valja() { dpkg-deb -f "$deb" "$1"; }
[ "$(valja Package)" = zemtar ] || viga "Package: $(valja Package)"
[ "$(valja Version)" = "$versioon" ] || viga "Version: $(valja Version), project: $versioon"
[ "$(valja Architecture)" = "$arhitektuur" ] || viga "Architecture: $(valja Architecture)"
[ "$(valja Section)" = math ] || viga "Section: $(valja Section)"
[[ $(valja Maintainer) == "zemtar maintainers <"*@*">" ]] || viga "Maintainer: $(valja Maintainer)"
[ -n "$(valja Description)" ] || viga "no Description"
# Computed by dpkg-shlibdeps from the binaries: the C++ runtime and every other library are
# linked in, so the C library is all the programs need.
[[ $(valja Depends) =~ ^libc6\ \(\>=\ [0-9][0-9.]*\)$ ]] || viga "Depends: $(valja Depends)"

echo "== Debian package: lintian"
lintian --fail-on error,warning "$deb" >"$tmp/lintian" 2>&1 &&
  ! grep -q '^[EW]: ' "$tmp/lintian" || viga "lintian:"$'\n'"$(cat "$tmp/lintian")"

echo "== Debian package: contents"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $1, $2, $6 }' | sort >"$tmp/sisu"
sort >"$tmp/oodatud" <<'EOF'
-rwxr-xr-x root/root ./usr/bin/zemtar
-rwxr-xr-x root/root ./usr/bin/zemtar-lihtne
-rw-r--r-- root/root ./usr/share/doc/zemtar/changelog.Debian.gz
-rw-r--r-- root/root ./usr/share/doc/zemtar/copyright
-rw-r--r-- root/root ./usr/share/lintian/overrides/zemtar
-rw-r--r-- root/root ./usr/share/man/man1/zemtar.1.gz
lrwxrwxrwx root/root ./usr/share/man/man1/zemtar-lihtne.1.gz
EOF
diff -u "$tmp/oodatud" "$tmp/sisu" || viga "the package holds other files than expected"

juur="$tmp/juur"
dpkg-deb -x "$deb" "$juur"
dokud="$juur/usr/share/doc/zemtar"
# The copyright file is LICENSE in Debian's machine-readable form.
grep -qxF "Copyright: $(sed -n 's/^Copyright (c) //p' LICENSE)" "$dokud/copyright" ||
  viga "the copyright file lacks LICENSE's copyright line"
awk '/^$/ { t = 0 } t { sub(/^ /, ""); sub(/^\.$/, ""); print } /^License: / { t = !n++ }' \
  "$dokud/copyright" | cmp - <(tail -n +5 LICENSE) ||
  viga "the copyright file's licence is not LICENSE's text"
# Every static archive on the programs' link lines: its source package in Built-Using, and a
# paragraph with each copyright line and each licence of the copyright file of its package.
arhiivid=$(grep -oh '[^ ]*\.a\>' "$ehitus"/CMakeFiles/zemtar{,-lihtne}.dir/link.txt | sort -u)
for arhiiv in $arhiivid; do
  pakett=$(dpkg-query -S "$arhiiv" 2>/dev/null || dpkg-query -S "$(readlink -f "$arhiiv")")
  pakett=${pakett%%:*}
  read -r allikas allika_versioon < <(dpkg-query -W -f '${source:Package} ${source:Version}\n' \
    "$pakett")
  [[ ", $(valja Built-Using)," == *", $allikas (= $allika_versioon),"* ]] ||
    viga "Built-Using lacks $allikas (= $allika_versioon): $(valja Built-Using)"
  awk -v f="Files: $allikas/*" '$0 == f { t = 1 } /^$/ { t = 0 } t' "$dokud/copyright" >"$tmp/loik"
  [ -s "$tmp/loik" ] || viga "the copyright file has no paragraph for $arhiiv ($allikas)"
  algne=/usr/share/doc/$pakett/copyright
  awk '/^([^[:space:]]|$)/ { c = sub(/^Copyright: */, "") } c && !/^[[:space:]]*\.?$/' "$algne" |
    while read -r rida; do
      grep -qF -- "$rida" "$tmp/loik" || viga "$allikas's paragraph lacks: $rida"
    done
  sed -n 's/^License: //p' "$algne" | sed 's/,* \(and\|or\) /\n/g' | while read -r nimi; do
    grep -q "^License: \(.* and \)*$nimi\( and .*\)*$" "$tmp/loik" ||
      viga "$allikas's paragraph lacks the licence $nimi"
  done
done
# The changelog's newest entry is the package's version.
zcat "$dokud/changelog.Debian.gz" >"$tmp/changelog"
[ "$(dpkg-parsechangelog -l "$tmp/changelog" -S Version)" = "$versioon" ] ||
  viga "changelog.Debian.gz does not start with $versioon"
leht="$juur/usr/share/man/man1/zemtar.1.gz"
zcat "$leht" | cmp - man/zemtar.1
# gzip -9n: no file name (flags 00), no time stamp (0), best compression (extra flags 02).
paised=$(od -An -tx1 -N9 "$leht" | tr -d ' \n')
[ "$paised" = 1f8b08000000000002 ] || viga "$leht is not gzip -9n: header $paised"
[ "$(readlink "$juur/usr/share/man/man1/zemtar-lihtne.1.gz")" = zemtar.1.gz ] ||
  viga "zemtar-lihtne.1.gz is not a link to zemtar.1.gz"
for programm in zemtar zemtar-lihtne; do
  LC_ALL=C.UTF-8 MANWIDTH=80 MANPAGER=cat man -l "$juur/usr/share/man/man1/$programm.1.gz" |
    grep -qx NIMI || viga "man cannot render $programm.1.gz"
  file -b "$juur/usr/bin/$programm" | grep -q ', stripped' || viga "$programm is not stripped"
done

echo "== Debian package: the programs are hardened and need the C library alone"
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
  # The C library, and its dynamic loader, which is the programs' interpreter: the linked-in
  # C++ runtime takes __tls_get_addr and _dl_find_object from it.
  laadija=$(sed -n 's/.*program interpreter: \(.*\)\]$/\1/p' "$tmp/elf")
  vajab=$(sed -n 's/.*(NEEDED).*\[\(.*\)\]$/\1/p' "$tmp/elf" | grep -vxF "${laadija##*/}" || true)
  [ "$vajab" = libc.so.6 ] || viga "$programm needs" $vajab
done

echo "== Debian package: the unpacked programs run"
# Runs an unpacked program with -k 2+3 and compares every byte it prints and its status.
kontrolli() {
  local programm=$1 oodatud=$2 staatus=0
  "$juur/usr/bin/$programm" -k 2+3 >"$tmp/valjund" || staatus=$?
  printf "$oodatud" | cmp - "$tmp/valjund" || viga "$programm -k 2+3 printed: $(od -c "$tmp/valjund")"
  [ "$staatus" -eq 5 ] || viga "$programm -k 2+3 ended with $staatus, not 5"
}
kontrolli zemtar 'Infiksavaldiste kalkulaator\nAutor: Karask\n:2+3 \nAvaldise v\344\344rtus=V\n'
kontrolli zemtar-lihtne \
  'Infiksavaldiste kalkulaator\nAutor: Karask\n:2+3 \nAvaldise v\344\344rtus=5.000000\n'

echo "== package $(basename "$deb") checked"
