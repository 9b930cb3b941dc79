#!/usr/bin/env bash
# The static build for any Linux, checked: its archive (the target arhiiv) holds exactly the
# expected files, its programs are static position-independent executables with read-only
# relocations, its copyright file has the notices of every library that its link maps name,
# and in an empty chroot holding nothing but the two programs they answer the sample scripts
# through a pipe exactly as the programs of the ordinary build do, and write UTF-8 letters at
# a pseudo-terminal in a UTF-8 locale, whose files are not there. Programs for another machine
# (cmake/aarch64.cmake) run in the chroot under its qemu-*-static, copied in beside them.
#
# pakett/staatiline.sh STATIC_BUILD_DIR BUILD_DIR     (configured with -DZEMTAR_STATIC=ON, and not)
set -euo pipefail
cd "$(dirname "$0")/.."
staatiline=$(cd "$1" && pwd)
tavaline=$(cd "$2" && pwd)
tmp=$(mktemp -d)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
trap '$sudo rm -rf "$tmp"' EXIT

viga() {
  echo "VIGA: $*" >&2
  exit 1
}

echo "== static build: the archive (cmake --build $1 --target arhiiv)"
rm -f "$staatiline"/zemtar-*-linux-*.tar.gz
cmake --build "$staatiline" --target arhiiv >"$tmp/arhiiv.log" 2>&1 ||
  viga "the archive failed:"$'\n'"$(cat "$tmp/arhiiv.log")"
arhiiv=$(ls "$staatiline"/zemtar-*-linux-*.tar.gz)
versioon=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$staatiline/CMakeCache.txt")
nimi=$(basename "$arhiiv" .tar.gz)
masin=${nimi#zemtar-$versioon-linux-}
[ "$nimi" = "zemtar-$versioon-linux-$masin" ] || viga "the archive is $(basename "$arhiiv")"
tar -tvzf "$arhiiv" | awk '$1 !~ /^d/ { print $1, $2, $6 }' | sort >"$tmp/sisu"
sed "s|@|$nimi|" <<'EOF' | sort >"$tmp/oodatud"
-rw-r--r-- root/root @/README
-rw-r--r-- root/root @/share/doc/zemtar/copyright
lrwxrwxrwx root/root @/share/man/man1/zemtar-lihtne.1
-rw-r--r-- root/root @/share/man/man1/zemtar.1
-rwxr-xr-x root/root @/bin/zemtar
-rwxr-xr-x root/root @/bin/zemtar-lihtne
EOF
diff -u "$tmp/oodatud" "$tmp/sisu" || viga "the archive holds other files than expected"
tar -xzf "$arhiiv" -C "$tmp"
juur="$tmp/$nimi"

echo "== static build: the programs are static-pie, hardened, and owe nothing"
for programm in zemtar zemtar-lihtne; do
  file -b "$juur/bin/$programm" | grep -q 'static-pie linked' || viga "$programm is not static-pie"
  readelf -W -h -l -d "$juur/bin/$programm" >"$tmp/elf"
  ! grep -q 'INTERP\|(NEEDED)' "$tmp/elf" || viga "$programm loads a library"
  grep -q GNU_RELRO "$tmp/elf" || viga "$programm: no read-only relocations (RELRO)"
  grep -q '(FLAGS_1) *Flags:.* NOW PIE' "$tmp/elf" || viga "$programm: not PIE with BIND_NOW"
done
# Every library the README names as linked in: a paragraph of the copyright file (the GCC
# runtime's says why it needs no notice).
for allikas in $(sed -n 's/^  \([a-z0-9.+-]*\) (= .*)$/\1/p' "$juur/README"); do
  case $allikas in
    gcc-[0-9]*) rida="License: GPL-3+ with GCC-exception-3.1" ;;
    *) rida="Files: $allikas/*" ;;
  esac
  grep -qxF "$rida" "$juur/share/doc/zemtar/copyright" ||
    viga "the copyright file has no paragraph for $allikas"
done
# Every archive and start file that went into the programs, as their link maps name them.
sh pakett/litsentsid.sh --kontrolli "$juur/share/doc/zemtar/copyright" "$staatiline"/zemtar*.map ||
  viga "the copyright file lacks the notices of what the programs link in"
# The C library's source: glibc, or for another machine Debian's cross toolchain, which holds it.
grep -qx '  \(glibc\|cross-toolchain-base\) (= .*)' "$juur/README" ||
  viga "the README does not name the C library"

echo "== static build: in an empty chroot, the sample scripts through a pipe"
kinni="$tmp/kinni"
mkdir "$kinni"
cp "$juur"/bin/* "$kinni/"
eel=""
if [ "$masin" != "$(uname -m)" ]; then
  cp "/usr/bin/qemu-$masin-static" "$kinni/"
  eel=/qemu-$masin-static
fi
for paar in zemtar:rooma zemtar-lihtne:lihtne; do
  programm=${paar%:*}
  skript=naited/${paar#*:}.txt
  staatus=0
  $sudo chroot "$kinni" $eel "/$programm" -f - <"$skript" >"$tmp/kinni.valja" || staatus=$?
  oodatud=0
  "$tavaline/$programm" -f - <"$skript" >"$tmp/tavaline.valja" || oodatud=$?
  cmp "$tmp/tavaline.valja" "$tmp/kinni.valja" || viga "$programm in the chroot printed otherwise"
  [ "$staatus" -eq "$oodatud" ] || viga "$programm in the chroot ended with $staatus, not $oodatud"
done

echo "== static build: in the chroot, UTF-8 letters at a pseudo-terminal with LANG=C.UTF-8"
printf 'x\n' >"$tmp/sisend"
$sudo env -i LANG=C.UTF-8 script -qec "chroot '$kinni' $eel /zemtar-lihtne <'$tmp/sisend'" \
  /dev/null </dev/null >"$tmp/ekraan" || true
printf 'V\303\244ljumiseks sisestage' | grep -qF -f - "$tmp/ekraan" &&
  printf 'Muutuja v\303\244\303\244rtustamata' | grep -qF -f - "$tmp/ekraan" ||
  viga "no UTF-8 letters at the terminal: $(od -c "$tmp/ekraan")"

echo "== static build $(basename "$arhiiv") checked ($(du -k "$arhiiv" | cut -f1) KiB)"
