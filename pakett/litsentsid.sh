#!/bin/sh
# What the programs owe the libraries linked into them from static archives, as the Debian
# packages that hold the archives on this machine say it:
#
#   pakett/litsentsid.sh ARCHIVE|MAP...                paragraphs for the copyright file
#   pakett/litsentsid.sh --built-using ARCHIVE|MAP...  the sources and versions, as Built-Using
#   pakett/litsentsid.sh --kontrolli FILE MAP...        whether FILE (a copyright file, a page)
#                                                      names every archive that went into the
#                                                      programs, and the source of every start
#                                                      file; if not, says what it lacks (status 1)
#
# A link map (a name ending in .map: the linker's -Map or --trace) stands for the archives and
# start files that went into the program, those outside the build folder.
#
# One Files paragraph per source package, "Files: SOURCE/*", holding every copyright and every
# licence of that package's /usr/share/doc/PACKAGE/copyright, so that the notices match the
# archives used. A copyright file in the machine-readable format is merged field by field; any
# other is given whole as the licence. Of emscripten, whose copyright file covers a whole
# toolchain, only the paragraphs on the sources of the archives linked and of the JavaScript
# runtime count (the table below). The GCC runtime's archives get a paragraph that says why
# its licence asks nothing of the programs. The texts of /usr/share/common-licenses that these
# name follow as License paragraphs, for systems that lack that folder.
set -eu

viga() {
  echo "litsentsid.sh: $*" >&2
  exit 1
}

valik=""
case ${1:-} in
  --built-using) valik=built-using ;;
  --kontrolli)
    valik=kontrolli
    teated=$2
    shift
    ;;
esac
[ -z "$valik" ] || shift

# The sources in emscripten's tree of each of its archives: the archive's name without .a and
# any variant after a "-", then the folders (the JavaScript runtime, src/, is in every page).
emscripten_kaustad() {
  set -- "${1%.a}"
  case ${1%%-*} in
    libc) echo src/ system/lib/libc/ ;;
    libc++) echo src/ system/lib/libcxx/ ;;
    libc++abi) echo src/ system/lib/libcxxabi/ ;;
    libcompiler_rt) echo src/ system/lib/compiler-rt/ ;;
    libdlmalloc) echo src/ system/lib/dlmalloc.c ;;
    libstubs | libsockets | libnoexit) echo src/ system/lib/ ;;
    *) viga "emscripten's $1: which of its sources is it? (emscripten_kaustad)" ;;
  esac
}

# The archives and start files, one a line: those given, and those a link map names.
failid() {
  for a in "$@"; do
    case $a in
      *.map) grep -oE '(^|[ (])/[^ ():]+\.(a\(|o($|[ )]))' "$a" | sed 's/^[ (]//; s/[ ()]$//' ;;
      *) echo "$a" ;;
    esac
  done | sort -u | while read -r f; do
    [ ! -e "$f" ] || echo "$f"  # (not the link-time optimiser's files, gone once it is done)
  done
}

# "SOURCE VERSION PACKAGE FILE" per archive, the package named as dpkg knows the file: by the
# path given or, on a system whose /lib leads to /usr/lib, by the real one.
kirjed=""
for arhiiv in $(failid "$@"); do
  omanik=$(dpkg-query -S "$arhiiv" 2>/dev/null ||
    dpkg-query -S "$(readlink -f "$arhiiv")" 2>/dev/null) || viga "no Debian package holds $arhiiv"
  pakett=${omanik%%: *}
  kirje=$(dpkg-query -W -f '${source:Package} ${source:Version} ${Package}' "$pakett")
  kirjed="$kirjed$kirje $(basename "$arhiiv")
"
done
kirjed=$(printf '%s' "$kirjed" | sort -u)
[ -n "$kirjed" ] || exit 0

if [ "$valik" = kontrolli ]; then
  printf '%s\n' "$kirjed" | while read -r allikas _ _ fail; do
    case $fail in
      *.a) grep -qF -- "$fail" "$teated" || echo "$teated does not name $fail ($allikas)" ;;
      *) grep -qF -- "source $allikas " "$teated" || echo "$teated does not name $allikas ($fail)" ;;
    esac
  done | awk '{ print "litsentsid.sh: " $0 > "/dev/stderr" } END { exit NR > 0 }'
  exit
fi

if [ "$valik" = built-using ]; then
  printf '%s\n' "$kirjed" | awk '{ print $1 " (= " $2 ")" }' | sort -u | paste -sd, - |
    sed 's/,/, /g'
  exit 0
fi

# The GCC runtime: the GNU GPL with the GCC Runtime Library Exception, which lets a program
# that GCC compiled carry it under terms of the program's own.
on_gcc() {
  case $1 in gcc-[0-9]* | gcc-mingw-w64) return 0 ;; *) return 1 ;; esac
}

yldised=""
for allikas in $(printf '%s\n' "$kirjed" | awk '{ print $1 }' | sort -u); do
  rida=$(printf '%s\n' "$kirjed" | awk -v a="$allikas" '$1 == a { print; exit }')
  versioon=$(echo "$rida" | awk '{ print $2 }')
  pakett=$(echo "$rida" | awk '{ print $3 }')
  arhiivid=$(printf '%s\n' "$kirjed" | awk -v a="$allikas" '$1 == a { print $4 }' | paste -sd, - |
    sed 's/,/, /g')
  echo
  if on_gcc "$allikas"; then
    echo "License: GPL-3+ with GCC-exception-3.1"
    echo " The GCC runtime, linked into the programs from $arhiivid of $pakett"
    echo " (source $allikas $versioon), is under the GNU General Public License with the GCC"
    echo " Runtime Library Exception, which lets programs compiled with GCC carry it under"
    echo " terms of their own: it asks no notice of them."
    continue
  fi
  kaustad=""
  if [ "$allikas" = emscripten ]; then
    for a in $(printf '%s\n' "$kirjed" | awk -v a="$allikas" '$1 == a { print $4 }'); do
      kaustad="$kaustad $(emscripten_kaustad "$a")"
    done
    kaustad=$(printf '%s\n' $kaustad | sort -u | xargs)
  fi
  fail=/usr/share/doc/$pakett/copyright
  [ -r "$fail" ] || viga "$pakett has no $fail"
  echo "Files: $allikas/*"
  loik=$(awk -v allikas="$allikas" -v kaustad="$kaustad" -f "$(dirname "$0")/litsentsid.awk" \
    "$fail")
  printf '%s\n' "$loik"
  echo "Comment: Linked into the programs from $arhiivid of $pakett (source $allikas $versioon):"
  if [ -n "$kaustad" ]; then
    echo " the copyrights and licences of that package's copyright file on $kaustad."
  else
    echo " the copyrights and licences of that package's copyright file."
  fi
  yldised="$yldised $(printf '%s\n' "$loik" |
    grep -o '/usr/share/common-licenses/[A-Za-z0-9.+-]*[A-Za-z0-9+]' || true)"
done

for tekst in $(printf '%s\n' $yldised | sort -u); do
  [ -r "$tekst" ] || viga "no $tekst"
  echo
  echo "License: $(basename "$tekst")"
  sed 's/^[[:space:]]*$/./; s/^/ /' "$tekst"
  echo "Comment: The text of $tekst on Debian."
done
