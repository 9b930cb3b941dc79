#!/bin/sh
# What the programs owe the libraries linked into them from static archives, as the Debian
# packages that hold the archives on this machine say it:
#
#   pakett/litsentsid.sh ARCHIVE...                paragraphs for the copyright file
#   pakett/litsentsid.sh --built-using ARCHIVE...  the package's Built-Using field
#
# One Files paragraph per source package, "Files: SOURCE/*", holding every copyright and every
# licence of that package's /usr/share/doc/PACKAGE/copyright, so that the notices match the
# archives used. A copyright file in the machine-readable format is merged field by field; any
# other is given whole as the licence. The texts of /usr/share/common-licenses that these name
# follow as License paragraphs, for systems that lack that folder.
set -eu

viga() {
  echo "litsentsid.sh: $*" >&2
  exit 1
}

valik=""
if [ "${1:-}" = --built-using ]; then
  valik=built-using
  shift
fi

# "SOURCE VERSION PACKAGE ARCHIVE" per archive, the package named as dpkg knows the file: by the
# path given or, on a system whose /lib leads to /usr/lib, by the real one.
kirjed=""
for arhiiv in "$@"; do
  omanik=$(dpkg-query -S "$arhiiv" 2>/dev/null ||
    dpkg-query -S "$(readlink -f "$arhiiv")" 2>/dev/null) || viga "no Debian package holds $arhiiv"
  pakett=${omanik%%: *}
  kirje=$(dpkg-query -W -f '${source:Package} ${source:Version} ${Package}' "$pakett")
  kirjed="$kirjed$kirje $(basename "$arhiiv")
"
done
kirjed=$(printf '%s' "$kirjed" | sort -u)
[ -n "$kirjed" ] || exit 0

if [ "$valik" = built-using ]; then
  printf '%s\n' "$kirjed" | awk '{ print $1 " (= " $2 ")" }' | sort -u | paste -sd, - |
    sed 's/,/, /g'
  exit 0
fi

yldised=""
for allikas in $(printf '%s\n' "$kirjed" | awk '{ print $1 }' | sort -u); do
  rida=$(printf '%s\n' "$kirjed" | awk -v a="$allikas" '$1 == a { print; exit }')
  versioon=$(echo "$rida" | awk '{ print $2 }')
  pakett=$(echo "$rida" | awk '{ print $3 }')
  arhiivid=$(printf '%s\n' "$kirjed" | awk -v a="$allikas" '$1 == a { print $4 }' | paste -sd, - |
    sed 's/,/, /g')
  fail=/usr/share/doc/$pakett/copyright
  [ -r "$fail" ] || viga "$pakett has no $fail"
  echo
  echo "Files: $allikas/*"
  awk -v allikas="$allikas" -f "$(dirname "$0")/litsentsid.awk" "$fail"
  echo "Comment: Linked into the programs from $arhiivid of $pakett (source $allikas $versioon):"
  echo " the copyrights and licences of that package's copyright file."
  yldised="$yldised $(grep -o '/usr/share/common-licenses/[A-Za-z0-9.+-]*[A-Za-z0-9+]' "$fail" ||
    true)"
done

for tekst in $(printf '%s\n' $yldised | sort -u); do
  [ -r "$tekst" ] || viga "no $tekst"
  echo
  echo "License: $(basename "$tekst")"
  sed 's/^[[:space:]]*$/./; s/^/ /' "$tekst"
  echo "Comment: The text of $tekst on Debian."
done
